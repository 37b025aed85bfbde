#pragma once

#include "model/AreaTexts.h"
#include "model/DocumentDialogs.h"

#include <QDialog>

class MapArea;
class QLineEdit;
class QPushButton;

// "Area Settings" (dialog 215) for one area, captioned "Area #%d Settings"
// with its number: its kind, position and size in picture pixels, and its
// URL, frame target, comment and title (the tooltip), each at most 2,048
// characters; the other attributes the area kept from its page stay as
// they are. An empty
// URL is offered the "Default Url Lead" text. OK is enabled only while the
// URL is not empty and more than the lead; "D&elete" closes the dialog
// asking for the area to be deleted.
class AreaSettingsDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxText = 2048;
    // The dialog's result when "D&elete" closed it.
    static constexpr int kDeleted = 2;

    AreaSettingsDialog(const MapArea& area, int number, const AreaTexts& texts,
                       QWidget* parent = nullptr);

    // The texts as edited; a field left as shown keeps its bytes.
    AreaTexts texts() const;

    // Shows the dialog: Ok with texts edited, Cancel, or Delete.
    static DocumentDialogs::AreaChoice run(const MapArea& area, int number, AreaTexts& texts,
                                           QWidget* parent = nullptr);

    // The texts of the three information lines.
    static QString kindText(const MapArea& area);
    static QString positionText(const MapArea& area);
    static QString dimensionsText(const MapArea& area);

private:
    QLineEdit* addEdit(const char* name, const QByteArray& bytes);
    void updateOk();

    AreaTexts m_original;
    QLineEdit* m_url;
    QLineEdit* m_target;
    QLineEdit* m_comment;
    QLineEdit* m_title;
    QPushButton* m_ok;
};

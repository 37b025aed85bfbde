#pragma once

#include "wizards/InsertPointDialog.h"
#include "wizards/PlacementValues.h"

#include <QDialog>

class QPushButton;
class QTreeWidget;

// "Save As New Map into Existing HTML file": the page's images and maps in
// two columns, "Image Name" and "Map Name"; OK needs a chosen row (rules in
// PlacementValues), and "Add Image..." places a new IMG tag through "Add
// new image and map to existing HTML file" and closes at once.
class PlacementDialog : public QDialog {
    Q_OBJECT
public:
    PlacementDialog(const QString& htmlPath, const PageSummary& page, const QByteArray& mapName,
                    const QString& imagePath, int insertOffset, QWidget* parent = nullptr);

    const PlacementValues& values() const { return m_values; }
    QTreeWidget* list() const { return m_list; }
    QPushButton* addImageButton() const { return m_addImage; }

public slots:
    void accept() override;

private:
    void addImage();

    PlacementValues m_values;
    QString m_htmlPath;
    QString m_imagePath;
    int m_insertOffset;
    QTreeWidget* m_list;
    QPushButton* m_ok;
    QPushButton* m_addImage;
};

#pragma once

#include "model/DocumentDialogs.h"

#include <QDialog>

class QPushButton;
class QTreeWidget;

// "Multiple Maps in HTML File": the maps of a page, each with its name and
// its related graphic, to choose the one to open. The first map is chosen
// at first; OK is enabled while a map is chosen, and a double-click takes
// it at once.
class MultipleMapsDialog : public QDialog {
    Q_OBJECT
public:
    explicit MultipleMapsDialog(const QList<DocumentDialogs::MapChoice>& maps,
                                QWidget* parent = nullptr);

    // The chosen map's index, -1 for none.
    int chosen() const;

    // Shows the dialog: true on OK with chosen set to the chosen row.
    static bool choose(const QList<DocumentDialogs::MapChoice>& maps, int& chosen,
                       QWidget* parent = nullptr);

private:
    QTreeWidget* m_list;
    QPushButton* m_ok;
};

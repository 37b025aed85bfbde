#pragma once

#include <QFileDialog>

class QCheckBox;

// The file dialog of Open: "Open an existing Image Map file", one filter per
// map template (HTML, ImageMap, All File Types) and All Files, the chosen
// file must exist, and a check box opens the map read-only.
class OpenMapDialog : public QFileDialog {
    Q_OBJECT
public:
    explicit OpenMapDialog(const QString& folder, QWidget* parent = nullptr);

    // The map filters, in the order of the templates.
    static QStringList mapFilters();

    QString chosenPath() const;
    bool readOnly() const;
    QCheckBox* readOnlyBox() const { return m_readOnly; }

private:
    QCheckBox* m_readOnly;
};

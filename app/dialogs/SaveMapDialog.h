#pragma once

#include "model/DocumentDialogs.h"

#include <QFileDialog>

// The Save As prompt, "Save the Image Map file": HTML pages (template 129)
// and all files, opening in the map's folder (when the map has none, or it
// is the program's own folder: "Last Map Folder", else the user's
// documents) with the proposed name filled in; a name typed without an
// extension gets ".htm". The chosen name goes through SavePathCheck before
// the prompt closes; a refused name keeps it open. The check may settle the
// map name, the page's IMG tag and the insertion point.
class SaveMapDialog : public QFileDialog {
    Q_OBJECT
public:
    explicit SaveMapDialog(const DocumentDialogs::SaveAs& request, QWidget* parent = nullptr);

    // The chosen file's absolute path, empty before OK.
    QString chosenPath() const;

    // Shows the prompt: true on OK with request.path set.
    static bool choose(DocumentDialogs::SaveAs& request, QWidget* parent = nullptr);

    // What the check settled for the chosen file.
    const DocumentDialogs::SaveAs& request() const { return m_request; }

public slots:
    void accept() override;

private:
    DocumentDialogs::SaveAs m_request;
};

#pragma once

#include "model/DocumentDialogs.h"
#include "wizards/InsertPointDialog.h"

#include <QWizard>

// "New Map Wizard": where a new map is to live. The existing-page branch
// (steps AB, AC, AD) picks a page, one of its images (or a new one placed
// through "Add new image to HTML file") and the map name; the brand-new
// branch (BB, BC, BD) names a new page, picks the picture and names the
// map. The pages are thin: their rules are the value models' (PageChoiceValues,
// ImageChoiceValues, MapNameValues, NewPageValues). The wizard writes
// nothing to disk.
class NewMapWizard : public QWizard {
    Q_OBJECT
public:
    enum PageId { AA, AB, AC, AD, BB, BC, BD };

    // start.mapPath: the pending page the wizard opens at (may be empty).
    // browse: the image open prompt of "Add new image to HTML file".
    NewMapWizard(const DocumentDialogs::NewMap& start, InsertPointDialog::Browse browse,
                 QWidget* parent = nullptr);

    // Runs the wizard: true when it ended with Finish, with result filled.
    static bool run(DocumentDialogs::NewMap& result, const InsertPointDialog::Browse& browse,
                    QWidget* parent = nullptr);

    // What the pages settle; complete once the wizard finished.
    DocumentDialogs::NewMap& result() { return m_result; }
    const InsertPointDialog::Browse& browse() const { return m_browse; }
    // A map of the page the user already agreed to overwrite (step AC).
    QByteArray agreedMapName;
    int nextId() const override;

private:
    DocumentDialogs::NewMap m_result;
    InsertPointDialog::Browse m_browse;
};

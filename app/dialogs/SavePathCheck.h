#pragma once

#include "model/DocumentDialogs.h"

#include <QString>

class QWidget;

// The check a name chosen in the Save As prompt goes through before the
// prompt closes. A file that does not exist yet, and one that cannot be
// read (saving then reports what is wrong with it), are taken. An existing
// page without a closing BODY tag is refused ("This HTML file is
// malformed...", stop icon): the map writer would replace it with a new page
// of its own. An empty file is taken when the user agrees to
// "%s\nThis file aready exists.\nReplace existing file?". Any other page
// opens "Save As New Map into Existing HTML file" (PlacementDialog): its OK
// settles the map name, the IMG tag the map is for or the insertion point
// of a new one, and takes the file; its Cancel refuses it.
class SavePathCheck {
public:
    // True when the prompt may close with path; request's map name, IMG tag
    // and insertion point are changed only then.
    static bool accept(const QString& path, DocumentDialogs::SaveAs& request,
                       QWidget* parent = nullptr);
};

#pragma once

#include <QString>

// The check a name chosen in the Save As prompt goes through before the
// prompt closes. A file that does not exist yet is taken. An existing page
// without a closing BODY tag is refused ("This HTML file is malformed...",
// stop icon): the map writer would replace it with a new page of its own.
// Any other existing file is taken when the user agrees to
// "%s\nThis file aready exists.\nReplace existing file?"; a file that cannot
// be read is taken, and saving then reports what is wrong with it.
class SavePathCheck {
public:
    // True when the prompt may close with path.
    static bool accept(const QString& path);
};

#pragma once

#include <QString>

// The user guide: HTML pages in the program's folder (help/), shown in the
// desktop's web browser.
class UserGuide {
public:
    // The guide's first page.
    static QString indexPath();
    // Opens the first page in the browser; a guide that is not there is
    // reported through the Prompter.
    static bool open();
};

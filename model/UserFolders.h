#pragma once

#include <QString>

// Where file dialogs and the wizards' folder trees start: the folder the
// user last worked in, else the user's documents folder. The program's own
// data folder is never offered as a place to save: once installed it is
// read-only, and in a build it holds the program's files.
class UserFolders {
public:
    // The desktop's documents folder when it exists, else the home folder.
    static QString documents();
    // remembered when it names an existing folder outside the program's
    // data folder, else documents().
    static QString startFolder(const QString& remembered);
    // Whether folder is the program's data folder or lies inside it.
    static bool inProgramFolder(const QString& folder);
};

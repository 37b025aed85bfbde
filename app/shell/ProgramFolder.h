#pragma once

#include <QString>

// The folder where the program's data lives: res/ beside the executable in
// a build, share/tessary/ once installed.
class ProgramFolder {
public:
    static QString path();
};

#pragma once

#include <QString>

// The folder where the program's data lives: res/ beside the executable in
// a build, share/tessary/ once installed (bin/ and share/ under one prefix).
class ProgramFolder {
public:
    // The running program's data folder.
    static QString path();
    // The data folder of a program in programDir: the first of the two that
    // exists, else programDir itself.
    static QString forProgramDir(const QString& programDir);
};

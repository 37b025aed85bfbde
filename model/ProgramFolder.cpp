#include "model/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString ProgramFolder::path() {
    return forProgramDir(QCoreApplication::applicationDirPath());
}

QString ProgramFolder::forProgramDir(const QString& programDir) {
    const QDir bin(programDir);
    for (const QString& candidate : {QStringLiteral("res"), QStringLiteral("../share/tessary")}) {
        const QString folder = bin.absoluteFilePath(candidate);
        if (QFileInfo(folder).isDir())
            return QDir::cleanPath(folder);
    }
    return bin.absolutePath();
}

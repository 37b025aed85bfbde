#include "app/shell/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString ProgramFolder::path() {
    const QDir bin(QCoreApplication::applicationDirPath());
    for (const QString& candidate : {QStringLiteral("res"), QStringLiteral("../share/tessary")}) {
        const QString folder = bin.absoluteFilePath(candidate);
        if (QFileInfo(folder).isDir())
            return QDir::cleanPath(folder);
    }
    return bin.absolutePath();
}

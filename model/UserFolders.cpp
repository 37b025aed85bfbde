#include "model/UserFolders.h"

#include "model/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString UserFolders::documents() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return QDir::cleanPath(documents);
    return QDir::homePath();
}

QString UserFolders::startFolder(const QString& remembered) {
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir() && !inProgramFolder(remembered))
        return QDir::cleanPath(QFileInfo(remembered).absoluteFilePath());
    return documents();
}

bool UserFolders::inProgramFolder(const QString& folder) {
    // Compared as the file system resolves them, so a link into the
    // program's folder counts as well.
    const QString program = QFileInfo(ProgramFolder::path()).canonicalFilePath();
    const QString path = QFileInfo(folder).canonicalFilePath();
    if (program.isEmpty() || path.isEmpty())
        return false;
    return path == program || path.startsWith(program + QLatin1Char('/'));
}

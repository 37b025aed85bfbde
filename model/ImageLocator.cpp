#include "model/ImageLocator.h"

#include "model/DocumentDialogs.h"
#include "model/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool isFile(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QString nameOf(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

// The picture of the map's own name: the map's path with its extension
// replaced by jpg, else png, else gif (the first that exists; gif when none
// does).
QString pictureOfMap(const QString& mapPath) {
    const QFileInfo map(mapPath);
    const QString stem = map.dir().filePath(map.completeBaseName());
    for (const char* extension : {".jpg", ".png"}) {
        const QString path = stem + QLatin1String(extension);
        if (isFile(path))
            return path;
    }
    return stem + QLatin1String(".gif");
}

} // namespace

bool ImageLocator::search(PictureSource::Location& where) {
    QString& path = where.imagePath;
    if (path.isEmpty() && !where.mapPath.isEmpty())
        path = pictureOfMap(where.mapPath);
    const QString name = nameOf(path);
    if (name.isEmpty())
        return false;
    if (!isFile(path) && !where.mapPath.isEmpty())
        path = QFileInfo(where.mapPath).dir().filePath(name);
    if (!isFile(path))
        path = QDir::current().filePath(name);
    return isFile(path);
}

bool ImageLocator::locate(PictureSource::Location& where, DocumentDialogs& dialogs) {
    if (search(where))
        return true;
    const QString name = nameOf(where.imagePath);
    if (!dialogs.missingImage(QFile::encodeName(name)))
        return false;
    const QString chosen = chooseImageFile(dialogs, name);
    if (chosen.isEmpty())
        return false;
    where.imagePath = chosen;
    return true;
}

QString ImageLocator::chooseImageFile(DocumentDialogs& dialogs, const QString& startPath) {
    const QString chosen = dialogs.chooseImageFile(startPath);
    if (!chosen.isEmpty())
        Settings::app().lastImageFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}

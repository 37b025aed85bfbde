#include "formats/PictureReference.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace PictureReference {

namespace {

constexpr bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A URL scheme: a letter, then letters, digits, "+", "-" or "." up to ":".
// One letter before ":" is a drive, which counts as absolute too.
bool hasScheme(QByteArrayView ref) {
    if (ref.isEmpty() || !isLetter(ref[0]))
        return false;
    for (qsizetype i = 1; i < ref.size(); ++i) {
        const char c = ref[i];
        if (c == ':')
            return true;
        if (!isLetter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.')
            return false;
    }
    return false;
}

} // namespace

bool isRemoteOrAbsolute(QByteArrayView ref) {
    return ref.startsWith('/') || ref.startsWith('\\') || hasScheme(ref);
}

QByteArray relativeTo(const QString& pageFolder, const QString& picturePath, bool& copyBeside) {
    const QString relative = QDir(pageFolder).relativeFilePath(picturePath);
    copyBeside = relative.isEmpty() || relative == QLatin1String("..") ||
                 relative.startsWith(QLatin1String("../")) || QDir::isAbsolutePath(relative);
    if (copyBeside)
        return QFile::encodeName(QFileInfo(picturePath).fileName());
    return QFile::encodeName(relative);
}

} // namespace PictureReference

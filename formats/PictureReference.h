#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// How a page names its picture. A reference the page wrote is kept as it
// stands wherever it still names the picture; a picture chosen in the
// editor is named relative to the page, and copied beside the page only
// when it lies outside the page's folder tree.
namespace PictureReference {

// Whether ref names its picture wherever the page lies: a URL ("https:",
// "//host/..."), an absolute path ("/x", "\\x", "C:\x").
bool isRemoteOrAbsolute(QByteArrayView ref);

// The reference a page in pageFolder gives the picture file picturePath:
// the path relative to the folder when the picture lies in it or below;
// otherwise the bare file name, and copyBeside is set (the picture must
// be copied into the folder).
QByteArray relativeTo(const QString& pageFolder, const QString& picturePath, bool& copyBeside);

} // namespace PictureReference

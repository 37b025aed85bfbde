#include "app/shell/UserGuide.h"

#include "model/ProgramFolder.h"
#include "model/Prompter.h"
#include "model/Strings.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

QString UserGuide::indexPath() {
    return QDir(ProgramFolder::path()).filePath(QStringLiteral("help/index.html"));
}

bool UserGuide::open() {
    const QString path = indexPath();
    if (!QFileInfo(path).isFile()) {
        const QByteArray name = QDir::toNativeSeparators(path).toUtf8();
        Prompter::current().tell(Strings::format(Str::CannotLocateFile, name.constData()),
                                 Prompter::Icon::Exclamation);
        return false;
    }
    // A desktop without a browser to open it with says so itself.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

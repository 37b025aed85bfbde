#include "app/dialogs/SavePathCheck.h"

#include "model/Prompter.h"
#include "model/Strings.h"
#include "wizards/PageSummary.h"
#include "wizards/PlacementDialog.h"

#include <QDir>
#include <QFileInfo>

bool SavePathCheck::accept(const QString& path, DocumentDialogs::SaveAs& request, QWidget* parent) {
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    const PageSummary page = PageSummary::read(path);
    if (!page.readable)
        return true;
    if (page.isMalformed()) {
        Prompter::current().tell(Strings::text(Str::MalformedPage), Prompter::Icon::Stop);
        return false;
    }
    if (page.empty) {
        // Nothing in it to place the map beside.
        const QByteArray shown = QDir::toNativeSeparators(info.absoluteFilePath()).toUtf8();
        return Prompter::askYes(Strings::format(Str::ReplaceExistingFile, shown.constData()),
                                Prompter::Icon::Exclamation);
    }
    PlacementDialog dialog(info.absoluteFilePath(), page, request.mapName, request.imagePath,
                           request.insertOffset, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    request.mapName = dialog.values().mapName();
    request.imgTagOffset = dialog.values().imgTagOffset();
    request.insertOffset = dialog.values().insertOffset();
    return true;
}

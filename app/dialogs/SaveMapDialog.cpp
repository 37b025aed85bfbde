#include "app/dialogs/SaveMapDialog.h"

#include "app/dialogs/FileFilters.h"
#include "app/dialogs/SavePathCheck.h"
#include "model/Settings.h"
#include "model/Strings.h"
#include "model/UserFolders.h"

#include <QDir>
#include <QFileInfo>

SaveMapDialog::SaveMapDialog(const DocumentDialogs::SaveAs& request, QWidget* parent)
    : QFileDialog(parent, Strings::text(Str::SaveMapTitle)), m_request(request) {
    // Qt's own dialog, so that a name is checked before the dialog closes;
    // the check asks about replacing a file itself.
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::DontConfirmOverwrite);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setNameFilters(FileFilters::fromTemplates({Str::MapTemplateHtml}));
    setDefaultSuffix(Strings::untranslated(Str::PageExtension).mid(1));
    // The map's own folder, else the one a map was last opened from or
    // saved into; never the program's folder, whatever the process's
    // current folder is.
    const bool hasFolder = !request.folder.isEmpty() && QFileInfo(request.folder).isDir() &&
                           !UserFolders::inProgramFolder(request.folder);
    setDirectory(hasFolder ? request.folder
                           : UserFolders::startFolder(Settings::app().lastMapFolder));
    if (!request.proposedName.isEmpty())
        selectFile(request.proposedName);
}

QString SaveMapDialog::chosenPath() const {
    const QStringList files = selectedFiles();
    return files.isEmpty() ? QString() : QFileInfo(files.first()).absoluteFilePath();
}

void SaveMapDialog::accept() {
    const QString path = chosenPath();
    // A folder is opened, not saved into: the dialog does that itself.
    if (path.isEmpty() || QFileInfo(path).isDir()) {
        QFileDialog::accept();
        return;
    }
    DocumentDialogs::SaveAs settled = m_request;
    if (!SavePathCheck::accept(path, settled, this))
        return;
    m_request = settled;
    QFileDialog::accept();
}

bool SaveMapDialog::choose(DocumentDialogs::SaveAs& request, QWidget* parent) {
    SaveMapDialog dialog(request, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenPath().isEmpty())
        return false;
    request = dialog.request();
    request.path = dialog.chosenPath();
    Settings::app().lastMapFolder = QFileInfo(request.path).absolutePath();
    return true;
}

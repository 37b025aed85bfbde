#include "app/dialogs/ImageFileDialog.h"

#include "app/dialogs/FileFilters.h"
#include "model/Settings.h"
#include "model/Strings.h"
#include "model/UserFolders.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

QString ImageFileDialog::startFolder() {
    return UserFolders::startFolder(Settings::app().lastImageFolder);
}

QString ImageFileDialog::choose(const QString& startPath, QWidget* parent) {
    QDir::setCurrent(startFolder());
    const QFileInfo start(startPath);
    const bool inFolder = startPath.contains(QLatin1Char('/')) && start.absoluteDir().exists();

    QFileDialog dialog(parent, Strings::text(Str::ImageOpenTitle));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(FileFilters::images());
    dialog.setDirectory(inFolder ? start.absolutePath() : startFolder());
    if (!start.fileName().isEmpty())
        dialog.selectFile(start.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QFileInfo(dialog.selectedFiles().first()).absoluteFilePath();
}

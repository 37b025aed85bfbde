#include "app/DirectPictureSource.h"

#include "app/ImageLoadTexts.h"
#include "app/ImageLoadWindow.h"
#include "model/DocumentDialogs.h"
#include "model/Prompter.h"

#include <QFile>
#include <QFileInfo>

bool DirectPictureSource::locate(Location& where, DocumentDialogs& dialogs) {
    if (!where.imagePath.isEmpty() && QFileInfo(where.imagePath).isFile())
        return true;
    const QString name = QFileInfo(where.imagePath).fileName();
    if (!dialogs.missingImage(QFile::encodeName(name)))
        return false;
    const QString chosen = dialogs.chooseImageFile(where.imagePath);
    if (chosen.isEmpty())
        return false;
    where.imagePath = chosen;
    return true;
}

std::unique_ptr<LoadedImage> DirectPictureSource::load(const QString& path) {
    if (path.isEmpty()) {
        Prompter::current().tell(ImageLoadTexts::imageErrorText(ImageLoadTexts::EmptyName),
                                 Prompter::Icon::Exclamation);
        return nullptr;
    }
    ImageLoadWindow::Outcome outcome = ImageLoadWindow::run(path, m_parent);
    if (outcome.result == ImageLoader::Loaded)
        return std::move(outcome.image);
    if (outcome.result == ImageLoader::Failed) {
        Prompter::current().tell(ImageLoadTexts::imageErrorText(ImageLoadTexts::FormatBad),
                                 Prompter::Icon::Exclamation);
    }
    return nullptr;
}

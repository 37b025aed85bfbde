#include "app/loading/LoaderPictureSource.h"

#include "app/loading/ImageLoadWindow.h"
#include "model/ImageLocator.h"
#include "model/Prompter.h"
#include "raster/ImageLoadTexts.h"

#include <QFile>
#include <QFileInfo>

bool LoaderPictureSource::locate(Location& where, DocumentDialogs& dialogs) {
    return ImageLocator::locate(where, dialogs);
}

std::unique_ptr<LoadedImage> LoaderPictureSource::load(const QString& path) {
    m_cancelled = false;
    m_failure.clear();
    if (path.isEmpty()) {
        reportImageError(ImageLoadTexts::EmptyName);
        return nullptr;
    }
    // Checked before the loading window opens, so that a picture that is
    // not there is reported as such rather than as a file of a bad format.
    if (!QFileInfo(path).isFile()) {
        reportImageError(ImageLoadTexts::NotFound);
        return nullptr;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_failure = ImageLoadTexts::unreadableText(file.errorString());
        return nullptr;
    }
    file.close();
    ImageLoadWindow::Outcome outcome = ImageLoadWindow::run(path, m_window);
    m_cancelled = outcome.result == ImageLoader::Cancelled;
    if (m_cancelled)
        return nullptr;
    if (outcome.result != ImageLoader::Loaded || !outcome.image) {
        m_failure = ImageLoadTexts::unreadableText({});
        return nullptr;
    }
    return std::move(outcome.image);
}

void LoaderPictureSource::reportImageError(int code) {
    Prompter::current().tell(ImageLoadTexts::imageErrorText(code), Prompter::Icon::Exclamation);
}

// New and Open of a map document.
#include "document/ImageMapDoc.h"

#include "formats/MappedFile.h"
#include "formats/ServerMapReader.h"
#include "model/AreaCollector.h"
#include "model/DocumentDialogs.h"
#include "model/PictureSource.h"
#include "model/Prompter.h"
#include "model/Settings.h"
#include "model/Strings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool CImageMapDoc::newDocument(const NewMapStart& start) {
    resetForLoad();
    m_mapPath = start.mapPath;
    if (!start.imagePath.isEmpty()) {
        m_imagePath = start.imagePath;
    } else if (start.createImage) {
        if (!dialogs().runImageWizard(m_imagePath))
            return false;
        m_fromWizard = true;
    } else {
        DocumentDialogs::NewMap result;
        result.mapPath = m_mapPath;
        if (!dialogs().runNewMapWizard(result))
            return false;
        m_imagePath = result.imagePath;
        m_mapPath = result.mapPath;
        m_info.title = result.title;
        m_insertOffset = result.insertOffset;
        m_imgTagOffset = result.imgTagOffset;
        m_fromWizard = true;
    }
    recomposeNames();
    takeImageNames();
    if (!loadImage())
        return false;
    m_path = m_mapPath;
    setModified(false);
    emit allChanged(HintAll);
    return true;
}

bool CImageMapDoc::openDocument(const QString& path, const QString& pendingImagePath) {
    m_pictureCancelled = false;
    if (openSteps(path, pendingImagePath)) {
        emit allChanged(HintAll);
        return true;
    }
    if (m_pictureCancelled)
        return false;
    Prompter::current().beep();
    Prompter::current().tell(Strings::text(Str::MapLoadFailed), Prompter::Icon::Exclamation);
    return false;
}

bool CImageMapDoc::openSteps(const QString& path, const QString& pendingImagePath) {
    resetForLoad();
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    if (!readMapFile(fullPath))
        return false;

    m_mapPath = fullPath;
    m_imagePath =
        pendingImagePath.isEmpty() ? QFile::decodeName(m_info.imageFile) : pendingImagePath;
    recomposeNames();
    if (!locateImage())
        return false;
    recomposeNames();
    takeImageNames();
    if (!loadImage())
        return false;

    setModified(false);
    settleOpenedTitle();
    continueAsPage();
    clipAreasToImage();
    m_path = m_mapPath;
    recomposeNames();
    return true;
}

bool CImageMapDoc::readMapFile(const QString& path) {
    const QFileInfo info(path);
    if (info.isFile() && info.size() == 0)
        return true; // an empty file is an empty map
    MappedFile file;
    if (!file.open(path)) {
        const QByteArray name = path.toUtf8();
        Prompter::current().tell(
            QString::asprintf(Strings::raw(Str::CannotLocateFile), name.constData()),
            Prompter::Icon::Exclamation);
        return false;
    }
    AreaCollector collector(Settings::app().handleSize(), kMaxAreas);
    if (!ServerMapReader(&dialogs()).read(file, collector, m_info))
        return false;
    m_areas = collector.take();
    return true;
}

// An untitled map takes its file's base name as title. Spaces directly
// before a double quote are dropped from the title, since the title is
// also the MAP name written inside double quotes.
void CImageMapDoc::settleOpenedTitle() {
    if (m_info.title.isEmpty()) {
        m_info.title = QFile::encodeName(QFileInfo(m_mapPath).completeBaseName());
        setModified(true);
    }
    while (m_info.title.contains(" \""))
        m_info.title.replace(" \"", "\"");
}

// Maps are only ever saved as HTML pages: a map file of another kind
// continues as the page of the same name beside it.
void CImageMapDoc::continueAsPage() {
    const QFileInfo info(m_mapPath);
    if (info.suffix().contains(Strings::text(Str::PageExtensionMark), Qt::CaseInsensitive))
        return;
    m_mapPath =
        info.absoluteDir().filePath(info.completeBaseName() + Strings::text(Str::PageExtension));
    setModified(true);
}

bool CImageMapDoc::locateImage() {
    if (!m_pictures)
        return true;
    PictureSource::Location where{m_imagePath, m_mapPath};
    if (!m_pictures->locate(where, dialogs()))
        return false;
    m_imagePath = where.imagePath;
    return true;
}

bool CImageMapDoc::loadImage() {
    if (!m_pictures)
        return true;
    std::unique_ptr<LoadedImage> image = m_pictures->load(m_imagePath);
    if (!image) {
        m_pictureCancelled = m_pictures->lastLoadCancelled();
        return false;
    }
    setImage(std::move(image));
    return true;
}

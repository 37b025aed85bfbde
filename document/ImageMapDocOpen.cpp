// New and Open of a map document.
#include "document/ImageMapDoc.h"

#include "formats/MappedFile.h"
#include "formats/PictureReference.h"
#include "formats/ServerMapReader.h"
#include "model/AreaCollector.h"
#include "model/DocumentDialogs.h"
#include "model/ImageLocator.h"
#include "model/PictureSource.h"
#include "model/Prompter.h"
#include "model/Settings.h"
#include "model/Strings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Changes made while a map is opened or made are no steps: its stack starts
// empty.
class NotRecording {
public:
    explicit NotRecording(bool& recording) : m_recording(recording) { m_recording = false; }
    ~NotRecording() { m_recording = true; }
    NotRecording(const NotRecording&) = delete;
    NotRecording& operator=(const NotRecording&) = delete;

private:
    bool& m_recording;
};

} // namespace

bool CImageMapDoc::newDocument(const NewMapStart& start) {
    const NotRecording quiet(m_recording);
    resetForLoad();
    forgetReadPage();
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
    // The message every failed Open gives, and on its next line what was
    // wrong with the file, when the reader knows.
    QString text = Strings::text(Str::MapLoadFailed);
    if (!m_loadFailure.isEmpty())
        text += QLatin1Char('\n') + m_loadFailure;
    Prompter::current().tell(text, Prompter::Icon::Exclamation);
    return false;
}

bool CImageMapDoc::openSteps(const QString& path, const QString& pendingImagePath) {
    const NotRecording quiet(m_recording);
    resetForLoad();
    forgetReadPage();
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    if (!readMapFile(fullPath))
        return false;

    m_mapPath = m_readFrom = fullPath;
    const QByteArray namedPicture = m_info.imageFile;
    m_imagePath = pendingImagePath.isEmpty() ? QFile::decodeName(namedPicture) : pendingImagePath;
    recomposeNames();
    const QString resolved = m_imagePath;
    if (!locateImage())
        return false;
    recomposeNames();
    takeImageNames();
    if (!loadImage())
        return false;
    if (pendingImagePath.isEmpty()) {
        m_pageImageRef = namedPicture;
        notePagePicture(resolved);
    }

    setModified(false);
    settleOpenedTitle();
    continueAsPage();
    clipAreasToImage();
    m_path = m_mapPath;
    recomposeNames();
    if (!m_lossText.isEmpty()) {
        m_info.readOnly = true;
        Prompter::current().tell(
            Strings::format(Str::LossOpensReadOnly, m_lossText.toUtf8().constData()),
            Prompter::Icon::Exclamation);
    }
    return true;
}

void CImageMapDoc::forgetReadPage() {
    m_readFrom.clear();
    m_pageImageRef.clear();
    m_pagePicturePath.clear();
    m_lossText.clear();
    m_loadFailure.clear();
}

// The picture the map names stays the page's own while it is the file the
// name gave, or, for a picture on the web, whatever file stands in for it
// here. A picture found elsewhere (the user chose another) is a new one.
void CImageMapDoc::notePagePicture(const QString& resolvedPath) {
    if (m_pageImageRef.isEmpty())
        return;
    if (m_imagePath == resolvedPath || PictureReference::isRemoteOrAbsolute(m_pageImageRef))
        m_pagePicturePath = m_imagePath;
    else
        m_pageImageRef.clear();
}

bool CImageMapDoc::readMapFile(const QString& path) {
    const QFileInfo info(path);
    const QByteArray name = path.toUtf8();
    MappedFile file;
    if (!file.open(path)) {
        // A file that is there but cannot be read is not called missing.
        QString text = Strings::format(info.exists() ? Str::PageUnreadable : Str::CannotLocateFile,
                                       name.constData());
        if (info.exists())
            text += QLatin1Char('\n') + file.errorString();
        Prompter::current().tell(text, Prompter::Icon::Exclamation);
        return false;
    }
    AreaCollector collector(kMaxAreas);
    ServerMapReader reader(&dialogs());
    const bool read = reader.read(file, collector, m_info);
    m_loadFailure = reader.report().failureText();
    if (!read)
        return false;
    // Plain text, a binary or an empty file: nothing to open, and no
    // picture to look for.
    if (!reader.wasPage() && reader.mapLines() == 0) {
        m_loadFailure = Strings::text(Str::LoadNoMap);
        return false;
    }
    m_lossText = reader.report().lossList();
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
    if (info.suffix().contains(Strings::untranslated(Str::PageExtensionMark), Qt::CaseInsensitive))
        return;
    m_mapPath = info.absoluteDir().filePath(info.completeBaseName() +
                                            Strings::untranslated(Str::PageExtension));
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
    for (;;) {
        std::unique_ptr<LoadedImage> image = m_pictures->load(m_imagePath);
        if (image) {
            setImage(std::move(image));
            return true;
        }
        m_pictureCancelled = m_pictures->lastLoadCancelled();
        const QString failure = m_pictures->lastLoadFailure();
        if (m_pictureCancelled || failure.isEmpty())
            return false;
        // A picture that is there but gives nothing is as good as missing:
        // the user may choose another, and giving up ends the opening as
        // giving up on a missing one does.
        const QByteArray name = QFile::encodeName(QDir::toNativeSeparators(m_imagePath));
        const QString text = failure + QLatin1Char('\n') +
                             Strings::format(Str::ImageChooseAnother, name.constData());
        if (Prompter::current().ask(text, Prompter::Buttons::OkCancel,
                                    Prompter::Icon::Exclamation) != Prompter::Answer::Ok)
            return false;
        const QString chosen = ImageLocator::chooseImageFile(dialogs(), m_imagePath);
        if (chosen.isEmpty())
            return false;
        m_imagePath = chosen;
        recomposeNames();
        takeImageNames();
    }
}

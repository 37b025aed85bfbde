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

OperationResult CImageMapDoc::openDocument(const QString& path, const QString& pendingImagePath) {
    const OperationResult result = openSteps(path, pendingImagePath);
    if (result.ok()) {
        emit allChanged(HintAll);
        return result;
    }
    if (result.code() == OperationResult::Code::Cancelled)
        return result;
    // A file that is not there or cannot be read says so first; then comes,
    // with a beep, the message every failed Open gives, with what was wrong
    // with the map on its next line when the reader knows.
    const bool ofTheFile = result.code() == OperationResult::Code::MapFileMissing ||
                           result.code() == OperationResult::Code::MapFileUnreadable;
    if (ofTheFile)
        result.tell();
    Prompter::current().beep();
    if (ofTheFile)
        Prompter::current().tell(Strings::text(Str::MapLoadFailed), Prompter::Icon::Exclamation);
    else
        result.tell();
    return result;
}

OperationResult CImageMapDoc::openSteps(const QString& path, const QString& pendingImagePath) {
    const NotRecording quiet(m_recording);
    resetForLoad();
    forgetReadPage();
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    if (OperationResult read = readMapFile(fullPath); !read)
        return read;

    m_mapPath = m_readFrom = fullPath;
    const QByteArray namedPicture = m_info.imageFile;
    m_imagePath = pendingImagePath.isEmpty() ? QFile::decodeName(namedPicture) : pendingImagePath;
    recomposeNames();
    const QString resolved = m_imagePath;
    if (!locateImage())
        return pictureNotLoaded();
    recomposeNames();
    takeImageNames();
    if (OperationResult loaded = loadImage(); !loaded)
        return loaded;
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
    return OperationResult::done();
}

void CImageMapDoc::forgetReadPage() {
    m_readFrom.clear();
    m_pageImageRef.clear();
    m_pagePicturePath.clear();
    m_lossText.clear();
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

OperationResult CImageMapDoc::readMapFile(const QString& path) {
    const QFileInfo info(path);
    const QByteArray name = path.toUtf8();
    MappedFile file;
    if (!file.open(path)) {
        // A file that is there but cannot be read is not called missing.
        if (!info.exists())
            return OperationResult::failure(
                OperationResult::Code::MapFileMissing,
                Strings::format(Str::CannotLocateFile, name.constData()));
        return OperationResult::failure(OperationResult::Code::MapFileUnreadable,
                                        Strings::format(Str::PageUnreadable, name.constData()),
                                        file.errorString());
    }
    AreaCollector collector(kMaxAreas);
    ServerMapReader reader(&dialogs());
    if (!reader.read(file, collector, m_info))
        return mapUnreadable(reader.report().failureText());
    // Plain text, a binary or an empty file: nothing to open, and no
    // picture to look for.
    if (!reader.wasPage() && reader.mapLines() == 0)
        return mapUnreadable(Strings::text(Str::LoadNoMap));
    m_lossText = reader.report().lossList();
    m_areas = collector.take();
    return OperationResult::done();
}

OperationResult CImageMapDoc::mapUnreadable(const QString& reason) {
    return OperationResult::failure(OperationResult::Code::MapUnreadable,
                                    Strings::text(Str::MapLoadFailed), reason);
}

OperationResult CImageMapDoc::pictureNotLoaded() {
    return OperationResult::failure(OperationResult::Code::PictureNotLoaded,
                                    Strings::text(Str::MapLoadFailed));
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

OperationResult CImageMapDoc::loadImage() {
    if (!m_pictures)
        return OperationResult::done();
    for (;;) {
        std::unique_ptr<LoadedImage> image = m_pictures->load(m_imagePath);
        if (image) {
            setImage(std::move(image));
            return OperationResult::done();
        }
        if (m_pictures->lastLoadCancelled())
            return OperationResult::cancelled();
        const QString failure = m_pictures->lastLoadFailure();
        if (failure.isEmpty())
            return pictureNotLoaded();
        // A picture that is there but gives nothing is as good as missing:
        // the user may choose another, and giving up ends the opening as
        // giving up on a missing one does.
        const QByteArray name = QFile::encodeName(QDir::toNativeSeparators(m_imagePath));
        const QString text = failure + QLatin1Char('\n') +
                             Strings::format(Str::ImageChooseAnother, name.constData());
        if (Prompter::current().ask(text, Prompter::Buttons::OkCancel,
                                    Prompter::Icon::Exclamation) != Prompter::Answer::Ok)
            return pictureNotLoaded();
        const QString chosen = ImageLocator::chooseImageFile(dialogs(), m_imagePath);
        if (chosen.isEmpty())
            return pictureNotLoaded();
        m_imagePath = chosen;
        recomposeNames();
        takeImageNames();
    }
}

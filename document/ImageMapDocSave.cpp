// Saving a map document: Save, Save As, DoSave and OnSaveDocument.
#include "document/ImageMapDoc.h"

#include "formats/HtmlMapReader.h"
#include "formats/HtmlPageScan.h"
#include "formats/MapFileSaver.h"
#include "formats/MappedFile.h"
#include "formats/PictureReference.h"
#include "formats/SvgOverlayWriter.h"
#include "model/DefaultUrl.h"
#include "model/DocumentDialogs.h"
#include "model/MapText.h"
#include "model/Prompter.h"
#include "model/Settings.h"
#include "model/Strings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <ctime>

namespace {

// Local time in the C library's asctime form, without its newline:
// "Wed Jun 30 21:49:08 1993".
QByteArray asctimeNow() {
    static const char* const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    return QString::asprintf("%.3s %.3s%3d %.2d:%.2d:%.2d %d", days[t.tm_wday], months[t.tm_mon],
                             t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec, 1900 + t.tm_year)
        .toLatin1();
}

// The name a new page is offered under: the title up to its first
// character that cannot stand in a file name here, with ".htm".
QString proposedPageName(const QByteArray& title) {
    QString name = MapText::toDisplay(title);
    const qsizetype cut = name.indexOf(QRegularExpression(QStringLiteral("[ #%;/\\\\]")));
    if (cut >= 0)
        name.truncate(cut);
    return name + Strings::untranslated(Str::PageExtension);
}

bool isPageName(const QString& path) {
    return path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive) ||
           path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive);
}

// The four pieces the saved confirmation names: drive, folder (with its
// trailing "/"), base name and extension. The drive is the filesystem root.
struct PathParts {
    QByteArray drive, folder, base, extension;
};

PathParts partsOf(const QString& path) {
    const QFileInfo info(path);
    QString folder = info.absolutePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    const QString suffix = info.suffix();
    return {QByteArrayLiteral("/"), QFile::encodeName(folder.mid(1)),
            QFile::encodeName(info.completeBaseName()),
            suffix.isEmpty() ? QByteArray() : QFile::encodeName(QLatin1Char('.') + suffix)};
}

} // namespace

OperationResult CImageMapDoc::save() {
    if (!m_saveIntoQuestion.isEmpty() && !m_path.isEmpty()) {
        const Prompter::Answer answer = Prompter::current().ask(
            m_saveIntoQuestion, Prompter::Buttons::YesNoCancel, Prompter::Icon::Question);
        if (answer == Prompter::Answer::No)
            return saveAs();
        if (answer != Prompter::Answer::Yes)
            return OperationResult::cancelled();
    }
    const QFileInfo target(m_path);
    const bool writable =
        !m_path.isEmpty() && target.isFile() && target.permission(QFileDevice::WriteOwner);
    return doSave(writable ? m_path : QString(), true);
}

OperationResult CImageMapDoc::saveAs() {
    const int insertOffset = m_insertOffset;
    const qsizetype imgTagOffset = m_imgTagOffset;
    const bool fromWizard = m_fromWizard;
    m_insertOffset = -1;
    m_imgTagOffset = -1;
    m_fromWizard = false;
    const OperationResult result = doSave({}, true);
    if (result)
        return result;
    m_insertOffset = insertOffset;
    m_imgTagOffset = imgTagOffset;
    m_fromWizard = fromWizard;
    return result;
}

OperationResult CImageMapDoc::doSave(const QString& givenPath, bool replace) {
    // Each refusal is told as it is found.
    const auto told = [](const OperationResult& result) {
        result.tell();
        return result;
    };
    if (!settleMapInfoForSave())
        return OperationResult::cancelled();
    if (OperationResult urls = settleAreaUrlsForSave(); !urls)
        return told(urls);
    QString path = givenPath;
    if (path.isEmpty())
        path = m_fromWizard && !m_path.isEmpty() ? m_path : promptSavePath();
    if (path.isEmpty())
        return OperationResult::cancelled();
    if (!isPageName(path))
        return told(OperationResult::failure(OperationResult::Code::NotAPageName,
                                             Strings::text(Str::SaveNonHtmlRefused)));
    if (OperationResult lossy = lossySaveRefusal(path); !lossy)
        return told(lossy);
    m_fromWizard = false;
    // A failed save wrote nothing (the page is replaced in one rename), so
    // there is no partly written file to remove. It has told its failure.
    if (OperationResult written = onSaveDocument(path); !written)
        return written;
    if (replace) {
        m_path = path;
        if (!Settings::app().skipSavedDialog)
            confirmSaved();
    }
    recomposeNames();
    emit allChanged(HintAll);
    return OperationResult::done();
}

// The completeness loop: a title is required, and a default URL while
// "Require Default" is on (the lead text does not count as one).
bool CImageMapDoc::settleMapInfoForSave() {
    const auto needsDefault = [this] {
        return Settings::app().requireDefault && !DefaultUrl::isSet(m_info.defaultUrl);
    };
    while (m_info.title.isEmpty() || needsDefault()) {
        editMapInfo();
        if (m_info.title.isEmpty())
            return false;
        if (!needsDefault())
            break;
        const Prompter::Answer answer =
            Prompter::current().ask(Strings::text(Str::SaveWithoutDefaultUrl),
                                    Prompter::Buttons::YesNoCancel, Prompter::Icon::Question);
        if (answer == Prompter::Answer::Yes)
            break;
        if (answer != Prompter::Answer::No)
            return false;
    }
    return true;
}

// One area without a URL gets its dialog, and the save goes on whatever
// the user does there; several stop the save. Only areas made or changed
// here count: one the page gave without a URL (or with NOHREF, a region
// leading nowhere) is written back as it was.
OperationResult CImageMapDoc::settleAreaUrlsForSave() {
    int missing = 0, first = -1;
    for (int i = 0; i < areaCount(); ++i) {
        if (!m_areas[i]->asRead() && !DefaultUrl::isSet(m_areas[i]->url()) && missing++ == 0)
            first = i;
    }
    if (missing == 1) {
        editAreaInfo(first);
    } else if (missing > 1) {
        return OperationResult::failure(OperationResult::Code::AreasMissingUrls,
                                        Strings::text(Str::AreasMissingUrls));
    }
    return OperationResult::done();
}

QString CImageMapDoc::promptSavePath() {
    DocumentDialogs::SaveAs request;
    request.folder = m_mapFolder;
    request.proposedName = m_mapPath.isEmpty() ? proposedPageName(m_info.title) : m_mapName;
    request.mapName = m_info.title;
    request.imagePath = m_imagePath;
    request.insertOffset = m_insertOffset;
    if (!dialogs().chooseSavePath(request) || request.path.isEmpty())
        return {};
    m_insertOffset = request.insertOffset;
    m_imgTagOffset = request.imgTagOffset;
    if (!request.mapName.isEmpty() && request.mapName != m_info.title) {
        MapInfo info = m_info;
        info.title = request.mapName;
        setMapInfo(info);
    }
    return QFileInfo(request.path).absoluteFilePath();
}

void CImageMapDoc::confirmSaved() {
    const PathParts map = partsOf(m_mapPath);
    const PathParts image = partsOf(m_imagePath);
    const bool together = map.drive == image.drive && map.folder == image.folder;
    const QString text = Strings::format(together ? Str::SavedBesideImage : Str::SavedWithImageCopy,
                                         map.base.constData(), map.extension.constData(),
                                         map.drive.constData(), map.folder.constData(),
                                         image.base.constData(), image.extension.constData());
    if (dialogs().confirmSaved(text))
        Settings::app().skipSavedDialog = true;
}

// A map Open could not read whole is not written back into the page it came
// from: the page's areas that were not read would be gone.
OperationResult CImageMapDoc::lossySaveRefusal(const QString& path) const {
    if (m_lossText.isEmpty() || m_allowLoss)
        return OperationResult::done();
    const QFileInfo target(path), source(m_readFrom);
    if (!target.exists() || target.canonicalFilePath() != source.canonicalFilePath())
        return OperationResult::done();
    const QByteArray name = QDir::toNativeSeparators(m_readFrom).toUtf8();
    return OperationResult::failure(OperationResult::Code::LossySave,
                                    Strings::format(Str::LossSaveRefused, name.constData()));
}

OperationResult CImageMapDoc::onSaveDocument(const QString& path) {
    const QString mapPath = m_mapPath, imagePath = m_imagePath;
    const MapInfo info = m_info;
    bool copyPicture = false;
    if (const OperationResult written = writePage(path, copyPicture); !written) {
        m_mapPath = mapPath;
        m_imagePath = imagePath;
        m_info = info;
        recomposeNames();
        written.tell();
        return written;
    }
    m_insertOffset = -1;
    m_imgTagOffset = -1;
    m_saveIntoQuestion.clear();
    setModified(false);
    // The page now names the picture as written; a map that was not read
    // whole keeps the page it came from, which it must not be saved into.
    m_pageImageRef = m_info.imageFile;
    m_pagePicturePath = m_imagePath;
    if (m_lossText.isEmpty())
        m_readFrom = QFileInfo(path).absoluteFilePath();
    // The IMG that now shows the map (another page's, or one the save put
    // in) sizes it as that page says.
    MappedFile page;
    if (page.open(path))
        HtmlMapReader::takeShownSize(HtmlPageScan::scan(page.bytes()), m_info.title, m_info);
    // A picture outside the page's folder tree is named without a folder,
    // so a copy goes beside the page; an existing file of that name is
    // never replaced.
    if (copyPicture && !m_imagePath.isEmpty() && !m_mapFolder.isEmpty())
        QFile::copy(m_imagePath, QDir(m_mapFolder).filePath(m_imageName));
    return OperationResult::done();
}

// How the page at pagePath names the picture: as the map named it while the
// picture is still that one and the reference still reaches it from there
// (a URL, an absolute path, or a relative one from the same folder);
// otherwise relative to the page, copied beside it when it lies outside the
// page's folder tree.
QByteArray CImageMapDoc::pictureReference(const QString& pagePath, bool& copyBeside) const {
    copyBeside = false;
    const QString pageFolder = QFileInfo(pagePath).absolutePath();
    if (!m_pageImageRef.isEmpty() && m_imagePath == m_pagePicturePath &&
        (PictureReference::isRemoteOrAbsolute(m_pageImageRef) ||
         QFileInfo(m_readFrom).absolutePath() == pageFolder))
        return m_pageImageRef;
    if (m_imagePath.isEmpty())
        return m_info.imageFile;
    return PictureReference::relativeTo(pageFolder, m_imagePath, copyBeside);
}

OperationResult CImageMapDoc::writePage(const QString& path, bool& copyPicture) {
    MapFileSaver saver(m_pageFile);
    if (OperationResult opened = saver.open(path); !opened)
        return opened;
    m_info.imageFile = pictureReference(path, copyPicture);
    m_mapPath = path;
    recomposeNames();
    m_info.imageFolder = QFile::encodeName(m_imageFolder);
    m_info.date = asctimeNow();
    // The page's script scales from the size the areas were drawn on: the
    // loaded picture's, else the size the page recorded.
    if (imageWidth() > 0 && imageHeight() > 0) {
        m_info.drawnWidth = imageWidth();
        m_info.drawnHeight = imageHeight();
    }
    saver.setChosenImgTag(m_imgTagOffset);
    if (OperationResult begun = saver.begin(m_info, m_insertOffset); !begun)
        return begun;
    for (const auto& area : m_areas)
        saver.writeArea(*area);
    saver.writeDefault(m_info);
    return saver.commit();
}

bool CImageMapDoc::exportSvgOverlay(const QString& path, bool embedPicture) const {
    if (m_imagePath.isEmpty() || imageWidth() <= 0 || imageHeight() <= 0) {
        Prompter::current().tell(Strings::text(Str::SvgOverlayNeedsPicture),
                                 Prompter::Icon::Exclamation);
        return false;
    }
    if (SvgOverlayWriter::save(path, m_info, m_areas, m_imagePath, imageWidth(), imageHeight(),
                               embedPicture))
        return true;
    const QByteArray name = path.toUtf8();
    Prompter::current().tell(
        QString::asprintf(Strings::raw(Str::SvgOverlayWriteFailed), name.constData()),
        Prompter::Icon::Exclamation);
    return false;
}

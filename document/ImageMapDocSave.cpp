// Saving a map document: Save, Save As, DoSave and OnSaveDocument.
#include "document/ImageMapDoc.h"

#include "formats/MapFileSaver.h"
#include "formats/PageBody.h"
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
    return name + Strings::text(Str::PageExtension);
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

bool CImageMapDoc::save() {
    const QFileInfo target(m_path);
    const bool writable =
        !m_path.isEmpty() && target.isFile() && target.permission(QFileDevice::WriteOwner);
    return doSave(writable ? m_path : QString(), true);
}

bool CImageMapDoc::saveAs() {
    const int insertOffset = m_insertOffset;
    const qsizetype imgTagOffset = m_imgTagOffset;
    const bool fromWizard = m_fromWizard;
    m_insertOffset = -1;
    m_imgTagOffset = -1;
    m_fromWizard = false;
    if (doSave({}, true))
        return true;
    m_insertOffset = insertOffset;
    m_imgTagOffset = imgTagOffset;
    m_fromWizard = fromWizard;
    return false;
}

bool CImageMapDoc::doSave(const QString& givenPath, bool replace) {
    if (!settleMapInfoForSave() || !settleAreaUrlsForSave())
        return false;
    QString path = givenPath;
    if (path.isEmpty())
        path = m_fromWizard && !m_path.isEmpty() ? m_path : promptSavePath();
    if (path.isEmpty())
        return false;
    if (!isPageName(path)) {
        Prompter::current().tell(Strings::text(Str::SaveNonHtmlRefused), Prompter::Icon::Stop);
        return false;
    }
    // The wizard chose the page without the Save As prompt's checks, and the
    // page may have changed since.
    if (m_fromWizard && refusesMalformedPage(path))
        return false;
    m_fromWizard = false;
    // A failed save wrote nothing (the page is replaced in one rename), so
    // there is no partly written file to remove.
    if (!onSaveDocument(path))
        return false;
    if (replace) {
        m_path = path;
        if (!Settings::app().skipSavedDialog)
            confirmSaved();
    }
    recomposeNames();
    emit allChanged(HintAll);
    return true;
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
// the user does there; several stop the save.
bool CImageMapDoc::settleAreaUrlsForSave() {
    int missing = 0, first = -1;
    for (int i = 0; i < areaCount(); ++i) {
        if (m_areas[i]->url().isEmpty() && missing++ == 0)
            first = i;
    }
    if (missing == 1) {
        editAreaInfo(first);
    } else if (missing > 1) {
        Prompter::current().tell(Strings::text(Str::AreasMissingUrls), Prompter::Icon::Exclamation);
        return false;
    }
    return true;
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
        m_info.title = request.mapName;
        setModified(true);
    }
    return QFileInfo(request.path).absoluteFilePath();
}

// An existing page without a closing BODY tag would be replaced whole by
// the writer's new page, so it is never written into.
bool CImageMapDoc::refusesMalformedPage(const QString& path) const {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false; // a new page, or one saving reports on
    const QByteArray text = file.readAll();
    if (text.isEmpty() || PageBody::of(text).hasEnd())
        return false;
    Prompter::current().tell(Strings::text(Str::MalformedPage), Prompter::Icon::Stop);
    return true;
}

void CImageMapDoc::confirmSaved() {
    const PathParts map = partsOf(m_mapPath);
    const PathParts image = partsOf(m_imagePath);
    const bool together = map.drive == image.drive && map.folder == image.folder;
    const QString text = QString::asprintf(
        Strings::raw(together ? Str::SavedBesideImage : Str::SavedWithImageCopy),
        map.base.constData(), map.extension.constData(), map.drive.constData(),
        map.folder.constData(), image.base.constData(), image.extension.constData());
    if (dialogs().confirmSaved(text))
        Settings::app().skipSavedDialog = true;
}

bool CImageMapDoc::onSaveDocument(const QString& path) {
    const QString mapPath = m_mapPath, imagePath = m_imagePath;
    const MapInfo info = m_info;
    if (!writePage(path)) {
        m_mapPath = mapPath;
        m_imagePath = imagePath;
        m_info = info;
        recomposeNames();
        return false;
    }
    m_insertOffset = -1;
    m_imgTagOffset = -1;
    setModified(false);
    // The page names its picture without a folder, so a copy goes beside
    // it; an existing file of that name is never replaced.
    if (!m_imagePath.isEmpty() && !m_mapFolder.isEmpty())
        QFile::copy(m_imagePath, QDir(m_mapFolder).filePath(m_imageName));
    return true;
}

bool CImageMapDoc::writePage(const QString& path) {
    MapFileSaver saver(m_pageFile);
    if (!saver.open(path))
        return false;
    m_mapPath = path;
    recomposeNames();
    m_info.imageFolder = QFile::encodeName(m_imageFolder);
    m_info.date = asctimeNow();
    saver.setChosenImgTag(m_imgTagOffset);
    saver.begin(m_info, m_insertOffset);
    for (const auto& area : m_areas)
        saver.writeArea(*area);
    saver.writeDefault(m_info);
    return saver.commit();
}

#include "app/shell/DocumentManager.h"

#include "app/frames/DocumentServices.h"
#include "app/frames/MainFrame.h"
#include "app/frames/MyMDIChildWnd.h"
#include "app/shell/RecentFiles.h"
#include "app/shell/RecoveryKeeper.h"
#include "document/ImageMapDoc.h"
#include "document/RecoveryCopy.h"
#include "model/MapText.h"
#include "model/Prompter.h"
#include "model/Strings.h"

#include <QDir>

#include <QFileInfo>
#include <QMdiArea>

#include <memory>

namespace {

// The file a window's map was opened from.
const char* const kOpenedFrom = "tessaryOpenedFrom";

QString canonical(const QString& path) {
    const QFileInfo info(path);
    const QString real = info.canonicalFilePath();
    return real.isEmpty() ? info.absoluteFilePath() : real;
}

} // namespace

DocumentManager::DocumentManager(MainFrame& frame, DocumentServices& services,
                                 const ActionTable& actions, RecentFiles& recent, QObject* parent)
    : QObject(parent), m_frame(frame), m_services(services), m_actions(actions), m_recent(recent) {}

MyMDIChildWnd* DocumentManager::findOpen(const QString& path) const {
    const QString wanted = canonical(path);
    for (MyMDIChildWnd* child : m_frame.children()) {
        if (child->property(kOpenedFrom).toString() == wanted ||
            canonical(child->document().path()) == wanted)
            return child;
    }
    return nullptr;
}

bool DocumentManager::openMapFile(const QString& path, const QString& imagePath, bool readOnly) {
    if (MyMDIChildWnd* open = findOpen(path)) {
        m_frame.mdiArea()->setActiveSubWindow(open);
        return true;
    }
    auto doc =
        std::make_unique<CImageMapDoc>(m_services.documentDialogs(), m_services.pictureSource());
    if (!doc->openDocument(path, imagePath))
        return false;
    if (readOnly)
        doc->setReadOnly(true);
    m_recent.add(path);
    place(std::move(doc), canonical(path));
    return true;
}

bool DocumentManager::newMap(const QString& mapPath, const QString& imagePath, bool createImage) {
    auto doc =
        std::make_unique<CImageMapDoc>(m_services.documentDialogs(), m_services.pictureSource());
    CImageMapDoc::NewMapStart start;
    start.mapPath = mapPath;
    start.imagePath = imagePath;
    start.createImage = createImage;
    if (!doc->newDocument(start))
        return false;
    place(std::move(doc), QString());
    return true;
}

void DocumentManager::openFiles(const QStringList& paths) {
    for (const QString& path : paths)
        openMapFile(path, QString(), false);
}

bool DocumentManager::recoverMap(const RecoveryCopy& copy, const QString& name) {
    auto doc =
        std::make_unique<CImageMapDoc>(m_services.documentDialogs(), m_services.pictureSource());
    const DocumentState& state = copy.state;
    if (!doc->restoreState(state)) {
        const QByteArray title = MapText::toDisplay(state.info.title).toUtf8();
        Prompter::current().tell(Strings::format(Str::RecoveredPictureMissing, title.constData()),
                                 Prompter::Icon::Exclamation);
        return false;
    }
    // The page as it is now against the page as it was when the copy was
    // made: another program (or another copy of the map) may have saved it.
    if (!state.path.isEmpty()) {
        const QFileInfo page(state.path);
        const bool existed = copy.pageSize >= 0;
        const bool changed =
            page.isFile() != existed ||
            (existed && (page.size() != copy.pageSize ||
                         page.lastModified().toUTC() != copy.pageModified.toUTC()));
        if (changed && page.isFile()) {
            const QByteArray shown = QDir::toNativeSeparators(state.path).toUtf8();
            Prompter::current().tell(Strings::format(Str::RecoveredPageChanged, shown.constData()),
                                     Prompter::Icon::Exclamation);
            doc->setSaveIntoQuestion(
                Strings::format(Str::RecoveredSaveIntoChanged, shown.constData()));
        }
    }
    place(std::move(doc), QString(), name);
    return true;
}

void DocumentManager::place(std::unique_ptr<CImageMapDoc> doc, const QString& openedFrom,
                            const QString& recoveryName) {
    CImageMapDoc* document = doc.get();
    // A map closed without saving ("No") takes its copy along; a window
    // closed with its map saved has none left.
    auto* keeper = new RecoveryKeeper(*document, recoveryName);
    const auto changed = [this] { emit documentChanged(); };
    connect(document, &CImageMapDoc::areaAdded, this, changed);
    connect(document, &CImageMapDoc::areaRemoved, this, changed);
    connect(document, &CImageMapDoc::areaChanged, this, changed);
    connect(document, &CImageMapDoc::areaMoved, this, changed);
    connect(document, &CImageMapDoc::allChanged, this, changed);
    connect(document, &CImageMapDoc::modifiedChanged, this, changed);
    // A page the map was saved into (Save As, the first save of a map from
    // a wizard) joins the recent files as an opened one does.
    // The document takes its new path only after the save marked it
    // unchanged, so the page is looked at again when it tells its views.
    auto joinRecent = [this, document, last = std::make_shared<QString>(openedFrom)] {
        const QString path = document->path();
        if (document->isModified() || path.isEmpty() || !QFileInfo::exists(path) ||
            canonical(path) == *last)
            return;
        *last = canonical(path);
        m_recent.add(QFileInfo(path).absoluteFilePath());
    };
    connect(document, &CImageMapDoc::modifiedChanged, this, joinRecent);
    connect(document, &CImageMapDoc::allChanged, this, joinRecent);
    auto* child = new MyMDIChildWnd(std::move(doc), m_services, m_actions, m_frame.mainStatusBar());
    child->setProperty(kOpenedFrom, openedFrom);
    connect(child, &MyMDIChildWnd::closed, keeper, &RecoveryKeeper::discard);
    m_frame.addChild(child);
    // A recovered map is modified from the start: its copy is renewed at
    // once, in this process's name.
    if (!recoveryName.isEmpty())
        keeper->writeNow();
    emit documentChanged();
}

#include "app/shell/RecoveryKeeper.h"

#include "document/ImageMapDoc.h"
#include "document/ProcessIdentity.h"
#include "document/RecoveryStore.h"
#include "model/Settings.h"

#include <QDateTime>
#include <QFileInfo>
#include <QThreadPool>

#include <algorithm>
#include <mutex>

// What the worker shares with the keeper: writes and removals of one copy
// take turns, and a write that was overtaken (by a later write, or by a
// removal) does nothing, so the file never goes back to an older state.
struct RecoveryKeeper::Slot {
    std::mutex mutex;
    quint64 queued = 0;  // the serial of the last write handed to the worker
    quint64 written = 0; // of the last write done or overtaken
};

namespace {

QThreadPool& writers() {
    static QThreadPool* pool = [] {
        auto* p = new QThreadPool;
        p->setMaxThreadCount(1);
        return p;
    }();
    return *pool;
}

} // namespace

RecoveryKeeper::RecoveryKeeper(CImageMapDoc& doc, const QString& name)
    : QObject(&doc), m_doc(doc), m_name(name.isEmpty() ? RecoveryStore::newName() : name),
      m_slot(std::make_shared<Slot>()) {
    m_pause.setSingleShot(true);
    m_deadline.setSingleShot(true);
    connect(&m_pause, &QTimer::timeout, this, &RecoveryKeeper::writeNow);
    connect(&m_deadline, &QTimer::timeout, this, &RecoveryKeeper::writeNow);
    // Every change of the map is a step (undoStateChanged); opening, a
    // save and a state taken back change the modified mark or everything.
    connect(&doc, &CImageMapDoc::undoStateChanged, this, &RecoveryKeeper::noteChange);
    connect(&doc, &CImageMapDoc::modifiedChanged, this, &RecoveryKeeper::noteChange);
    connect(&doc, &CImageMapDoc::allChanged, this, &RecoveryKeeper::noteChange);
    connect(&doc, &CImageMapDoc::areaChanged, this, &RecoveryKeeper::noteChange);
}

RecoveryKeeper::~RecoveryKeeper() = default;

void RecoveryKeeper::noteChange() {
    const Settings& settings = Settings::app();
    if (!m_doc.isModified() || !settings.saveRecoveryCopies) {
        discard();
        return;
    }
    m_pause.start(kPauseMs);
    if (!m_deadline.isActive()) {
        const int seconds = std::clamp(settings.recoveryInterval, Settings::kMinRecoveryInterval,
                                       Settings::kMaxRecoveryInterval);
        m_deadline.start(seconds * 1000);
    }
}

void RecoveryKeeper::writeNow() {
    m_pause.stop();
    m_deadline.stop();
    if (!m_doc.isModified() || !Settings::app().saveRecoveryCopies)
        return;
    RecoveryCopy copy;
    copy.state = m_doc.state();
    copy.time = QDateTime::currentDateTimeUtc();
    copy.ownerPid = ProcessIdentity::currentPid();
    copy.ownerStart = ProcessIdentity::startTime(copy.ownerPid);
    if (!copy.state.path.isEmpty()) {
        const QFileInfo page(copy.state.path);
        if (page.isFile()) {
            copy.pageSize = page.size();
            copy.pageModified = page.lastModified().toUTC();
        }
    }
    QByteArray bytes = copy.encode();
    quint64 serial = 0;
    {
        const std::lock_guard lock(m_slot->mutex);
        serial = ++m_slot->queued;
    }
    writers().start([slot = m_slot, serial, bytes = std::move(bytes), name = m_name,
                     folder = RecoveryStore::defaultFolder()] {
        const std::lock_guard lock(slot->mutex);
        if (serial <= slot->written)
            return;
        slot->written = serial;
        RecoveryStore(folder).write(name, bytes);
    });
    emit copyQueued();
}

void RecoveryKeeper::discard() {
    m_pause.stop();
    m_deadline.stop();
    const std::lock_guard lock(m_slot->mutex);
    // Writes still waiting are overtaken by the removal.
    m_slot->written = m_slot->queued;
    RecoveryStore().remove(m_name);
}

void RecoveryKeeper::waitForWrites() {
    writers().waitForDone();
}

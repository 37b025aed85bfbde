#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class CImageMapDoc;

// Keeps the recovery copy of one open map (RecoveryStore): while the map has
// changes not yet saved, a copy is written once the changes pause for two
// seconds, and at least every "Recovery Interval" seconds while they go on.
// The copy's bytes are made on the window thread (a few milliseconds for a
// full map); the file is written, flushed and renamed by a worker thread,
// which touches nothing but the bytes and the file. A save removes the copy,
// and so does closing the map without saving (discard); a copy outlives a
// crash, a kill and a window closed any other way.
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int kPauseMs = 2000;

    // Watches doc, whose child it becomes. name: the copy's file name in the
    // store, a new one when empty (a recovered map keeps its copy's name).
    explicit RecoveryKeeper(CImageMapDoc& doc, const QString& name = {});
    ~RecoveryKeeper() override;

    const QString& name() const { return m_name; }
    // Writes the copy now (when the map has changes not saved), as the
    // timers would.
    void writeNow();
    // Removes the copy: the map was saved, or closed without saving.
    void discard();
    // Waits for the writes begun so far (tests, exit).
    static void waitForWrites();

signals:
    // A copy's bytes were handed to the worker.
    void copyQueued();

private:
    struct Slot;
    void noteChange();

    CImageMapDoc& m_doc;
    QString m_name;
    QTimer m_pause;
    QTimer m_deadline;
    std::shared_ptr<Slot> m_slot;
};

#pragma once

#include "model/TraceRequest.h"
#include "model/Tracer.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <memory>

class LoadedImage;

// Runs the traces of one outline proposal on a worker thread, one at a
// time, so that the window never waits for a large picture. A newer start
// sets the cancel flag of the trace still running, which then ends within
// milliseconds; its result is never delivered, and the newest request runs
// next on the same worker with the same mask (a large picture allocates
// its mask once). Only the result of the newest start arrives, through
// finished(), on the thread the runner lives on.
//
// The worker holds the picture (shared with the document) and its mask by
// itself: a runner destroyed while a trace runs cancels it and returns at
// once; the worker ends on its own and frees them.
class TraceRunner : public QObject {
    Q_OBJECT

public:
    // A trace running longer than this is slow: the view shows the wait
    // cursor.
    static constexpr int kSlowMs = 100;

    explicit TraceRunner(QObject* parent = nullptr);
    ~TraceRunner() override;

    // Traces request over picture (null traces as NoPicture).
    void start(std::shared_ptr<const LoadedImage> picture, const TraceRequest& request);
    // Drops the trace in progress: nothing more arrives.
    void cancel();
    bool isBusy() const { return m_busy; }

signals:
    // The newest start's result, with the request it answers.
    void finished(const TraceResult& result, const TraceRequest& request);
    // The trace in progress has run kSlowMs (true), or a slow one ended or
    // was dropped (false).
    void slowChanged(bool slow);

private:
    struct Shared;
    struct Job;
    static void work(std::shared_ptr<Shared> shared, std::shared_ptr<Job> job);
    void deliver(quint64 serial, const TraceResult& result, const TraceRequest& request);
    void settle();

    std::shared_ptr<Shared> m_shared;
    std::shared_ptr<std::atomic_bool> m_cancel; // of the newest start
    quint64 m_serial = 0;
    bool m_busy = false;
    bool m_slow = false;
    QTimer m_slowTimer;
};

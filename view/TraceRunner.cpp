#include "view/TraceRunner.h"

#include "model/LoadedImage.h"
#include "model/TraceMask.h"
#include "model/TracePicture.h"

#include <QThreadPool>

#include <mutex>
#include <utility>

// What the runner and its worker share. The worker delivers a result only
// under the lock and only while receiver is set; the runner clears it
// under the lock before it goes, so a delivery never reaches a runner that
// is gone (a queued call to a destroyed object is dropped).
struct TraceRunner::Shared {
    std::mutex mutex;
    TraceRunner* receiver = nullptr;
    bool running = false;         // a worker task holds the mask
    std::shared_ptr<Job> pending; // the request to run when it is done
    TraceMask mask;               // used by one trace at a time
};

struct TraceRunner::Job {
    std::shared_ptr<const LoadedImage> image; // keeps the pixels alive
    TracePicture picture;
    TraceRequest request;
    std::shared_ptr<std::atomic_bool> cancel;
    quint64 serial = 0;
};

TraceRunner::TraceRunner(QObject* parent) : QObject(parent), m_shared(std::make_shared<Shared>()) {
    m_shared->receiver = this;
    m_slowTimer.setSingleShot(true);
    m_slowTimer.setInterval(kSlowMs);
    connect(&m_slowTimer, &QTimer::timeout, this, [this] {
        if (m_busy && !m_slow) {
            m_slow = true;
            emit slowChanged(true);
        }
    });
}

TraceRunner::~TraceRunner() {
    if (m_cancel)
        m_cancel->store(true);
    const std::lock_guard lock(m_shared->mutex);
    m_shared->receiver = nullptr;
    m_shared->pending.reset();
}

void TraceRunner::start(std::shared_ptr<const LoadedImage> picture, const TraceRequest& request) {
    if (m_cancel)
        m_cancel->store(true);
    auto job = std::make_shared<Job>();
    job->image = std::move(picture);
    if (job->image)
        job->picture = TracePicture::fromLoadedImage(*job->image);
    job->request = request;
    job->cancel = std::make_shared<std::atomic_bool>(false);
    job->serial = ++m_serial;
    m_cancel = job->cancel;
    m_busy = true;
    if (!m_slowTimer.isActive() && !m_slow)
        m_slowTimer.start();
    {
        const std::lock_guard lock(m_shared->mutex);
        if (m_shared->running) {
            m_shared->pending = job; // the running trace is cancelled and hands over
            return;
        }
        m_shared->running = true;
    }
    QThreadPool::globalInstance()->start([shared = m_shared, job] { work(shared, job); });
}

// On the worker: runs job, then whatever request came in meanwhile.
void TraceRunner::work(std::shared_ptr<Shared> shared, std::shared_ptr<Job> job) {
    while (job) {
        const TraceResult result =
            Tracer::trace(job->picture, job->request, shared->mask, job->cancel.get());
        const std::lock_guard lock(shared->mutex);
        if (shared->receiver && !job->cancel->load()) {
            TraceRunner* receiver = shared->receiver;
            QMetaObject::invokeMethod(
                receiver,
                [receiver, serial = job->serial, result, request = job->request] {
                    receiver->deliver(serial, result, request);
                },
                Qt::QueuedConnection);
        }
        job = std::exchange(shared->pending, nullptr);
        if (!job) {
            shared->running = false;
            // A large picture's mask is kept for the next trace of this
            // proposal; the runner's end frees it with the shared state.
        }
    }
}

void TraceRunner::deliver(quint64 serial, const TraceResult& result, const TraceRequest& request) {
    if (serial != m_serial || !m_busy)
        return; // overtaken by a newer start or dropped
    settle();
    emit finished(result, request);
}

void TraceRunner::cancel() {
    if (m_cancel)
        m_cancel->store(true);
    {
        const std::lock_guard lock(m_shared->mutex);
        m_shared->pending.reset();
    }
    if (m_busy)
        settle();
}

void TraceRunner::settle() {
    m_busy = false;
    m_slowTimer.stop();
    if (m_slow) {
        m_slow = false;
        emit slowChanged(false);
    }
}

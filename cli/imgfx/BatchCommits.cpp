#include "BatchCommits.h"

#include <QSaveFile>

#include <algorithm>

namespace imgfxcli {

BatchCommits::BatchCommits(Done done, int threads, int waiting)
    : done_(std::move(done)), waiting_(size_t(std::max(1, waiting))) {
    for (int t = 0; t < std::max(1, threads); ++t)
        threads_.emplace_back([this] { work(); });
}

BatchCommits::~BatchCommits() {
    finish();
}

void BatchCommits::commit(int index, std::unique_ptr<QSaveFile> file) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queue_.size() < waiting_; });
    queue_.push_back({index, std::move(file)});
    changed_.notify_all();
}

void BatchCommits::finish() {
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
        changed_.notify_all();
    }
    for (std::thread& t : threads_)
        if (t.joinable())
            t.join();
}

void BatchCommits::work() {
    for (;;) {
        Pending next;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return closing_ || !queue_.empty(); });
            if (queue_.empty())
                return;
            next = std::move(queue_.front());
            queue_.pop_front();
            changed_.notify_all();
        }
        QString error;
        if (!next.file->commit())
            error = QStringLiteral("cannot write %1: %2")
                        .arg(next.file->fileName(), next.file->errorString());
        next.file.reset();
        done_(next.index, error);
    }
}

} // namespace imgfxcli

#pragma once

#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class QSaveFile;

namespace imgfxcli {

// The last step of a batch's outputs, on a thread of its own: each output
// is written in full to its temporary file by the thread that filtered it,
// then handed over here to be made durable and put under its final name
// (QSaveFile::commit: the data synced to disk, then the rename). The
// filtering threads go on to their next picture meanwhile instead of
// waiting for the disk; a crash at any point leaves either the old file or
// the whole new one under the final name. At most a few outputs wait at
// once (their temporary files stay open), so a thread that would hand over
// one more waits its turn.
class BatchCommits {
public:
    // done(index, error) runs on the committing thread once the output of
    // input index is in place (error empty) or has failed (with the
    // message).
    using Done = std::function<void(int index, const QString& error)>;

    explicit BatchCommits(Done done, int waiting);
    ~BatchCommits(); // finish() unless it ran
    BatchCommits(const BatchCommits&) = delete;
    BatchCommits& operator=(const BatchCommits&) = delete;

    // Hands over the complete temporary file of input index's output.
    void commit(int index, std::unique_ptr<QSaveFile> file);
    // Commits every output handed over, then returns.
    void finish();

private:
    struct Pending {
        int index = 0;
        std::unique_ptr<QSaveFile> file;
    };
    void work();

    Done done_;
    const size_t waiting_;
    std::deque<Pending> queue_;
    bool closing_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::thread thread_;
};

} // namespace imgfxcli

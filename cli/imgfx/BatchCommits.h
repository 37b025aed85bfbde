#pragma once

#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class QSaveFile;

namespace imgfxcli {

// The last step of a batch's outputs, on threads of their own: each output
// is written in full to its temporary file by the thread that filtered it,
// then handed over here to be made durable and put under its final name
// (QSaveFile::commit: the data synced to disk, then the rename). The
// filtering threads go on to their next picture meanwhile instead of
// waiting for the disk, and several outputs are synced at once, so that a
// busy disk's wait for one (which the file system may serve together with
// the others) does not hold up the rest. A crash at any point leaves
// either the old file or the whole new one under the final name. At most
// a few outputs wait at once (their temporary files stay open), so a
// thread that would hand over one more waits its turn.
class BatchCommits {
public:
    // done(index, error) runs on a committing thread once the output of
    // input index is in place (error empty) or has failed (with the
    // message).
    using Done = std::function<void(int index, const QString& error)>;

    // threads committing threads, at most waiting outputs handed over and
    // not yet taken up by one.
    BatchCommits(Done done, int threads, int waiting);
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
    std::vector<std::thread> threads_;
};

} // namespace imgfxcli

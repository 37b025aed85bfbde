#include "BatchRun.h"

#include "BatchCommits.h"
#include "BatchProgress.h"
#include "RasterImage.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <QTextStream>

#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace imgfxcli {

namespace {

// What became of one input.
struct Outcome {
    bool ran = false; // the filter ran (status holds its result)
    int status = 0;
    int exit = ExitOk; // ExitOk, or the failure's exit code
};

// The output paths of the inputs, in input order; an entry stays empty
// where the output would land on an input or on an earlier input's output,
// with the reason in reasons.
struct OutputPlan {
    QStringList paths;
    QStringList reasons;
};

OutputPlan planOutputs(const CliRequest& request) {
    OutputPlan plan;
    const QString dir = QFileInfo(request.outDir).canonicalFilePath();
    QSet<QString> inputs;
    for (const QString& in : request.inputs) {
        const QString canonical = QFileInfo(in).canonicalFilePath();
        if (!canonical.isEmpty())
            inputs.insert(canonical);
    }
    QHash<QString, QString> claimed; // output path -> the input that gets it
    for (const QString& in : request.inputs) {
        const QFileInfo info(in);
        const QString name =
            info.completeBaseName() +
            (request.suffix.isEmpty() ? (info.suffix().isEmpty() ? QString() : u'.' + info.suffix())
                                      : request.suffix);
        const QString path = dir + u'/' + name;
        // An existing output may be a link to an input: compare where it leads.
        const QString target = QFileInfo(path).canonicalFilePath();
        QString reason;
        if (inputs.contains(path) || (!target.isEmpty() && inputs.contains(target)))
            reason = QStringLiteral("its output %1 would replace an input").arg(path);
        else if (claimed.contains(path))
            reason = QStringLiteral("its output %1 is already the output of %2")
                         .arg(path, claimed.value(path));
        else
            claimed.insert(path, in);
        plan.paths << (reason.isEmpty() ? path : QString());
        plan.reasons << reason;
    }
    return plan;
}

// Outputs synced to disk at once.
constexpr int commitThreads = 4;

// The batch as its threads share it: the request, the argument file's
// contents, the plan, the outcomes and the lock over err and the bar.
class Batch {
public:
    Batch(const CliRequest& request, const OutputPlan& plan, QTextStream& err)
        : request_(request), plan_(plan), err_(err), outcomes_(size_t(request.inputs.size())),
          progress_(int(request.inputs.size()), request.progress) {}

    bool readArguments(QString* error) {
        return readArgumentFile(request_, &record_, &table_, error);
    }

    void run(int jobs) {
        commits_ = std::make_unique<BatchCommits>(
            [this](int i, const QString& error) { committed(i, error); }, commitThreads, jobs + 2);
        std::vector<std::thread> threads;
        for (int t = 0; t < jobs; ++t)
            threads.emplace_back([this] { work(); });
        for (std::thread& t : threads)
            t.join();
        commits_->finish();
        progress_.finish();
    }

    const std::vector<Outcome>& outcomes() const { return outcomes_; }

private:
    // One thread: takes the next input until none is left.
    void work() {
        // No picture's own progress is drawn in a batch, only the batch's.
        KSetStatusCallback(nullptr);
        for (int i = next_++; i < int(request_.inputs.size()); i = next_++) {
            std::unique_ptr<QSaveFile> written;
            outcomes_[size_t(i)] = runOne(i, &written);
            if (written) {
                commits_->commit(i, std::move(written));
                continue;
            }
            std::lock_guard lock(mutex_);
            progress_.step();
        }
    }

    // On the committing thread: input i's output is in place, or failed.
    void committed(int i, const QString& error) {
        if (!error.isEmpty()) {
            outcomes_[size_t(i)].exit = ExitOutput;
            report(error);
        }
        std::lock_guard lock(mutex_);
        progress_.step();
    }

    // Filters input i; where that succeeds, its output complete in a
    // temporary file in *written, to be committed.
    Outcome runOne(int i, std::unique_ptr<QSaveFile>* written) {
        const QString& in = request_.inputs[i];
        Outcome outcome;
        if (plan_.paths[i].isEmpty())
            return fail(outcome, ExitOutput, in + QStringLiteral(": ") + plan_.reasons[i]);
        RasterImage image;
        QString error;
        if (!image.load(in, &error, request_.bottomUp))
            return fail(outcome, ExitInput, error);
        for (const RegionShape& s : request_.shapes)
            if (image.addRect(s.x, s.y, s.w, s.h, s.ellipse) != K_OK)
                return fail(outcome, ExitInput,
                            QStringLiteral("cannot set the region on %1").arg(in));
        // Each picture starts from the seed a run of its own starts from, so
        // a batch gives the pixels of separate runs whatever the thread.
        R_SetBitmapNoiseSeed(0);
        FilterIo io;
        io.table = table_;
        outcome.ran = true;
        outcome.status = runFilter(request_, image.bitmap(), record_, io);
        if (outcome.status != FX_OK)
            return fail(outcome, ExitFilterFailed,
                        QStringLiteral("%1: %2").arg(in, statusName(outcome.status)));
        if (!io.note.empty())
            report(QStringLiteral("%1: %2").arg(in, QString::fromStdString(io.note)));
        *written = writeTemporary(image, plan_.paths[i], &error);
        if (!*written)
            return fail(outcome, ExitOutput, error);
        return outcome;
    }

    // RasterImage::save up to the commit: the picture in the format its
    // name's suffix names, written in full to the output's temporary file.
    static std::unique_ptr<QSaveFile> writeTemporary(const RasterImage& image, const QString& path,
                                                     QString* error) {
        if (!RasterImage::canWrite(path, error))
            return nullptr;
        auto file = std::make_unique<QSaveFile>(path);
        if (!file->open(QIODevice::WriteOnly)) {
            *error = QStringLiteral("cannot write %1: %2").arg(path, file->errorString());
            return nullptr;
        }
        if (!image.write(file.get(), path, error)) {
            file->cancelWriting();
            return nullptr;
        }
        return file;
    }

    Outcome fail(Outcome outcome, int exit, const QString& message) {
        outcome.exit = exit;
        report(message);
        return outcome;
    }

    void report(const QString& message) {
        std::lock_guard lock(mutex_);
        progress_.interrupt();
        err_ << "imgfx-cli: " << message << Qt::endl;
    }

    const CliRequest& request_;
    const OutputPlan& plan_;
    QTextStream& err_;
    std::vector<int32_t> record_;
    std::vector<uint8_t> table_;
    std::vector<Outcome> outcomes_;
    std::atomic<int> next_{0};
    std::mutex mutex_;
    BatchProgress progress_;
    std::unique_ptr<BatchCommits> commits_;
};

// A batch allocates and frees pictures of one size over and over. Handed
// back to the system after each picture, their memory is faulted in afresh
// for the next one: 163,000 page faults for 64 pictures of 1024 x 1024, a
// third of the run. Kept by the allocator (up to 32 MB a block, 256 MB
// free before it trims), each thread's pictures reuse the same pages.
void keepPictureMemory() {
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
}

int jobCount(const CliRequest& request) {
    const int processors = int(std::max(1u, std::thread::hardware_concurrency()));
    return std::clamp(request.jobs ? request.jobs : processors, 1, int(request.inputs.size()));
}

} // namespace

int runBatchRequest(const CliRequest& request, QTextStream& out, QTextStream& err) {
    keepPictureMemory();
    if (!QDir().mkpath(request.outDir)) {
        err << "imgfx-cli: cannot make the folder " << request.outDir << Qt::endl;
        return ExitOutput;
    }
    const OutputPlan plan = planOutputs(request);
    Batch batch(request, plan, err);
    QString error;
    if (!batch.readArguments(&error)) {
        err << "imgfx-cli: " << error << Qt::endl;
        return ExitInput;
    }
    batch.run(jobCount(request));
    int exit = ExitOk;
    for (int i = 0; i < int(request.inputs.size()); ++i) {
        const Outcome& o = batch.outcomes()[size_t(i)];
        if (o.ran)
            out << statusName(o.status) << ' ' << request.inputs[i] << '\n';
        exit = std::max(exit, o.exit);
    }
    out.flush();
    return exit;
}

} // namespace imgfxcli

#include "CliRun.h"

#include "BatchRun.h"
#include "PictureFileSet.h"
#include "ProgressBar.h"
#include "RasterImage.h"
#include "RecordFile.h"
#include "TableFile.h"

#include <QTextStream>

#include <limits>

namespace imgfxcli {

namespace {

bool parseNumber(const QString& text, long long* value) {
    bool ok = false;
    *value = text.toLongLong(&ok);
    return ok && *value >= std::numeric_limits<int32_t>::min() &&
           *value <= std::numeric_limits<uint32_t>::max();
}

// "x,y,w,h" with a width and height of at least 0, all within a billion.
bool parseShape(const QString& text, bool ellipse, RegionShape* shape) {
    const QStringList parts = text.split(u',');
    if (parts.size() != 4)
        return false;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || v[i] < -1000000000 || v[i] > 1000000000 || (i >= 2 && v[i] < 0))
            return false;
    }
    *shape = {v[0], v[1], v[2], v[3], ellipse};
    return true;
}

} // namespace

namespace {

// The value of --out-dir, --suffix or --jobs; false when it is unfit.
bool takeBatchOption(const QString& option, const QString& value, CliRequest* request) {
    if (option == u"--out-dir") {
        request->outDir = value;
        return !value.isEmpty();
    }
    if (option == u"--suffix") {
        // A suffix names a format, never a folder.
        request->suffix = value.startsWith(u'.') ? value : u'.' + value;
        return request->suffix.size() > 1 && !value.contains(u'/');
    }
    bool ok = false;
    request->jobs = value.toInt(&ok);
    return ok && request->jobs >= 1 && request->jobs <= 1024;
}

// The batch options fit together and the filter: false with a message.
bool checkBatch(const CliRequest& request, QString* error) {
    const bool batchOnly =
        !request.outDir.isEmpty() || !request.suffix.isEmpty() || request.jobs != 0;
    if (!request.batch) {
        if (batchOnly)
            *error = QStringLiteral("--out-dir, --suffix and --jobs go with --batch");
        return !batchOnly;
    }
    if (request.inputs.isEmpty())
        *error = QStringLiteral("--batch needs at least one input");
    else if (request.outDir.isEmpty())
        *error = QStringLiteral("--batch needs --out-dir DIR");
    else if (request.filter->readsOnly || request.filter->runFiles)
        *error = QStringLiteral("%1 cannot run in a batch: it does not change one picture")
                     .arg(QLatin1String(request.filter->name));
    else
        return true;
    return false;
}

// Sorts the options into the request and the other arguments into
// positional; false with a message for a bad option. Stops at --help.
bool parseOptions(const QStringList& args, CliRequest* request, QStringList* positional,
                  QString* error) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == u"--help" || a == u"-h") {
            request->help = true;
            return true;
        }
        if (a == u"--progress") {
            request->progress = true;
        } else if (a == u"--bottom-up") {
            request->bottomUp = true;
        } else if (a == u"--rect" || a == u"--ellipse") {
            RegionShape shape;
            if (i + 1 >= args.size() || !parseShape(args[i + 1], a == u"--ellipse", &shape)) {
                *error = QStringLiteral("%1 needs x,y,w,h").arg(a);
                return false;
            }
            request->shapes.push_back(shape);
            ++i;
        } else if (a == u"--batch") {
            request->batch = true;
            while (i + 1 < args.size() && !args[i + 1].startsWith(u"--"))
                request->inputs << args[++i];
        } else if (a == u"--out-dir" || a == u"--suffix" || a == u"--jobs") {
            if (i + 1 >= args.size() || !takeBatchOption(a, args[i + 1], request)) {
                *error = a == u"--jobs" ? QStringLiteral("--jobs needs a count from 1 to 1024")
                                        : QStringLiteral("%1 needs a value").arg(a);
                return false;
            }
            ++i;
        } else if (a.startsWith(u"--")) {
            *error = QStringLiteral("unknown option %1").arg(a);
            return false;
        } else {
            *positional << a;
        }
    }
    return true;
}

// The files after the filter's numeric arguments: IN and OUT, IN alone for
// a filter that only reads, or for a filter over several pictures all the
// arguments left, as many as it takes; none in a batch; -1 with a message.
int fileCount(const CliRequest& request, const QStringList& positional, QString* error) {
    const FilterEntry* filter = request.filter;
    if (request.batch)
        return 0;
    if (!filter->runFiles)
        return filter->readsOnly ? 1 : 2;
    const int files = int(positional.size()) - 1 - filter->argCount;
    if (files < filter->minFiles || files > filter->maxFiles) {
        *error = QStringLiteral("%1 takes %2 argument(s) and %3 to %4 files: %5")
                     .arg(positional.first())
                     .arg(filter->argCount)
                     .arg(filter->minFiles)
                     .arg(filter->maxFiles)
                     .arg(QLatin1String(filter->argNames));
        return -1;
    }
    return files;
}

// Takes the files of a filter over several pictures once its arguments
// are known; false with a message when they call for another count.
bool takeFiles(const QStringList& positional, int files, CliRequest* request, QString* error) {
    const FilterEntry* filter = request->filter;
    request->files = positional.mid(int(positional.size()) - files);
    const int expected = filter->filesFor ? filter->filesFor(request->args) : 0;
    if (expected != 0 && expected != files) {
        *error = QStringLiteral("%1 with these arguments takes %2 files, got %3")
                     .arg(positional.first())
                     .arg(expected)
                     .arg(files);
        return false;
    }
    return true;
}

} // namespace

bool parseArguments(const QStringList& args, CliRequest* request, QString* error) {
    QStringList positional;
    if (!parseOptions(args, request, &positional, error))
        return false;
    if (request->help)
        return true;
    if (positional.size() < (request->batch ? 1 : 2)) {
        *error = QStringLiteral("expected FILTER [ARG...] IN OUT");
        return false;
    }
    request->filter = findFilter(positional.first().toStdString());
    if (!request->filter) {
        *error = QStringLiteral("unknown filter %1").arg(positional.first());
        return false;
    }
    const int files = fileCount(*request, positional, error);
    if (files < 0)
        return false;
    const int argCount = int(positional.size()) - 1 - files;
    if (argCount < 0) {
        *error = files == 2 ? QStringLiteral("expected FILTER [ARG...] IN OUT")
                            : QStringLiteral("expected FILTER [ARG...] IN");
        return false;
    }
    if (argCount != request->filter->argCount) {
        *error = QStringLiteral("%1 takes %2 argument(s), got %3")
                     .arg(positional.first())
                     .arg(request->filter->argCount)
                     .arg(argCount);
        return false;
    }
    for (int i = 1; i <= argCount; ++i) {
        long long value = 0;
        if (i - 1 == request->filter->tableArg) {
            request->tablePath = positional[i];
            request->args.push_back(0);
        } else if (parseNumber(positional[i], &value)) {
            request->args.push_back(value);
        } else if (request->filter->runRecord && argCount == 1) {
            request->recordPath = positional[i];
        } else {
            *error = QStringLiteral("argument %1 is not a 32-bit integer").arg(positional[i]);
            return false;
        }
    }
    if (!checkBatch(*request, error))
        return false;
    if (request->batch)
        return true;
    if (request->filter->runFiles)
        return takeFiles(positional, files, request, error);
    request->in = positional[argCount + 1];
    if (files == 2)
        request->out = positional.last();
    return true;
}

QString usageText() {
    QString text = QStringLiteral(
        "usage: imgfx-cli FILTER [ARG...] IN OUT [--rect x,y,w,h] [--ellipse x,y,w,h] "
        "[--bottom-up] [--progress]\n"
        "       imgfx-cli FILTER [ARG...] --batch IN... --out-dir DIR [--jobs N] [--suffix .png] "
        "[--rect ...] [--ellipse ...] [--bottom-up] [--progress]\n"
        "       imgfx-cli --help | --version\n"
        "A record argument is a built-in index or a text file of the record's numbers.\n"
        "filters:\n");
    for (const FilterEntry* f : allFilters())
        text += QStringLiteral("  %1 %2%3\n")
                    .arg(QLatin1String(f->name), QLatin1String(f->argNames),
                         f->readsOnly  ? QStringLiteral(" (IN only; no OUT)")
                         : f->runFiles ? QStringLiteral(" (these files instead of IN OUT)")
                                       : QString());
    return text;
}

QString statusName(int status) {
    switch (status) {
    case FX_OK:
        return QStringLiteral("FX_OK");
    case FX_ERR_NO_MEMORY:
        return QStringLiteral("FX_ERR_NO_MEMORY");
    case FX_ERR_BAD_BITMAP:
        return QStringLiteral("FX_ERR_BAD_BITMAP");
    case FX_ERR_BAD_PARAMETER:
        return QStringLiteral("FX_ERR_BAD_PARAMETER");
    default:
        return QString::number(status);
    }
}

// The record or table file that the arguments name, read like any other
// input file; false with a message when it cannot be read or is malformed.
bool readArgumentFile(const CliRequest& request, std::vector<int32_t>* record,
                      std::vector<uint8_t>* table, QString* error) {
    if (!request.recordPath.isEmpty())
        return readRecordFile(request.recordPath, request.filter->recordHeader, record, error);
    if (!request.tablePath.isEmpty())
        return readTableFile(request.tablePath, table, error);
    return true;
}

int runFilter(const CliRequest& request, RasterBitmap* bitmap, const std::vector<int32_t>& record,
              FilterIo& io) {
    return !request.recordPath.isEmpty() ? request.filter->runRecord(bitmap, record)
           : request.filter->runIo       ? request.filter->runIo(bitmap, request.args, io)
                                         : request.filter->run(bitmap, request.args);
}

int runRequest(const CliRequest& request, QTextStream& out, QTextStream& err) {
    if (request.batch)
        return runBatchRequest(request, out, err);
    if (request.filter->runFiles)
        return runFilesRequest(request, out, err);
    RasterImage image;
    QString error;
    std::vector<int32_t> record;
    FilterIo io;
    if (!readArgumentFile(request, &record, &io.table, &error) ||
        !image.load(request.in, &error, request.bottomUp)) {
        err << "imgfx-cli: " << error << Qt::endl;
        return ExitInput;
    }
    for (const RegionShape& s : request.shapes) {
        if (image.addRect(s.x, s.y, s.w, s.h, s.ellipse) != K_OK) {
            err << "imgfx-cli: cannot set the region" << Qt::endl;
            return ExitInput;
        }
    }
    KStatusCallback old = KSetStatusCallback(request.progress ? progressBarCallback : nullptr);
    const int status = runFilter(request, image.bitmap(), record, io);
    KSetStatusCallback(old);
    if (request.progress)
        finishProgressBar();
    out << statusName(status) << Qt::endl;
    if (status != FX_OK)
        return ExitFilterFailed;
    for (uint32_t n : io.numbers)
        out << n << '\n';
    out.flush();
    if (!io.note.empty())
        err << "imgfx-cli: " << QString::fromStdString(io.note) << Qt::endl;
    if (request.filter->readsOnly)
        return ExitOk;
    if (!image.save(request.out, &error)) {
        err << "imgfx-cli: " << error << Qt::endl;
        return ExitOutput;
    }
    return ExitOk;
}

} // namespace imgfxcli

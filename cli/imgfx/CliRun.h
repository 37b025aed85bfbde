#pragma once

#include "FilterRegistry.h"

#include <QString>
#include <QStringList>

#include <vector>

class QTextStream;

namespace imgfxcli {

// Exit codes of imgfx-cli; documented in the README.
enum ExitCode {
    ExitOk = 0,           // the filter returned FX_OK and OUT was written
    ExitFilterFailed = 1, // the filter returned another status; OUT untouched
    ExitUsage = 2,        // bad command line
    ExitInput = 3,        // an input file could not be read or is malformed (IN, a plane,
                          // a table or record file), or the region could not be set
    ExitOutput = 4,       // OUT could not be written (an old OUT stays as it was)
};

struct RegionShape {
    int x, y, w, h;
    bool ellipse;
};

struct CliRequest {
    const FilterEntry* filter = nullptr;
    std::vector<long long> args;
    QString tablePath; // the table file, for a filter with a table argument
    QString in;
    QString out;
    QStringList files; // the pictures of a filter over several (runFiles)
    std::vector<RegionShape> shapes;
    bool progress = false;
    bool help = false;
    // A filter record file given in place of the filter's numeric argument.
    QString recordPath;
    // Hold the picture's rows bottom-up (last picture row stored first).
    bool bottomUp = false;
    // A batch (--batch): the filter over every input, written into outDir
    // (runBatchRequest); jobs 0 means one a processor, suffix empty keeps
    // each input's own.
    bool batch = false;
    QStringList inputs;
    QString outDir;
    int jobs = 0;
    QString suffix;
};

// Parses the arguments after the program name; false with a message. Files
// named by arguments (tables, records) are only read by runRequest.
bool parseArguments(const QStringList& args, CliRequest* request, QString* error);
QString usageText();
// "FX_OK" and the other status names; other values as their number.
QString statusName(int status);
// Reads the table or record file named by the arguments, if any; false with a message.
bool readArgumentFile(const CliRequest& request, std::vector<int32_t>* record,
                      std::vector<uint8_t>* table, QString* error);
// Runs the request's filter on a loaded picture with the arguments or record.
int runFilter(const CliRequest& request, RasterBitmap* bitmap, const std::vector<int32_t>& record,
              FilterIo& io);
// Reads the table or record file, loads, sets the region, runs the filter, prints the status name
// on out and writes OUT; messages go to err. Returns the exit code.
int runRequest(const CliRequest& request, QTextStream& out, QTextStream& err);

} // namespace imgfxcli

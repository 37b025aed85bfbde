// tessary-cli: reads, converts, scans and checks image maps the way the
// editor does. Usage and exit codes are documented in README.md (tessary-cli).
#include "CheckCommand.h"
#include "ConvertCommand.h"
#include "ReadCommand.h"
#include "ScanCommand.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr int kUsageError = 2;

void printUsage(FILE* to) {
    std::fputs("usage: tessary-cli --help | --version\n"
               "       tessary-cli read FILE [--map NAME] [--image-info]\n"
               "       tessary-cli convert IN OUT [--map NAME] [--title T] [--image FILE]\n"
               "       tessary-cli scan FILE\n"
               "       tessary-cli check FILE [--map NAME] [--image PICTURE | --size WxH]"
               " [--image-info]\n"
               "  read     open the map FILE (.map, .imp or an HTML page) and print it as JSON;\n"
               "           a page of several maps needs --map; --image-info also locates the\n"
               "           map's picture and gives its size and kind\n"
               "  convert  open IN and save it as the HTML page OUT, as the editor saves\n"
               "  scan     print the IMG tags, maps and body end of the HTML page FILE as JSON\n"
               "  check    check the map for areas without URL, obscured areas and (given the\n"
               "           picture or its size) areas beyond the picture; prints the findings\n"
               "           as JSON, exits 3 when there are any\n",
               to);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        printUsage(stdout);
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::fputs("tessary-cli " TESSARY_VERSION "\n", stdout);
        return 0;
    }
    int code = kUsageError;
    if (!args.isEmpty() && args[0] == "read")
        code = runReadCommand(args.mid(1));
    else if (!args.isEmpty() && args[0] == "convert")
        code = runConvertCommand(args.mid(1));
    else if (!args.isEmpty() && args[0] == "scan")
        code = runScanCommand(args.mid(1));
    else if (!args.isEmpty() && args[0] == "check")
        code = runCheckCommand(args.mid(1));
    if (code == kUsageError)
        printUsage(stderr);
    return code;
}

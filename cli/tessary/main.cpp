// tessary-cli: reads image maps the way the editor does and prints them as
// JSON. Usage and exit codes are documented in README.md (tessary-cli).
#include "CheckCommand.h"
#include "ReadCommand.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr int kUsageError = 2;

void printUsage(FILE* to) {
    std::fputs("usage: tessary-cli read [--image-info] FILE\n"
               "       tessary-cli check FILE [--map NAME] [--image PICTURE | --size WxH]\n"
               "  read FILE      open the map FILE (.map, .imp) and print it as JSON\n"
               "  --image-info   also locate the map's picture and give its size and kind\n"
               "  check FILE     check the map for areas without URL, obscured areas and\n"
               "                 (given the picture or its size) areas beyond the picture;\n"
               "                 prints the findings as JSON, exits 3 when there are any\n",
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
    if (!args.isEmpty() && args[0] == "read" && isReadCall(args.mid(1)))
        return runReadCommand(args.mid(1));
    if (args.size() >= 2 && args[0] == "check") {
        const int code = runCheckCommand(args.mid(1));
        if (code != kUsageError)
            return code;
    }
    printUsage(stderr);
    return kUsageError;
}

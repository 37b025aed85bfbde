// tessary-cli: reads image maps the way the editor does and prints them as
// JSON. Usage and exit codes are documented in README.md (tessary-cli).
#include "ReadCommand.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr int kUsageError = 2;

void printUsage(FILE* to) {
    std::fputs("usage: tessary-cli read [--image-info] FILE\n"
               "  read FILE      open the map FILE (.map, .imp) and print it as JSON\n"
               "  --image-info   also locate the map's picture and give its size and kind\n",
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
    printUsage(stderr);
    return kUsageError;
}

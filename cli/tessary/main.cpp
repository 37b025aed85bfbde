// tessary-cli: reads, converts, scans and checks image maps the way the
// editor does. Usage and exit codes are documented in README.md (tessary-cli).
#include "ButtonsCommand.h"
#include "CheckCommand.h"
#include "ConvertCommand.h"
#include "ReadCommand.h"
#include "ScanCommand.h"
#include "SvgCommand.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

#include <cstdio>

namespace {

constexpr int kUsageExit = 2;

void printUsage(FILE* to) {
    std::fputs("usage: tessary-cli --help | --version\n"
               "       tessary-cli read FILE [--map NAME] [--image-info]\n"
               "       tessary-cli convert IN OUT [--map NAME] [--title T] [--image FILE]"
               " [--allow-loss]\n"
               "           [--responsive] [--highlight]\n"
               "       tessary-cli svg IN OUT.svg [--map NAME] [--embed-picture]\n"
               "       tessary-cli scan FILE\n"
               "       tessary-cli check FILE [--map NAME] [--image PICTURE | --size WxH]"
               " [--image-info] [--strict]\n"
               "  read     open the map FILE (.map, .imp or an HTML page) and print it as JSON;\n"
               "           a page of several maps needs --map; --image-info also locates the\n"
               "           map's picture and gives its size and kind\n"
               "  convert  open IN and save it as the HTML page OUT, as the editor saves; a\n"
               "           map not read whole goes back into its own page only with\n"
               "           --allow-loss; --responsive makes the page scale the map with its\n"
               "           picture; --highlight outlines the area under the mouse or focus\n"
               "  svg      write the map of IN as a standalone SVG overlay of its picture\n"
               "           (linked, or embedded with --embed-picture)\n"
               "  scan     print the IMG tags, maps and body end of the HTML page FILE as JSON\n"
               "  check    check the map for areas without URL, obscured areas and (given the\n"
               "           picture or its size) areas beyond the picture, and lists accessibility\n"
               "           and link findings; prints the results as JSON, exits 3 on a problem\n"
               "           (with --strict on any finding too)\n"
               "       tessary-cli buttons OUT --row \"A|B|C\" [--row ...] [--library FILE]\n"
               "           [--style NAME] [--button WxH] [--font FAMILY] [--size POINTS]\n"
               "           [--bold] [--italic] [--underline] [--strikeout] [--text-color RRGGBB]\n"
               "           [--outline-color RRGGBB] [--filler-color RRGGBB] [--spacing H,V]\n"
               "           [--offset H,V]\n"
               "  buttons  draw a button picture as the Image wizard does and write it to OUT\n"
               "           (.gif, .jpg, .jpeg or .png); prints a JSON report\n",
               to);
}

} // namespace

// Drawing captions needs the font database of a GUI application; a build
// pipeline has no display, so it draws offscreen unless told otherwise. The
// GUI application is given no arguments: it would take options of its own
// ("--style") out of the command line. Its warnings (no runtime folder, no
// fonts of a name) are not the command's: the command reports in one line.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], "buttons") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtFatalMsg || type == QtCriticalMsg)
                std::fprintf(stderr, "tessary-cli: %s\n", qPrintable(text));
        });
        static int guiArgc = 1;
        return std::make_unique<QGuiApplication>(guiArgc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        printUsage(stdout);
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::fputs("tessary-cli " TESSARY_VERSION "\n", stdout);
        return 0;
    }
    int code = kUsageExit;
    if (!args.isEmpty() && args[0] == "read")
        code = runReadCommand(args.mid(1));
    else if (!args.isEmpty() && args[0] == "convert")
        code = runConvertCommand(args.mid(1));
    else if (!args.isEmpty() && args[0] == "svg")
        code = runSvgCommand(args.mid(1));
    else if (!args.isEmpty() && args[0] == "scan")
        code = runScanCommand(args.mid(1));
    else if (!args.isEmpty() && args[0] == "check")
        code = runCheckCommand(args.mid(1));
    else if (!args.isEmpty() && args[0] == "buttons")
        code = runButtonsCommand(args.mid(1));
    if (code == kUsageExit)
        printUsage(stderr);
    return code;
}

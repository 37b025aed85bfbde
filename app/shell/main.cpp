// tessary: the image map editor.
#include "app/shell/TessaryApp.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

// --help and --version are answered on standard output before anything
// else happens, so that they work without a display and never reach a
// running copy of the editor through the single-instance channel.
const char kUsage[] =
    "usage: tessary [FILE] [/m:MAPFILE] [/g:IMAGEFILE]\n"
    "       tessary --help | --version\n"
    "Edits HTML image maps: areas drawn on a picture, saved as an HTML page.\n"
    "  FILE          an image map to open (.map, .imp, .htm or .html)\n"
    "  /m:MAPFILE    without FILE, a new map starts that will be saved in MAPFILE\n"
    "  /g:IMAGEFILE  the picture (GIF, JPG or PNG) of the map; without FILE, a new\n"
    "                map starts on it without the wizard\n"
    "  /?            shows these switches in a window\n"
    "  --help        prints this text and exits\n"
    "  --version     prints the program's name and version and exits\n"
    "Every switch may begin with - instead of /. A running editor receives the\n"
    "command line of a second start and opens the file there.\n";

// True when the command line asked for one of the two and it was answered.
bool answerInformationSwitch(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs("tessary " TESSARY_VERSION "\n", stdout);
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (answerInformationSwitch(argc, argv))
        return 0;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessary"));
    QApplication::setApplicationVersion(QStringLiteral(TESSARY_VERSION));
    TessaryApp app({});
    switch (app.start(QApplication::arguments().mid(1))) {
    case TessaryApp::StartResult::HandedOver:
        return 0;
    case TessaryApp::StartResult::Failed:
        return 1;
    case TessaryApp::StartResult::Running:
        break;
    }
    const int result = QApplication::exec();
    app.exit();
    return result;
}

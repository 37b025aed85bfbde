// imgfx-cli: runs one filter export of imgfx on a picture file.
#include "CliRun.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (app.arguments().size() == 2 && app.arguments()[1] == u"--version") {
        out << "imgfx-cli " TESSARY_VERSION "\n";
        return imgfxcli::ExitOk;
    }
    imgfxcli::CliRequest request;
    QString error;
    if (!imgfxcli::parseArguments(app.arguments().mid(1), &request, &error)) {
        err << "imgfx-cli: " << error << "\n" << imgfxcli::usageText();
        return imgfxcli::ExitUsage;
    }
    if (request.help) {
        out << imgfxcli::usageText();
        return imgfxcli::ExitOk;
    }
    return imgfxcli::runRequest(request, out, err);
}

// tessary: the image map editor.
#include "app/shell/TessaryApp.h"

#include <QApplication>

int main(int argc, char** argv) {
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

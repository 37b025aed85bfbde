// The editor as a user runs it until it is killed: started offscreen on a
// new map (a picture given, a page named), two rectangles drawn with the
// mouse in the map view, each given its URL in "Edit Area Info"; once the
// map's recovery copy is on disk the driver says so on standard output and
// goes on running until it is ended. Started by RecoveryTest with one
// argument, the folder it works in.
#include "ShellFakes.h"
#include "app/commands/CommandRouter.h"
#include "app/frames/MainFrame.h"
#include "app/frames/MapViewPane.h"
#include "app/frames/MyMDIChildWnd.h"
#include "app/shell/TessaryApp.h"
#include "document/ImageMapDoc.h"
#include "document/RecoveryStore.h"
#include "model/Settings.h"
#include "support/ScriptedPrompter.h"
#include "view/ImageMapView.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QSettings>

#include <cstdio>

namespace {

bool waitFor(const std::function<bool()>& done, int ms = 20000) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

void mouse(CImageMapView& view, QEvent::Type type, QPoint picture) {
    const QPoint w = view.imageToWindow(picture) + QPoint(1, 1);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease || type == QEvent::MouseMove
                                      ? Qt::NoButton
                                      : Qt::LeftButton;
    QMouseEvent e(type, w, view.viewport()->mapToGlobal(w), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(view.viewport(), &e);
}

void drag(CImageMapView& view, QPoint from, QPoint to) {
    mouse(view, QEvent::MouseButtonPress, from);
    mouse(view, QEvent::MouseMove, (from + to) / 2);
    mouse(view, QEvent::MouseMove, to);
    mouse(view, QEvent::MouseButtonRelease, to);
}

int fail(const char* why) {
    std::fprintf(stdout, "driver failed: %s\n", why);
    std::fflush(stdout);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2)
        return fail("no folder");
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    Settings::setStoreFolder(dir.filePath("driver-config"));
    RecoveryStore::setDefaultFolder(dir.filePath("recovery"));
    {
        QSettings ini(dir.filePath("driver-config/Corvane/Tessary.ini"), QSettings::IniFormat);
        ini.setValue("Settings/NeverShowWelcome", 1);
    }
    ScriptedPrompter prompter;
    ScriptedAppDialogs dialogs;
    TestDocumentServices services;
    int drawn = 0;
    services.dialogs.area = [&](AreaTexts& texts) {
        texts.url = "area" + QByteArray::number(++drawn) + ".htm";
        return DocumentDialogs::AreaChoice::Ok;
    };
    TessaryApp::Options options;
    options.instanceName = dir.filePath("driver-instance");
    options.dialogs = &dialogs;
    options.services = &services;
    options.installPrompter = false;
    TessaryApp tessary(options);
    if (tessary.start({"/g:" + dir.filePath("picture.png"), "/m:" + dir.filePath("page.htm")}) !=
        TessaryApp::StartResult::Running)
        return fail("start");
    if (!waitFor([&] { return tessary.mainFrame()->activeChild() != nullptr; }))
        return fail("no map window");
    MyMDIChildWnd* child = tessary.mainFrame()->activeChild();
    auto* pane = dynamic_cast<MapViewPane*>(&child->mapPane());
    if (!pane)
        return fail("no map view");
    QCoreApplication::processEvents();
    CImageMapView& view = *pane->view();
    tessary.router().dispatch(CommandId::RectangleTool);
    drag(view, {20, 20}, {120, 80});
    drag(view, {150, 40}, {260, 160});
    if (child->document().areaCount() != 2)
        return fail("the areas were not drawn");

    const RecoveryStore store;
    if (!waitFor([&] {
            const auto copies = store.list();
            return copies.size() == 1 && copies[0].readable &&
                   copies[0].copy.state.areas.size() == 2;
        }))
        return fail("no recovery copy");
    std::fputs("copy written\n", stdout);
    std::fflush(stdout);
    return QApplication::exec();
}

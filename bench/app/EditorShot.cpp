// tessary-editor-shot: starts the editor as the program does (its own
// picture loader, views, menus and status bar), opens a map, zooms through
// the command chain, optionally opens a menu, and writes what the screen
// shows of the main window to a PNG file; or, with --test-map, runs Test Map
// with the mouse on a picture point and writes what the screen shows of the
// test window. scripts/shots runs it under Xvfb,
// which has no window manager to draw title bars: the picture gets a plain
// caption strip with the main window's title on top instead.
// The settings store is XDG_CONFIG_HOME's; questions are answered No and
// written to standard error, so that nothing waits for a person.
#include "app/commands/CommandRouter.h"
#include "app/frames/MainFrame.h"
#include "app/frames/MapViewPane.h"
#include "app/frames/MyMDIChildWnd.h"
#include "app/shell/TessaryApp.h"
#include "model/CommandIds.h"
#include "model/Prompter.h"
#include "model/Settings.h"
#include "model/Strings.h"
#include "view/ImageMapView.h"
#include "view/TestMapWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

// A level given as "n" (n:1) or "a:b" ("1:4"); 1:1 for anything else.
ZoomLevel levelFrom(const QString& text) {
    for (ZoomLevel z : ZoomLevel::levels()) {
        if (z.text() == text || (!z.isReducing() && QString::number(z.num()) == text))
            return z;
    }
    return {};
}

class LoggingPrompter : public Prompter {
public:
    Answer ask(const QString& text, Buttons, Icon) override {
        std::fprintf(stderr, "tessary-editor-shot: asked: %s\n", qPrintable(text));
        return Answer::No;
    }
    void tell(const QString& text, Icon) override {
        std::fprintf(stderr, "tessary-editor-shot: told: %s\n", qPrintable(text));
    }
};

void settle(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void addOptions(QCommandLineParser& p) {
    p.addHelpOption();
    p.addPositionalArgument("map", "The map file to open.");
    p.addPositionalArgument("out", "The PNG file to write.");
    p.addOptions({
        {"zoom", "A zoom level (\"1:4\", \"3:1\" or 3), through its Zoom To command.", "level"},
        {"size", "Size of the main window (default 1100x720).", "WxH", "1100x720"},
        {"select", "Index of the selected area.", "i"},
        {"hover", "Picture point the mouse rests on (fills the position pane).", "x,y"},
        {"menu", "Title of the menu to open before the picture is taken.", "title"},
        {"test-map", "Runs Test Map with the mouse on this picture point instead.", "x,y"},
    });
}

// The active map window's view.
CImageMapView* activeView(MainFrame& frame) {
    MyMDIChildWnd* child = frame.activeChild();
    auto* pane = child ? dynamic_cast<MapViewPane*>(&child->mapPane()) : nullptr;
    return pane ? pane->view() : nullptr;
}

void hover(CImageMapView& view, QPoint picture) {
    const QPoint at = view.imageToWindow(picture);
    QMouseEvent move(QEvent::MouseMove, at, view.viewport()->mapToGlobal(at), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view.viewport(), &move);
}

// The picture under a caption strip showing title.
// The title as the desktop shows it: Qt's "[*]" placeholder becomes "*"
// while the window is marked modified, and nothing otherwise.
QString shownTitle(const QWidget& window) {
    QString title = window.windowTitle();
    return title.replace(QStringLiteral("[*]"),
                         window.isWindowModified() ? QStringLiteral("*") : QString());
}

QImage withCaption(const QPixmap& picture, const QString& title) {
    const int height = 24;
    QImage out(picture.width(), picture.height() + height, QImage::Format_RGB32);
    QPainter painter(&out);
    painter.fillRect(0, 0, out.width(), height, QColor(0x2b, 0x4f, 0x81));
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(8, 0, out.width() - 16, height), Qt::AlignVCenter | Qt::AlignLeft,
                     title);
    painter.drawPixmap(0, height, picture);
    return out;
}

QPoint pointOf(const QString& text) {
    const QStringList at = text.split(QLatin1Char(','));
    return {at.value(0).toInt(), at.value(1).toInt()};
}

// Runs Test Map (without its introduction) and takes the picture of its
// window once the mouse rests on picture point at.
QImage testMapShot(TessaryApp& app, QPoint at) {
    Settings::app().neverShowWarn = true;
    QImage shot;
    QTimer::singleShot(500, [&] {
        auto* window = qobject_cast<TestMapWindow*>(QApplication::activeModalWidget());
        if (!window) {
            std::fprintf(stderr, "tessary-editor-shot: Test Map did not open\n");
            return;
        }
        QWidget* picture = window->pictureWidget();
        const QPoint local = at - window->scrollPosition();
        QMouseEvent move(QEvent::MouseMove, local, picture->mapToGlobal(local), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(picture, &move);
        settle(300);
        const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
        shot = withCaption(screen.copy(window->frameGeometry()), shownTitle(*window));
        window->accept();
    });
    app.router().dispatch(CommandId::TestMap);
    return shot;
}

void openMenu(MainFrame& frame, const QString& title) {
    for (QAction* action : frame.menuBar()->actions()) {
        if (action->menu() && action->text().remove(QLatin1Char('&')) == title) {
            frame.menuBar()->setActiveAction(action);
            return;
        }
    }
    std::fprintf(stderr, "tessary-editor-shot: no menu %s\n", qPrintable(title));
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QCommandLineParser parser;
    addOptions(parser);
    parser.process(application);
    if (parser.positionalArguments().size() != 2)
        parser.showHelp(2);
    LoggingPrompter prompter;
    Prompter::install(&prompter);
    Settings::writeInt(Str::KeyNeverShowWelcome, 1);

    QTemporaryDir instance;
    TessaryApp::Options options;
    options.instanceName = instance.filePath(QStringLiteral("tessary-instance"));
    options.installPrompter = false;
    TessaryApp app(options);
    if (app.start({parser.positionalArguments()[0]}) != TessaryApp::StartResult::Running)
        return 1;
    MainFrame& frame = *app.mainFrame();
    const QStringList size = parser.value("size").split(QLatin1Char('x'));
    frame.setGeometry(0, 0, size.value(0).toInt(), size.value(1).toInt());
    settle(500);
    CImageMapView* view = activeView(frame);
    if (!view) {
        std::fprintf(stderr, "tessary-editor-shot: the map did not open\n");
        return 1;
    }
    if (parser.isSet("zoom"))
        app.router().dispatch(ZoomLevel::commandOf(levelFrom(parser.value("zoom"))));
    if (parser.isSet("select"))
        view->setSelected(parser.value("select").toInt());
    if (parser.isSet("hover"))
        hover(*view, pointOf(parser.value("hover")));
    settle(300); // idle passes: command states and the map check
    if (parser.isSet("menu"))
        openMenu(frame, parser.value("menu"));
    settle(300);
    QImage picture;
    if (parser.isSet("test-map")) {
        picture = testMapShot(app, pointOf(parser.value("test-map")));
        std::fprintf(stderr, "tessary-editor-shot: the view is at %s after Test Map\n",
                     qPrintable(view->zoom().text()));
    } else {
        const QRect window = frame.frameGeometry();
        const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
        const QRect menuArea = QApplication::activePopupWidget()
                                   ? QApplication::activePopupWidget()->frameGeometry()
                                   : QRect();
        picture = withCaption(screen.copy(window.united(menuArea)), shownTitle(frame));
    }
    const bool written = !picture.isNull() && picture.save(parser.positionalArguments()[1], "png");
    app.exit();
    Prompter::install(nullptr);
    if (!written) {
        std::fprintf(stderr, "tessary-editor-shot: cannot write %s\n",
                     qPrintable(parser.positionalArguments()[1]));
        return 1;
    }
    return 0;
}

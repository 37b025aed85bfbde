// The editor as one whole, offscreen: the map view in the map window, the
// command chain, the map check in the idle passes, saving, the picture
// loader and the real dialogs.
#include "ShellFixture.h"

#include "app/commands/ActionTable.h"
#include "app/dialogs/SaveMapDialog.h"
#include "app/dialogs/SavedDialog.h"
#include "app/frames/MapViewPane.h"
#include "app/frames/StatePane.h"
#include "app/frames/StatusBar.h"
#include "app/loading/LoaderPictureSource.h"
#include "app/shell/DocumentManager.h"
#include "formats/HtmlPageScan.h"
#include "model/ColorRef.h"
#include "view/AreaListPane.h"
#include "view/AreaStyle.h"
#include "view/ImageMapView.h"
#include "wizards/NewMapWizard.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

namespace {

using C = CommandId;

// One area as a page keeps it: a polygon by its vertices (its box is
// derived at the zoom of the view that shows it).
struct AreaSummary {
    AreaShape shape;
    PixelRect rect;
    QByteArray url, comment;
    QList<QPoint> vertices;
    friend bool operator==(const AreaSummary&, const AreaSummary&) = default;
};

QList<AreaSummary> areasOf(const CImageMapDoc& doc) {
    QList<AreaSummary> out;
    for (int i = 0; i < doc.areaCount(); ++i) {
        const MapArea& a = *doc.area(i);
        AreaSummary s{a.shape(),
                      a.shape() == AreaShape::Polygon ? PixelRect() : a.imageRect(),
                      a.url(),
                      a.comment(),
                      {}};
        for (int v = 0; v < a.vertexCount(); ++v)
            s.vertices << a.vertex(v);
        out << s;
    }
    return out;
}

// Answers the modal dialogs that open, in turn, each with the handler for
// its type; a dialog of another type fails the test and is closed.
class DialogScript : public QObject {
public:
    using Handler = std::function<bool(QWidget&)>; // true when it took the dialog
    explicit DialogScript(QList<Handler> handlers) : m_handlers(std::move(handlers)) {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &DialogScript::poll);
        m_timer.start();
    }
    bool done() const { return m_handlers.isEmpty(); }

private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == m_last || m_handlers.isEmpty())
            return;
        m_last = modal;
        if (!m_handlers.first()(*modal)) {
            ADD_FAILURE() << "unexpected dialog " << modal->metaObject()->className();
            static_cast<QDialog*>(modal)->reject();
            return;
        }
        m_handlers.removeFirst();
    }
    QList<Handler> m_handlers;
    QTimer m_timer;
    QPointer<QWidget> m_last;
};

template <class T>
DialogScript::Handler on(std::function<void(T&)> act) {
    return [act](QWidget& w) {
        auto* dialog = qobject_cast<T*>(&w);
        if (!dialog)
            return false;
        act(*dialog);
        return true;
    };
}

class EditorTest : public ShellTest {
protected:
    // A copy of the sample map with its picture beside it.
    QString sampleWithPicture(const QString& name) {
        QFile::copy(QStringLiteral(TESSARY_SOURCE_DIR "/res/samples/sample.png"),
                    m_dir.filePath("sample.png"));
        return sampleMap(name);
    }
    void writePage(const QString& name, const QByteArray& areas) {
        QFile file(m_dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<HTML><BODY>\r\n<IMG SRC=\"pic.png\" USEMAP=\"#m\">\r\n<MAP NAME=\"m\">\r\n" +
                   areas + "</MAP>\r\n</BODY></HTML>\r\n");
    }

    CImageMapView& view() {
        auto* pane = dynamic_cast<MapViewPane*>(&frame().activeChild()->mapPane());
        EXPECT_TRUE(pane);
        return *pane->view();
    }
    StatusBar& status() { return *frame().mainStatusBar(); }
    bool idleUntilQuiet() {
        return waitUntil([&] { return !m_app->idle().isRunning(); });
    }

    LoaderPictureSource m_loader;
};

} // namespace

TEST_F(EditorTest, TheSampleShowsInTheViewZoomsAndSavesAsAPageThatReadsBack) {
    m_services.realPictures = &m_loader;
    start({sampleWithPicture("sample.map")});
    runEvents(); // the first showing is queued
    CImageMapView& v = view();
    ASSERT_TRUE(v.document()->image());
    EXPECT_EQ(v.document()->imageWidth(), 400);

    // Shown maximized, the picture is zoomed to fit.
    const QSize window = v.maximumViewportSize();
    const int fit = std::min({window.width() / 400, window.height() / 240, 8});
    EXPECT_EQ(v.zoom(), ZoomLevel::in(std::max(fit, 1)));
    EXPECT_EQ(frame().activeChild()->toolZoom().zoom(), v.zoom()); // one state

    // The picture and the areas are painted.
    ASSERT_TRUE(dispatch(C::Zoom1));
    v.setScrollPosition({0, 0});
    const QImage shown = v.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture =
        QImage(m_dir.filePath("sample.png")).convertToFormat(QImage::Format_RGB32);
    for (QPoint p : {QPoint(150, 80), QPoint(5, 5), QPoint(380, 225)})
        EXPECT_EQ(shown.pixel(p), picture.pixel(p)) << p.x() << "," << p.y();
    const QRgb outline = shown.pixel(40, 20); // the top edge of "Home"
    EXPECT_TRUE(outline == rgbOfColorRef(Settings::app().defaultColor) ||
                outline == rgbOfColorRef(Settings::app().defaultBack));

    // Zoom from the command chain.
    ASSERT_TRUE(dispatch(C::ZoomIn));
    EXPECT_EQ(v.zoom(), ZoomLevel::in(2));
    EXPECT_EQ(v.scaledImageSize(), QSize(800, 480));
    EXPECT_EQ(status().zoomText(), "2:1");
    EXPECT_TRUE(state(C::Zoom2).checked);
    EXPECT_TRUE(state(C::ZoomOut).enabled);

    // Save As into a new page.
    const QList<AreaSummary> before = areasOf(*v.document());
    const QString page = m_dir.filePath("saved.htm");
    m_services.dialogs.saveAs = [&](DocumentDialogs::SaveAs& request) {
        EXPECT_EQ(request.proposedName, "sample.htm");
        EXPECT_EQ(request.folder, m_dir.path());
        request.path = page;
        return true;
    };
    ASSERT_TRUE(state(C::Save).enabled); // a .map continues as a page: changed
    ASSERT_TRUE(dispatch(C::SaveAs));
    ASSERT_TRUE(QFile::exists(page));
    EXPECT_FALSE(v.document()->isModified());
    EXPECT_FALSE(state(C::Save).enabled);
    EXPECT_TRUE(state(C::SaveAs).enabled);
    EXPECT_EQ(frame().windowTitle(), "Tessary - Tessary sample / sample.png (saved.htm)[*]");
    EXPECT_FALSE(frame().isWindowModified()); // saved: no "*"

    ASSERT_EQ(m_services.dialogs.savedTexts.size(), 1);
    EXPECT_TRUE(m_services.dialogs.savedTexts[0].contains("also exists in this directory"));

    // Read back in a window of its own.
    dispatch(C::Close);
    ASSERT_TRUE(waitUntil([&] { return frame().children().isEmpty(); }));
    ASSERT_TRUE(m_app->documents().openMapFile(page, QString()));
    runEvents();
    EXPECT_FALSE(view().document()->isModified());
    EXPECT_EQ(areasOf(*view().document()), before);
    EXPECT_EQ(view().document()->mapInfo().title, "Tessary sample");
    EXPECT_EQ(view().document()->mapInfo().defaultUrl, "index.htm");
}

TEST_F(EditorTest, TheStatePaneShowsWhatTheMapCheckFindsAsTheUserWorks) {
    writePage("check.htm", "<AREA SHAPE=RECT COORDS=\"0,0,50,50\" HREF=\"a.htm\">\r\n"
                           "<AREA SHAPE=RECT COORDS=\"60,0,90,30\">\r\n"
                           "<AREA SHAPE=RECT COORDS=\"10,10,20,20\" HREF=\"c.htm\">\r\n");
    start({m_dir.filePath("check.htm")});
    ASSERT_TRUE(idleUntilQuiet());
    StatePane& pane = *status().statePane();
    EXPECT_EQ(pane.state(), MapCheckStatus::MissingUrl);
    EXPECT_EQ(pane.toolTip(), "Area 2 missing URL");

    // The URL is given: the obscured third area is what remains.
    CImageMapDoc& doc = view().document()[0];
    doc.setAreaTexts(1, {"b.htm", {}, {}});
    ASSERT_TRUE(idleUntilQuiet());
    EXPECT_EQ(pane.state(), MapCheckStatus::Obscured);
    EXPECT_EQ(pane.toolTip(), "Area 3 is obscured");

    doc.moveArea(2, 0);
    ASSERT_TRUE(idleUntilQuiet());
    EXPECT_EQ(pane.state(), MapCheckStatus::Clean);
    EXPECT_TRUE(pane.toolTip().isEmpty());
}

TEST_F(EditorTest, OnlyTheActiveWindowsMapReportsToTheStatePane) {
    writePage("missing.htm", "<AREA SHAPE=RECT COORDS=\"0,0,50,50\">\r\n");
    writePage("clean.htm", "<AREA SHAPE=RECT COORDS=\"0,0,50,50\" HREF=\"a.htm\">\r\n");
    start({m_dir.filePath("missing.htm")});
    m_app->documents().openMapFile(m_dir.filePath("clean.htm"), QString());
    ASSERT_TRUE(idleUntilQuiet());
    EXPECT_EQ(status().statePane()->state(), MapCheckStatus::Clean);
    frame().mdiArea()->setActiveSubWindow(frame().children()[0]);
    ASSERT_TRUE(idleUntilQuiet());
    EXPECT_EQ(status().statePane()->toolTip(), "Area 1 missing URL");
}

TEST_F(EditorTest, BackgroundWindowsLeaveTheStatusPanesAlone) {
    Settings::app().maximizeOnOpen = false;
    start({sampleMap("a.map")});
    CImageMapView& first = view();
    m_app->documents().openMapFile(sampleMap("b.map"), QString());
    runEvents();
    ASSERT_NE(&view(), &first);
    // The sample opens whole in a window shown normal: at Zoom to Fit.
    const QString shown = view().zoom().text();
    EXPECT_EQ(status().zoomText(), shown);
    first.setZoom(ZoomLevel::in(3));
    first.resize(first.size() + QSize(20, 20));
    EXPECT_EQ(status().zoomText(), shown);
    frame().mdiArea()->setActiveSubWindow(frame().children()[0]);
    EXPECT_EQ(status().zoomText(), "3:1");
}

TEST_F(EditorTest, TheZoomPaneMenuZoomsTheActiveView) {
    Settings::app().maximizeOnOpen = false;
    start({sampleMap("a.map")});
    CImageMapView& first = view();
    m_app->documents().openMapFile(sampleMap("b.map"), QString());
    runEvents();
    CImageMapView& second = view();
    emit status().zoomMenuRequested(frame().mapToGlobal(QPoint(10, 10)));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(menu);
    QAction* four = nullptr;
    for (QAction* action : menu->actions()) {
        if (ActionTable::commandOf(action) == C::Zoom4)
            four = action;
    }
    ASSERT_TRUE(four);
    four->trigger();
    menu->close();
    EXPECT_EQ(second.zoom(), ZoomLevel::in(4));
    EXPECT_EQ(first.zoom(), ZoomLevel::in(1));
    EXPECT_EQ(status().zoomText(), "4:1");
}

TEST_F(EditorTest, ChangedDrawingSettingsRepaintWithNewPens) {
    Settings::app().maximizeOnOpen = false;
    start({sampleMap("a.map")});
    runEvents();
    CImageMapView& v = view();
    v.setScrollPosition({0, 0});
    const QPoint edge = v.imageToWindow({40, 20});
    Settings::app().defaultColor = Settings::app().defaultBack = 0x00ff00;
    Settings::announceChange();
    const QImage shown = v.grab().toImage();
    EXPECT_EQ(shown.pixel(edge) & 0xffffff, 0x00ff00u);
}

TEST_F(EditorTest, AWindowShownNormalShrinksToItsView) {
    Settings::app().maximizeOnOpen = false;
    m_services.pictures.width = 500;
    m_services.pictures.height = 40;
    start({sampleMap("a.map")});
    runEvents(100);
    CImageMapView& v = view();
    EXPECT_EQ(v.height(), v.sizeHint().height());
    // Zooming in to fit needs the window maximized; a picture wider than
    // the window opens whole.
    EXPECT_EQ(v.zoom(), v.fittingZoom().factor() < 1 ? v.fittingZoom() : ZoomLevel::in(1));
}

TEST_F(EditorTest, ClosingAChangedMapWithYesSavesItFirst) {
    start({sampleMap("site.map")});
    const QString page = m_dir.filePath("site.htm");
    // Yes, but the Save As prompt is cancelled: the window stays.
    m_prompter.script({Prompter::Answer::Yes});
    dispatch(C::Close);
    runEvents();
    ASSERT_EQ(frame().children().size(), 1);
    ASSERT_EQ(m_services.dialogs.saveAsShown.size(), 1);
    EXPECT_FALSE(QFile::exists(page));

    m_prompter.script({Prompter::Answer::Yes});
    m_services.dialogs.saveAs = [&](DocumentDialogs::SaveAs& request) {
        request.path = page;
        return true;
    };
    dispatch(C::Close);
    ASSERT_TRUE(waitUntil([&] { return frame().children().isEmpty(); }));
    QFile saved(page);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(HtmlPageScan::scan(saved.readAll()).maps.size(), 1u);
}

// The program's own services: the picture loader and the real dialogs.
TEST_F(EditorTest, ChangeImageAndSaveAsRunTheProgramsOwnDialogs) {
    TessaryApp::Options own = options();
    own.services = nullptr;
    m_app = std::make_unique<TessaryApp>(own);
    ASSERT_EQ(m_app->start({sampleWithPicture("sample.map")}), TessaryApp::StartResult::Running);
    runEvents();
    ASSERT_EQ(view().document()->imageWidth(), 400);

    const QString other = m_dir.filePath("other.png");
    ASSERT_TRUE(QImage(QImage(120, 90, QImage::Format_RGB32)).save(other));
    Settings::app().lastImageFolder = m_dir.path();
    DialogScript pick({on<QFileDialog>([&](QFileDialog& d) {
        EXPECT_EQ(d.directory().absolutePath(), m_dir.path()); // the picture's folder
        d.selectFile(other); // drops the picture's name from the list's selection
        d.findChild<QLineEdit*>("fileNameEdit")->setText("other.png"); // typed
        static_cast<QDialog&>(d).accept();                             // as the Open button does
    })});
    m_prompter.setFallback(Prompter::Answer::No); // the areas beyond it stay as they are
    ASSERT_TRUE(dispatch(C::ChangeImage));
    EXPECT_TRUE(pick.done());
    EXPECT_EQ(view().document()->imageWidth(), 120);
    EXPECT_EQ(view().document()->imageName(), "other.png");
    EXPECT_EQ(view().scaledImageSize(), view().zoom().scaled(QSize(120, 90)));

    const QString page = m_dir.filePath("site.htm");
    DialogScript save({on<SaveMapDialog>([&](SaveMapDialog& d) {
                           EXPECT_EQ(d.directory().absolutePath(), m_dir.path());
                           // typed over the proposed name
                           d.findChild<QLineEdit*>("fileNameEdit")->setText("site.htm");
                           d.accept();
                       }),
                       on<SavedDialog>([](SavedDialog& d) {
                           EXPECT_TRUE(d.findChild<QLabel*>("text")->text().contains(
                               "The file \"site.htm\" was saved"));
                           d.findChild<QCheckBox*>("dontShow")->setChecked(true);
                           d.accept();
                       })});
    ASSERT_TRUE(dispatch(C::SaveAs));
    EXPECT_TRUE(save.done());
    EXPECT_TRUE(QFile::exists(page));
    EXPECT_TRUE(Settings::app().skipSavedDialog);
    EXPECT_EQ(view().document()->mapInfo().imageFile, "other.png");
}

// Ctrl+N runs the New Map wizard; Cancel there opens no window.
TEST_F(EditorTest, CtrlNRunsTheNewMapWizard) {
    TessaryApp::Options own = options();
    own.services = nullptr;
    m_app = std::make_unique<TessaryApp>(own);
    ASSERT_EQ(m_app->start({}), TessaryApp::StartResult::Running);
    QAction* newMap = nullptr;
    for (QMenu* menu : frame().findChildren<QMenu*>()) {
        for (QAction* action : menu->actions()) {
            if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_N))
                newMap = action;
        }
    }
    ASSERT_TRUE(newMap);
    EXPECT_TRUE(newMap->isEnabled());
    QString title;
    DialogScript wizard({on<NewMapWizard>([&](NewMapWizard& w) {
        title = w.windowTitle();
        w.reject();
    })});
    newMap->trigger();
    EXPECT_TRUE(waitUntil([&] { return wizard.done(); }));
    EXPECT_EQ(title, "New Map Wizard");
    EXPECT_TRUE(frame().findChildren<QMdiArea*>().value(0)->subWindowList().isEmpty());
}

// The list and the view share the selection; the list, Enter and a
// double-click in the view open the area's settings through the chain;
// the right button opens the area menu; rows dragged reorder the map.
TEST_F(EditorTest, TheAreaListSelectsOpensAndReordersTheAreasWithTheView) {
    start({sampleMap("site.map")});
    runEvents();
    auto* list = qobject_cast<AreaListPane*>(frame().activeChild()->areaList());
    ASSERT_TRUE(list);
    const QAbstractItemModel& rows = *list->model();
    ASSERT_EQ(rows.rowCount(), 5);
    EXPECT_EQ(rows.index(2, 1).data().toString(), "contact.htm");
    EXPECT_FALSE(state(C::Delete).enabled);
    const auto rowAt = [&](int row) { return list->visualRect(rows.index(row, 1)).center(); };

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowAt(2));
    EXPECT_EQ(view().selected(), 2);
    EXPECT_TRUE(state(C::EditAreaInfo).enabled);
    view().setSelected(3);
    EXPECT_EQ(list->selectedRow(), 3);

    // Bring to front: the area and its row move to the top, still selected.
    ASSERT_TRUE(dispatch(C::MoveToFront));
    EXPECT_EQ(view().selected(), 0);
    EXPECT_EQ(list->selectedRow(), 0);
    EXPECT_EQ(rows.index(0, 1).data().toString(), "shapes/triangle.htm");

    // A double-click on a row opens its settings; OK refreshes the row.
    m_services.dialogs.area = [](AreaTexts& texts) {
        texts.url = "badge.htm";
        return DocumentDialogs::AreaChoice::Ok;
    };
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rowAt(3));
    runEvents();
    EXPECT_EQ(m_services.dialogs.lastAreaNumber, 4);
    EXPECT_EQ(rows.index(3, 1).data().toString(), "badge.htm");
    EXPECT_EQ(view().selected(), 3); // the arrow tool keeps it

    // Enter in the view; with a drawing tool the selection goes afterwards.
    ASSERT_TRUE(dispatch(C::RectangleTool));
    view().setSelected(1);
    view().setFlyby(2);
    QTest::keyClick(&view(), Qt::Key_Return);
    runEvents();
    EXPECT_EQ(m_services.dialogs.areaShown, 2);
    EXPECT_EQ(m_services.dialogs.lastAreaNumber, 2);
    EXPECT_EQ(view().selected(), -1);
    EXPECT_EQ(view().flyby(), -1);
    EXPECT_EQ(list->selectedRow(), -1);
    ASSERT_TRUE(dispatch(C::ArrowTool));

    // The mouse over the list ends the view's flyby.
    view().setFlyby(1);
    QTest::mouseMove(list->viewport(), rowAt(4));
    EXPECT_EQ(view().flyby(), -1);

    // The right button on a row chooses it and opens the area menu.
    QContextMenuEvent click(QContextMenuEvent::Mouse, rowAt(4),
                            list->viewport()->mapToGlobal(rowAt(4)));
    QApplication::sendEvent(list->viewport(), &click);
    EXPECT_EQ(view().selected(), 4);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(menu);
    QStringList enabled;
    for (QAction* action : menu->actions()) {
        if (action->isEnabled() && !action->isSeparator())
            enabled << QString::number(int(ActionTable::commandOf(action).value_or(CommandId{})));
    }
    // Edit, Delete, Bring to front, Cut and Copy; the last area goes no
    // further back.
    EXPECT_EQ(enabled, QStringList({"32773", "32788", "32827", "57635", "57634"}));
    menu->close();

    // Row 5 dragged onto row 2.
    const QByteArray before = view().document()->area(4)->url();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, rowAt(4));
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(list->viewport(), rowAt(4) + (rowAt(1) - rowAt(4)) * step / 4);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, rowAt(1));
    EXPECT_EQ(view().document()->area(1)->url(), before);
    EXPECT_EQ(view().selected(), 1);
    EXPECT_EQ(list->selectedRow(), 1);
    // The drop is one step: undone, the area is back in row 5.
    view().document()->undo();
    EXPECT_EQ(view().document()->area(4)->url(), before);
    view().document()->redo();
    EXPECT_EQ(view().document()->area(1)->url(), before);

    ASSERT_TRUE(dispatch(C::Delete));
    EXPECT_EQ(view().selected(), -1);
    EXPECT_EQ(rows.rowCount(), 4);
    EXPECT_EQ(list->selectedRow(), -1);
}

// Edit > Undo and Redo name the step, follow the saved state, and closing
// a map undone to its saved state asks nothing.
TEST_F(EditorTest, EditUndoAndRedoNameTheStepAndCloseAsksNothingWhenUndoneToTheSave) {
    start({sampleMap("site.map")});
    runEvents();
    CImageMapDoc& doc = *view().document();
    m_services.dialogs.saveAs = [&](DocumentDialogs::SaveAs& request) {
        request.path = m_dir.filePath("site.htm");
        return true;
    };
    ASSERT_TRUE(dispatch(C::Save)); // the map file continues as a page
    ASSERT_FALSE(doc.isModified());

    QMenu* edit = frame().menuBar()->actions()[1]->menu();
    ASSERT_TRUE(edit);
    QAction* undo = edit->actions()[0];
    QAction* redo = edit->actions()[1];
    EXPECT_EQ(undo->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace")}));
    EXPECT_EQ(redo->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
    const auto showMenu = [&] { emit edit->aboutToShow(); };
    showMenu();
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(undo->text(), "&Undo");

    auto* list = qobject_cast<AreaListPane*>(frame().activeChild()->areaList());
    ASSERT_TRUE(list);
    list->setCurrentIndex(list->model()->index(2, 0));
    ASSERT_TRUE(dispatch(C::Delete));
    list->setCurrentIndex(list->model()->index(2, 0));
    ASSERT_TRUE(dispatch(C::MoveToFront));
    showMenu();
    EXPECT_EQ(undo->text(), "&Undo Bring to Front");
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_TRUE(state(C::Save).enabled);

    undo->trigger();
    showMenu();
    EXPECT_EQ(undo->text(), "&Undo Delete Area");
    EXPECT_EQ(redo->text(), "&Redo Bring to Front");
    undo->trigger();
    EXPECT_EQ(list->model()->rowCount(), 5);
    EXPECT_FALSE(doc.isModified());
    EXPECT_FALSE(state(C::Save).enabled);
    showMenu();
    EXPECT_EQ(redo->text(), "&Redo Delete Area");
    EXPECT_TRUE(redo->isEnabled());

    m_prompter.clear();
    dispatch(C::Close);
    ASSERT_TRUE(waitUntil([&] { return frame().children().isEmpty(); }));
    EXPECT_TRUE(m_prompter.shown().isEmpty());
}

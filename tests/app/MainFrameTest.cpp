#include "ShellFixture.h"

#include "app/commands/ActionTable.h"
#include "app/frames/MapPane.h"
#include "app/frames/MapToolBar.h"
#include "app/frames/StatePane.h"
#include "app/frames/StatusBar.h"
#include "app/frames/TraceControls.h"
#include "app/shell/DocumentIdleClient.h"
#include "app/shell/DocumentManager.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QDropEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QSpinBox>
#include <QSplitter>
#include <QToolBar>
#include <QUrl>
#include <QWindow>

namespace {

// A command's number, 0 for a separator.
int numberOf(const QAction* action) {
    return int(ActionTable::commandOf(action).value_or(CommandId{}));
}

QList<int> commandsOf(const QWidget* widget) {
    QList<int> ids;
    for (QAction* action : widget->actions())
        ids << numberOf(action);
    return ids;
}

QStringList menuTitles(QMenuBar* bar) {
    QStringList titles;
    for (QAction* action : bar->actions())
        titles << action->text();
    return titles;
}

QList<int> menuCommands(QMenuBar* bar, int index) {
    QList<int> ids;
    for (QAction* action : bar->actions()[index]->menu()->actions()) {
        if (!action->isSeparator() && !action->menu())
            ids << numberOf(action);
    }
    return ids;
}

using C = CommandId;
int id(C c) {
    return int(c);
}

} // namespace

TEST_F(ShellTest, KeepVisibleTwiceLeavesPinnedZero) {
    start();
    ASSERT_TRUE(dispatch(C::KeepVisible));
    EXPECT_TRUE(frame().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(Settings::app().pinned);
    EXPECT_TRUE(state(C::KeepVisible).checked);
    EXPECT_TRUE(frame().isVisible());
    ASSERT_TRUE(dispatch(C::KeepVisible));
    EXPECT_FALSE(frame().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(Settings::app().pinned);
    EXPECT_FALSE(state(C::KeepVisible).checked);
    m_app->exit();
    EXPECT_EQ(QSettings(iniPath(), QSettings::IniFormat).value("Settings/Pinned").toInt(), 0);
}

TEST_F(ShellTest, PinnedAtStartKeepsTheFrameOnTop) {
    storeValue("Settings/Pinned", 1);
    start();
    runEvents();
    EXPECT_TRUE(frame().isKeptVisible());
    EXPECT_TRUE(Settings::app().pinned);
}

TEST_F(ShellTest, HidingAndShowingTheAreaListRestoresItsWidth) {
    Settings::app().maximizeOnOpen = false;
    start({sampleMap("site.map")});
    MyMDIChildWnd* child = frame().activeChild();
    ASSERT_TRUE(child);
    child->resize(700, 400);
    runEvents();
    QSplitter* splitter = child->splitter();
    const int total = splitter->sizes()[0] + splitter->sizes()[1];
    splitter->setSizes({180, total - 180});
    ASSERT_EQ(splitter->sizes()[0], 180);
    EXPECT_TRUE(state(C::AreaList).checked);

    ASSERT_TRUE(dispatch(C::AreaList));
    EXPECT_EQ(splitter->sizes()[0], 0);
    EXPECT_FALSE(state(C::AreaList).checked);
    ASSERT_TRUE(dispatch(C::AreaList));
    EXPECT_EQ(splitter->sizes()[0], 180);
    EXPECT_TRUE(state(C::AreaList).checked);
}

TEST_F(ShellTest, DroppingTwoMapFilesOpensTwoMapWindows) {
    start();
    const QString first = sampleMap("first.map");
    const QString second = sampleMap("second.map");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)});
    const QPoint at = frame().rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&frame(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&frame(), &drop);
    ASSERT_TRUE(waitUntil([&] { return frame().children().size() == 2; }));
    EXPECT_EQ(frame().children()[0]->document().mapPath(), m_dir.filePath("first.htm"));
    EXPECT_EQ(frame().children()[1]->document().mapPath(), m_dir.filePath("second.htm"));
    EXPECT_EQ(frame().currentMenu(), MenuBuilder::MapMenu);
}

TEST_F(ShellTest, OpeningAMapAlreadyOpenBringsItsWindowForward) {
    const QString map = sampleMap("site.map");
    start({map});
    m_app->documents().openMapFile(map, QString());
    EXPECT_EQ(frame().children().size(), 1);
}

TEST_F(ShellTest, TheFrameTitleIsTheProgramAndTheMapsTitle) {
    start();
    // The mark's place is kept without a map too; unmarked, it shows nothing.
    EXPECT_EQ(frame().windowTitle(), "Tessary[*]");
    EXPECT_FALSE(frame().isWindowModified());
    ASSERT_TRUE(frame().windowHandle());
    EXPECT_EQ(frame().windowHandle()->title(), "Tessary");
    m_app->documents().openMapFile(sampleMap("site.map"), QString());
    EXPECT_EQ(frame().windowTitle(), "Tessary - Tessary sample / sample.png (site.htm)[*]");
    // A .map continues as a page, so it opens changed: "*" marks it.
    EXPECT_TRUE(frame().isWindowModified());
    frame().activeChild()->document().setModified(false);
    EXPECT_FALSE(frame().isWindowModified());
    frame().activeChild()->document().setModified(true);
    EXPECT_TRUE(frame().isWindowModified());
    EXPECT_TRUE(frame().activeChild()->isWindowModified());
    // Maximized, the window's own title is not merged into the frame's.
    EXPECT_TRUE(frame().activeChild()->isMaximized());
    EXPECT_EQ(frame().windowTitle(), "Tessary - Tessary sample / sample.png (site.htm)[*]");
}

TEST_F(ShellTest, MenusFollowWhetherAMapIsOpen) {
    start();
    QMenuBar* bar = frame().menuBar();
    EXPECT_EQ(menuTitles(bar), (QStringList{"&File", "&View", "&Help"}));
    EXPECT_EQ(menuCommands(bar, 0), (QList<int>{id(C::NewImageMap), id(C::CreateNewImage),
                                                id(C::Open), id(C::Preferences), id(C::Exit)}));
    EXPECT_EQ(menuCommands(bar, 1), (QList<int>{id(C::ViewToolbar), id(C::ViewStatusBar)}));
    EXPECT_EQ(menuCommands(bar, 2), (QList<int>{id(C::HelpContents), id(C::About)}));

    start({sampleMap("site.map")});
    bar = frame().menuBar();
    EXPECT_EQ(menuTitles(bar),
              (QStringList{"&File", "&Edit", "&View", "&Mapping", "&Goodies", "&Window", "&Help"}));
    const QList<int> file = menuCommands(bar, 0);
    for (C c : {C::Close, C::Save, C::SaveAs, C::ChangeImage, C::Exit})
        EXPECT_TRUE(file.contains(id(c))) << id(c);
    EXPECT_TRUE(file.contains(id(C::RecentFile1)));
    EXPECT_EQ(menuCommands(bar, 1),
              (QList<int>{id(C::Undo), id(C::Redo), id(C::Cut), id(C::Copy), id(C::Paste),
                          id(C::Delete), id(C::SelectAll), id(C::EditAreaInfo)}));
    EXPECT_EQ(menuCommands(bar, 2),
              (QList<int>{id(C::ViewToolbar), id(C::ViewStatusBar), id(C::AreaList), id(C::ZoomIn),
                          id(C::ZoomOut), id(C::ZoomToFit)}));
    EXPECT_EQ(menuCommands(bar, 3),
              (QList<int>{id(C::RectangleTool), id(C::CircleTool), id(C::PolygonTool),
                          id(C::TraceTool), id(C::ArrowTool), id(C::EditMapInfo)}));
    // Mapping > Arrange, before Edit Map Info.
    const QList<QAction*> mapping = bar->actions()[3]->menu()->actions();
    const auto arrange = std::find_if(mapping.begin(), mapping.end(),
                                      [](QAction* a) { return a->menu() != nullptr; });
    ASSERT_NE(arrange, mapping.end());
    EXPECT_EQ((*arrange)->text(), "Arran&ge");
    EXPECT_EQ(ActionTable::commandOf(*(arrange + 2)), C::EditMapInfo);
    EXPECT_EQ(commandsOf((*arrange)->menu()),
              (QList<int>{id(C::AlignLeft), id(C::AlignRight), id(C::AlignTop), id(C::AlignBottom),
                          id(C::AlignHorizontalCentres), id(C::AlignVerticalCentres), 0,
                          id(C::DistributeHorizontally), id(C::DistributeVertically), 0,
                          id(C::SameWidth), id(C::SameHeight), id(C::SameSize)}));
    EXPECT_EQ(menuCommands(bar, 4),
              (QList<int>{id(C::Grid), id(C::GridSettings), id(C::CreateGuides), id(C::TestMap),
                          id(C::CheckMap)}));
    EXPECT_EQ(menuCommands(bar, 5), (QList<int>{id(C::Cascade), id(C::Tile), id(C::Arrange)}));
}

TEST_F(ShellTest, ToolbarsCarryTheirButtonsInOrder) {
    start({sampleMap("site.map")});
    EXPECT_EQ(
        commandsOf(frame().mainToolBar()),
        (QList<int>{id(C::NewImageMap), id(C::CreateNewImage), id(C::Open), id(C::Save), 0,
                    id(C::Preferences), 0, id(C::Cut), id(C::Copy), id(C::Paste), 0, id(C::About),
                    id(C::HelpContents), 0, id(C::Cascade), id(C::Tile), 0, id(C::KeepVisible)}));
    MapToolBar* map = frame().activeChild()->mapToolBar();
    EXPECT_EQ(commandsOf(map), (QList<int>{id(C::RectangleTool),
                                           id(C::CircleTool),
                                           id(C::PolygonTool),
                                           id(C::TraceTool),
                                           id(C::ArrowTool),
                                           0, // the Trace tool's settings: labels and boxes
                                           0,
                                           0,
                                           0,
                                           0,
                                           0,
                                           id(C::EditAreaInfo),
                                           0,
                                           id(C::Delete),
                                           0,
                                           id(C::MoveToFront),
                                           id(C::SendToBack),
                                           0,
                                           id(C::AlignLeft),
                                           id(C::AlignRight),
                                           id(C::AlignTop),
                                           id(C::AlignBottom),
                                           id(C::AlignHorizontalCentres),
                                           id(C::AlignVerticalCentres),
                                           0,
                                           id(C::DistributeHorizontally),
                                           id(C::DistributeVertically),
                                           0,
                                           id(C::SameWidth),
                                           id(C::SameHeight),
                                           id(C::SameSize),
                                           0,
                                           id(C::AreaList),
                                           0,
                                           id(C::Save),
                                           0,
                                           id(C::ZoomIn),
                                           id(C::ZoomOut),
                                           0,
                                           id(C::EditMapInfo),
                                           0,
                                           id(C::Grid),
                                           0,
                                           id(C::TestMap)}));
    EXPECT_TRUE(map->isVisible());
    EXPECT_TRUE(map->isMovable());
    EXPECT_EQ(map->allowedAreas(), Qt::AllToolBarAreas);
}

TEST_F(ShellTest, ToolAndZoomCommandsChangeTheWindowsToolbarState) {
    start({sampleMap("site.map")});
    MyMDIChildWnd* child = frame().activeChild();
    EXPECT_TRUE(state(C::ArrowTool).checked);
    EXPECT_TRUE(state(C::ZoomOut).enabled); // 1:2 and below
    ASSERT_TRUE(dispatch(C::PolygonTool));
    EXPECT_TRUE(child->toolZoom().isPolygon());
    EXPECT_TRUE(state(C::PolygonTool).checked && state(C::PolygonTool).radio);
    EXPECT_FALSE(state(C::ArrowTool).checked);
    ASSERT_TRUE(dispatch(C::Zoom8));
    EXPECT_EQ(child->toolZoom().zoom(), ZoomLevel::in(8));
    EXPECT_TRUE(state(C::Zoom8).checked);
    EXPECT_EQ(frame().mainStatusBar()->zoomText(), "8:1");
    ASSERT_TRUE(dispatch(C::Zoom16));
    EXPECT_FALSE(state(C::ZoomIn).enabled);
    ASSERT_TRUE(dispatch(C::ZoomOut));
    EXPECT_EQ(child->toolZoom().zoom(), ZoomLevel::in(12));
    ASSERT_TRUE(dispatch(C::ZoomOut16));
    EXPECT_FALSE(state(C::ZoomOut).enabled);
    EXPECT_EQ(frame().mainStatusBar()->zoomText(), "1:16");
    ASSERT_TRUE(dispatch(C::ZoomToFit));
    EXPECT_NE(child->toolZoom().zoom(), ZoomLevel::out(16)); // the sample fits at 1:1
}

// The Trace tool's tolerance and precision stand on the map toolbar only
// while it is current; what they are set to is stored in the settings.
TEST_F(ShellTest, TraceToolShowsItsSettingsOnTheMapToolbarAndStoresThem) {
    start({sampleMap("site.map")});
    MyMDIChildWnd* child = frame().activeChild();
    TraceControls& trace = child->mapToolBar()->traceControls();
    EXPECT_FALSE(trace.isShown());
    ASSERT_TRUE(dispatch(C::TraceTool));
    EXPECT_TRUE(child->toolZoom().isTrace());
    EXPECT_TRUE(state(C::TraceTool).checked && state(C::TraceTool).radio);
    EXPECT_TRUE(trace.isShown());
    EXPECT_EQ(trace.tolerance()->value(), Settings::app().traceTolerance);
    trace.tolerance()->setValue(77);
    trace.precision()->setValue(3.5);
    EXPECT_EQ(Settings::app().traceTolerance, 77);
    EXPECT_EQ(Settings::app().tracePrecision, 3.5);
    trace.tolerance()->setValue(999); // kept within the bounds
    EXPECT_EQ(Settings::app().traceTolerance, 255);
    ASSERT_TRUE(dispatch(C::ArrowTool));
    EXPECT_FALSE(trace.isShown());
}

TEST_F(ShellTest, CommandsOfAnOpenMapFollowTheDocumentsRules) {
    start({sampleMap("site.map")});
    for (C c : {C::Grid, C::GridSettings, C::EditMapInfo, C::ChangeImage, C::Close, C::Cascade,
                C::AreaList, C::About, C::Open, C::SaveAs})
        EXPECT_TRUE(state(c).enabled) << id(c);
    // Selection-bound commands follow the document's rules.
    EXPECT_FALSE(state(C::Delete).enabled);
    EXPECT_FALSE(state(C::MoveToFront).enabled);
}

TEST_F(ShellTest, GridTogglesSnappingAndGridSettingsStoresAtOnce) {
    start({sampleMap("site.map")});
    EXPECT_FALSE(state(C::Grid).checked);
    ASSERT_TRUE(dispatch(C::Grid));
    EXPECT_TRUE(Settings::app().grid.enabled);
    EXPECT_TRUE(state(C::Grid).checked);

    GridSettings entered;
    entered.sizeX = 7;
    entered.visible = 2;
    m_dialogs.gridAnswer = entered;
    ASSERT_TRUE(dispatch(C::GridSettings));
    EXPECT_EQ(Settings::app().grid.sizeX, 7);
    QSettings ini(iniPath(), QSettings::IniFormat);
    EXPECT_EQ(ini.value("Settings/Grid SizeX").toInt(), 7);
    EXPECT_EQ(ini.value("Settings/Grid Visible").toInt(), 2);
}

TEST_F(ShellTest, ClosingAChangedMapAsksAndCancelKeepsIt) {
    start({sampleMap("site.map")}); // a .map continues as a page: changed
    MyMDIChildWnd* child = frame().activeChild();
    ASSERT_TRUE(child->document().isModified());
    m_prompter.script({Prompter::Answer::Cancel});
    dispatch(C::Close);
    runEvents();
    ASSERT_EQ(frame().children().size(), 1);
    EXPECT_EQ(m_prompter.shown().last().text,
              "Save changes to Tessary sample / sample.png (site.htm)?");
    m_prompter.script({Prompter::Answer::No});
    dispatch(C::Close);
    ASSERT_TRUE(waitUntil([&] { return frame().children().isEmpty(); }));
    runEvents();
    EXPECT_EQ(frame().currentMenu(), MenuBuilder::NoMapMenu);
    EXPECT_EQ(frame().mainStatusBar()->openViews(), 0);
}

TEST_F(ShellTest, IdleWorkOnMapsReportsOnlyForTheActiveWindow) {
    start({sampleMap("a.map"), sampleMap("b.map")});
    m_app->documents().openMapFile(sampleMap("b.map"), QString());
    ASSERT_EQ(frame().children().size(), 2);
    QList<std::pair<const CImageMapDoc*, MapCheckStatus*>> seen;
    DocumentIdleClient client(frame(), [&](CImageMapDoc& doc, int pass, MapCheckStatus* status) {
        seen.append({&doc, status});
        if (status)
            status->showState(MapCheckStatus::MissingUrl, 3);
        return pass < 1;
    });
    EXPECT_TRUE(client.onIdle(0));
    EXPECT_FALSE(client.onIdle(1));
    ASSERT_EQ(seen.size(), 4);
    int reported = 0;
    for (const auto& [doc, status] : seen) {
        if (status) {
            ++reported;
            EXPECT_EQ(doc, &frame().activeChild()->document());
        }
    }
    EXPECT_EQ(reported, 2);
    EXPECT_EQ(frame().mainStatusBar()->statePane()->toolTip(), "Area 3 missing URL");
}

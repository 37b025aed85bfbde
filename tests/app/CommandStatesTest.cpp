#include "ShellFixture.h"

#include "app/commands/ActionTable.h"
#include "app/frames/MapToolBar.h"
#include "app/frames/MapViewPane.h"
#include "app/shell/DocumentManager.h"
#include "model/Translation.h"
#include "view/ImageMapView.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMimeData>
#include <QSplitter>
#include <QTest>
#include <QToolBar>

namespace {

using C = CommandId;

// The editor with the sample map open; no test here lets an idle pass or
// any other queued event run between a change and the look at the actions.
class CommandStates : public ShellTest {
protected:
    QAction& action(C id) { return *m_app->actions().action(id); }
    bool enabled(C id) { return action(id).isEnabled(); }
    MyMDIChildWnd& window() { return *frame().activeChild(); }
    CImageMapView& view() { return *dynamic_cast<MapViewPane&>(window().mapPane()).view(); }
    CImageMapDoc& doc() { return window().document(); }
};

} // namespace

// Every state follows the change that decides it, made by the document, the
// view, the toolbar, the clipboard or the settings, at once; idle passes
// leave the actions alone.
TEST_F(CommandStates, FollowEveryChangeAtOnceAndNoIdlePassPollsThem) {
    start({sampleMap("site.map")});
    runEvents();
    ASSERT_TRUE(frame().activeChild());
    const int before = m_app->router().refreshCount();
    while (m_app->idle().runPass()) {
    }
    m_app->idle().runPass();
    EXPECT_EQ(m_app->router().refreshCount(), before);

    // The selection (the view's).
    EXPECT_FALSE(enabled(C::Delete));
    EXPECT_FALSE(enabled(C::Copy));
    view().setSelected(2);
    for (C id : {C::Delete, C::Cut, C::Copy, C::EditAreaInfo, C::MoveToFront, C::SendToBack})
        EXPECT_TRUE(enabled(id)) << int(id);
    EXPECT_FALSE(enabled(C::AlignLeft)); // one area has nothing to align with
    AreaSelection two;
    two.add(2);
    two.add(3);
    view().setSelection(two);
    EXPECT_TRUE(enabled(C::AlignLeft) || enabled(C::AlignTop));

    // A step of the document, undone and redone; saved (a map file opened
    // continues as a page, changed from the start).
    EXPECT_TRUE(enabled(C::Save));
    doc().setModified(false);
    EXPECT_FALSE(enabled(C::Save));
    view().setSelected(-1);
    doc().deleteArea(0);
    EXPECT_TRUE(enabled(C::Save));
    EXPECT_TRUE(enabled(C::Undo));
    EXPECT_EQ(action(C::Undo).text(), "&Undo Delete Area");
    EXPECT_FALSE(enabled(C::Redo));
    EXPECT_EQ(action(C::Redo).text(), "&Redo");
    doc().undo();
    EXPECT_FALSE(enabled(C::Save));
    EXPECT_FALSE(enabled(C::Undo));
    EXPECT_EQ(action(C::Undo).text(), "&Undo");
    EXPECT_TRUE(enabled(C::Redo));
    EXPECT_EQ(action(C::Redo).text(), "&Redo Delete Area");

    // The tool (the window's toolbar) and the zoom (the view's).
    EXPECT_TRUE(enabled(C::SelectAll));
    window().toolZoom().setTool(ToolZoomState::Tool::Rectangle);
    EXPECT_TRUE(action(C::RectangleTool).isChecked());
    EXPECT_FALSE(action(C::ArrowTool).isChecked());
    EXPECT_FALSE(enabled(C::SelectAll)); // with the arrow tool only
    window().toolZoom().setTool(ToolZoomState::Tool::Arrow);
    view().setZoom(ZoomLevel::levels().back());
    EXPECT_FALSE(enabled(C::ZoomIn));
    EXPECT_TRUE(action(ZoomLevel::commandOf(ZoomLevel::levels().back())).isChecked());
    view().setZoom(ZoomLevel::in(1));
    EXPECT_TRUE(enabled(C::ZoomIn));
    EXPECT_TRUE(action(C::Zoom1).isChecked());

    // The clipboard: an area copied can be pasted; other text cannot.
    view().setSelected(1);
    ASSERT_TRUE(view().onCommand(C::Copy));
    EXPECT_TRUE(enabled(C::Paste));
    QGuiApplication::clipboard()->setText(QStringLiteral("no area"));
    EXPECT_FALSE(enabled(C::Paste));

    // The settings (Grid) and the main toolbar hidden by its own menu.
    Settings::app().grid.enabled = !Settings::app().grid.enabled;
    Settings::announceChange();
    EXPECT_EQ(action(C::Grid).isChecked(), Settings::app().grid.enabled);
    frame().mainToolBar()->hide();
    EXPECT_FALSE(action(C::ViewToolbar).isChecked());
    frame().mainToolBar()->show();
    EXPECT_TRUE(action(C::ViewToolbar).isChecked());

    // The area list dragged shut by its splitter handle.
    QSplitter* splitter = window().splitter();
    window().show();
    EXPECT_TRUE(action(C::AreaList).isChecked());
    QSplitterHandle* handle = splitter->handle(1);
    const QPoint grip(handle->width() / 2, handle->height() / 2);
    QTest::mousePress(handle, Qt::LeftButton, {}, grip);
    QMouseEvent drag(QEvent::MouseMove, grip - QPoint(handle->x() + 50, 0),
                     handle->mapToGlobal(grip - QPoint(handle->x() + 50, 0)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &drag);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, grip - QPoint(handle->x() + 50, 0));
    ASSERT_EQ(splitter->sizes().value(0), 0);
    EXPECT_FALSE(action(C::AreaList).isChecked());
}

// The step's name in the menu is the string table's, in the language
// installed ("&Rückgängig: %s" in German is no prefix and a space).
TEST_F(CommandStates, UndoNamesTheStepInTheInstalledLanguage) {
    start({sampleMap("site.map")});
    runEvents();
    ASSERT_EQ(Translation::install(QStringLiteral("de")), QStringLiteral("de"));
    doc().deleteArea(0);
    const QString undo = action(C::Undo).text();
    doc().undo();
    const QString redo = action(C::Redo).text();
    doc().redo();
    const QString plain = action(C::Redo).text();
    Translation::install(QStringLiteral("en"));
    EXPECT_EQ(undo, QString::fromUtf8("&Rückgängig: Bereich löschen"));
    EXPECT_EQ(redo, QString::fromUtf8("&Wiederherstellen: Bereich löschen"));
    EXPECT_EQ(plain, QString::fromUtf8("&Wiederherstellen"));
}

// Edit > Undo and Redo act on the active window's map and name its step;
// a read-only map offers none; the last window closed leaves them off.
TEST_F(CommandStates, UndoAndRedoFollowTheActiveWindowsStack) {
    start({sampleMap("first.map")});
    runEvents();
    MyMDIChildWnd* first = frame().activeChild();
    first->document().moveArea(2, 0);
    EXPECT_EQ(action(C::Undo).text(), "&Undo Bring to Front");

    ASSERT_TRUE(m_app->documents().openMapFile(sampleMap("second.map"), QString(), true));
    runEvents();
    MyMDIChildWnd* second = frame().activeChild();
    ASSERT_NE(first, second);
    ASSERT_TRUE(second->document().isReadOnly());
    EXPECT_FALSE(enabled(C::Undo));
    EXPECT_EQ(action(C::Undo).text(), "&Undo");

    ASSERT_TRUE(m_app->documents().openMapFile(sampleMap("third.map"), QString(), false));
    runEvents();
    MyMDIChildWnd* third = frame().activeChild();
    third->document().deleteArea(1);
    EXPECT_EQ(action(C::Undo).text(), "&Undo Delete Area");

    frame().mdiArea()->setActiveSubWindow(first);
    EXPECT_EQ(action(C::Undo).text(), "&Undo Bring to Front");
    const QByteArray moved = first->document().area(0)->url();
    // The shortcut's action and the router's command are the same one.
    action(C::Undo).trigger();
    EXPECT_NE(first->document().area(0)->url(), moved);
    EXPECT_EQ(third->document().areaCount(), 4); // the other map keeps its step
    EXPECT_TRUE(state(C::Redo).enabled);
    EXPECT_EQ(state(C::Redo).text, "&Redo Bring to Front");
    EXPECT_TRUE(dispatch(C::Redo));
    EXPECT_EQ(first->document().area(0)->url(), moved);
    EXPECT_FALSE(dispatch(C::Redo)); // nothing left to redo

    for (MyMDIChildWnd* child : frame().children())
        child->document().setModified(false);
    for (MyMDIChildWnd* child : frame().children())
        child->close();
    ASSERT_TRUE(waitUntil([&] { return frame().children().isEmpty(); }));
    EXPECT_FALSE(enabled(C::Undo));
    EXPECT_FALSE(enabled(C::Redo));
    EXPECT_FALSE(enabled(C::Cascade));
}

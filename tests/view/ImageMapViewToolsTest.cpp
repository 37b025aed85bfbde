// The tools end to end in a view offscreen, with mouse and key events:
// drawing, moving, nudging, the clipboard, cancelling, read-only maps,
// Tab, context menus with Insert and Delete Point, and URL drops.
#include "ViewTestSupport.h"

#include "model/AreaClipRecord.h"
#include "model/Strings.h"
#include "support/FakeDocumentDialogs.h"
#include "support/ScriptedPrompter.h"
#include "view/ViewInteraction.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

#include <gtest/gtest.h>

using namespace ViewTest;

namespace {

class ViewTools : public ::testing::Test {
protected:
    void SetUp() override {
        resetSettings();
        Settings::app().areaPrompt = true;
        doc = documentWith(pictures, solid(400, 300, 0xff808080));
        dialogs.area = [this](AreaTexts& texts) {
            texts.url = QByteArray("area") + QByteArray::number(++urls) + ".htm";
            return DocumentDialogs::AreaChoice::Ok;
        };
        doc->setDialogs(&dialogs);
        view = std::make_unique<CImageMapView>(doc.get(), &panes, nullptr, &toolZoom);
        view->setContextMenuHandler([this](int id, QPoint) { menus << id; });
        showAt(*view, 500, 400);
        view->setZoom(ZoomLevel::in(3));
        view->setScrollPosition({30, 15});
        QCoreApplication::processEvents();
    }

    // The window point inside picture pixel p.
    QPoint at(QPoint p) const { return view->imageToWindow(p) + QPoint(1, 1); }
    void mouse(QEvent::Type type, QPoint w, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers m = Qt::NoModifier) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease || type == QEvent::MouseMove
                ? Qt::NoButton
                : Qt::MouseButtons(button);
        QMouseEvent e(type, w, view->viewport()->mapToGlobal(w), button, held, m);
        QCoreApplication::sendEvent(view->viewport(), &e);
    }
    void click(QPoint p, Qt::KeyboardModifiers m = Qt::NoModifier) {
        mouse(QEvent::MouseButtonPress, at(p), Qt::LeftButton, m);
        mouse(QEvent::MouseButtonRelease, at(p), Qt::LeftButton, m);
    }
    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers m = Qt::NoModifier) {
        mouse(QEvent::MouseButtonPress, at(from), Qt::LeftButton, m);
        mouse(QEvent::MouseMove, at(to), Qt::NoButton, m);
        mouse(QEvent::MouseButtonRelease, at(to), Qt::LeftButton, m);
    }
    void rightPress(QPoint window) {
        mouse(QEvent::MouseButtonPress, window, Qt::RightButton);
        mouse(QEvent::MouseButtonRelease, window, Qt::RightButton);
    }
    void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QKeyEvent e(QEvent::KeyPress, k, m);
        QCoreApplication::sendEvent(view.get(), &e);
    }
    PixelRect rectOf(int i) const { return doc->area(i)->imageRect(); }

    StubPictures pictures;
    RecordingPanes panes;
    FakeDocumentDialogs dialogs;
    ToolZoomState toolZoom;
    std::unique_ptr<CImageMapDoc> doc;
    std::unique_ptr<CImageMapView> view;
    QList<int> menus;
    int urls = 0;
};

// What a user does first: draws a rectangle, a circle and a polygon at 3:1
// in a scrolled view, names each in Area Settings, moves one, nudges it and
// pastes two copies. Every area holds exactly the picture pixels it was
// drawn on.
TEST_F(ViewTools, DrawNameMoveNudgeCopyAndPasteInAZoomedScrolledView) {
    toolZoom.setTool(ToolZoomState::Tool::Rectangle);
    drag({20, 20}, {60, 50});
    QCoreApplication::processEvents(); // the posted Edit Area Info
    toolZoom.setTool(ToolZoomState::Tool::Circle);
    drag({100, 100}, {110, 100});
    QCoreApplication::processEvents();
    toolZoom.setTool(ToolZoomState::Tool::Polygon);
    click({150, 20});
    click({200, 30});
    click({180, 80});
    mouse(QEvent::MouseButtonDblClick, at({180, 80}));
    mouse(QEvent::MouseButtonRelease, at({180, 80}));
    QCoreApplication::processEvents();
    ASSERT_EQ(doc->areaCount(), 3);
    EXPECT_EQ(rectOf(0), (PixelRect{20, 20, 60, 50}));
    EXPECT_EQ(rectOf(1), (PixelRect{90, 90, 110, 110}));
    EXPECT_EQ(doc->area(2)->imageRing(),
              QPolygon({QPoint(150, 20), QPoint(200, 30), QPoint(180, 80), QPoint(150, 20)}));
    EXPECT_EQ(doc->area(0)->url(), "area1.htm");
    EXPECT_EQ(doc->area(2)->url(), "area3.htm");
    EXPECT_EQ(view->interaction(), nullptr);

    // A drag is one document operation, however many moves it took.
    toolZoom.setTool(ToolZoomState::Tool::Arrow);
    int changes = 0;
    QObject::connect(doc.get(), &CImageMapDoc::areaChanged, [&changes] { ++changes; });
    mouse(QEvent::MouseButtonPress, at({30, 30}));
    for (int x = 30; x <= 35; ++x)
        mouse(QEvent::MouseMove, at({x, 33}));
    mouse(QEvent::MouseButtonRelease, at({35, 33}));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(view->selected(), 0);
    EXPECT_EQ(rectOf(0), (PixelRect{25, 23, 65, 53}));
    // Each drawn area, the URL its prompt gave it and the drag are one undo
    // step each, undone exactly in picture pixels at this zoom and scroll.
    const int steps = doc->undoStack().count();
    EXPECT_EQ(steps, 7);
    doc->undo();
    EXPECT_EQ(rectOf(0), (PixelRect{20, 20, 60, 50}));
    doc->redo();
    EXPECT_EQ(rectOf(0), (PixelRect{25, 23, 65, 53}));
    key(Qt::Key_Right);
    key(Qt::Key_Down, Qt::ShiftModifier);
    key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(rectOf(0), (PixelRect{16, 33, 56, 63}));
    // Nudges of one area without a pause are one step.
    EXPECT_EQ(doc->undoStack().count(), steps + 1);
    doc->undo();
    EXPECT_EQ(rectOf(0), (PixelRect{25, 23, 65, 53}));
    doc->redo();
    for (int i = 0; i < 4; ++i)
        key(Qt::Key_Up, Qt::ShiftModifier); // stops at the picture's top
    EXPECT_EQ(rectOf(0), (PixelRect{16, 0, 56, 30}));

    ASSERT_TRUE(view->onCommand(CommandId::Copy));
    CommandState paste;
    view->onUpdateCommand(CommandId::Paste, paste);
    EXPECT_TRUE(paste.enabled);
    view->onCommand(CommandId::Paste);
    view->onCommand(CommandId::Paste);
    ASSERT_EQ(doc->areaCount(), 5);
    EXPECT_EQ(rectOf(3), (PixelRect{26, 10, 66, 40}));
    EXPECT_EQ(rectOf(4), (PixelRect{36, 20, 76, 50}));
    EXPECT_EQ(view->selected(), 4);

    // A polygon pastes where it was copied + 10; another map at another
    // zoom takes it from the clipboard where the cascade goes on (not at
    // its corner), with its title and the attributes it kept from its page.
    AreaTexts texts = doc->area(2)->texts();
    texts.title = "Tip";
    texts.attributes = {{"data-x", "1 \"2\"", TagAttribute::Form::SingleQuoted}};
    doc->setAreaTexts(2, texts);
    view->setSelected(2);
    view->onCommand(CommandId::Copy);
    view->onCommand(CommandId::Paste);
    EXPECT_EQ(doc->area(5)->imageRing(),
              QPolygon({QPoint(160, 30), QPoint(210, 40), QPoint(190, 90), QPoint(160, 30)}));
    StubPictures otherPictures;
    auto other = documentWith(otherPictures, solid(300, 200, 0xff202020));
    CImageMapView second(other.get());
    showAt(second, 300, 200);
    second.setZoom(ZoomLevel::in(2));
    second.onCommand(CommandId::Paste);
    ASSERT_EQ(other->areaCount(), 1);
    EXPECT_EQ(other->area(0)->texts(), texts);
    EXPECT_EQ(other->area(0)->imageRing(),
              QPolygon({QPoint(170, 40), QPoint(220, 50), QPoint(200, 100), QPoint(170, 40)}));
}

TEST_F(ViewTools, EscTheRightButtonAndAToolSwitchCancelAndRestore) {
    addRect(*doc, {20, 20, 60, 50});
    view->setScrollPosition({30, 16}); // areas follow the view
    mouse(QEvent::MouseButtonPress, at({30, 30}));
    mouse(QEvent::MouseMove, at({80, 90}));
    ASSERT_NE(view->interaction(), nullptr);
    key(Qt::Key_Escape);
    EXPECT_EQ(view->interaction(), nullptr);
    mouse(QEvent::MouseButtonRelease, at({80, 90}));
    EXPECT_EQ(rectOf(0), (PixelRect{20, 20, 60, 50}));

    mouse(QEvent::MouseButtonPress, at({59, 49}) + QPoint(3, 3)); // the corner handle
    mouse(QEvent::MouseMove, at({90, 90}));
    mouse(QEvent::MouseButtonPress, at({90, 90}), Qt::RightButton);
    mouse(QEvent::MouseButtonRelease, at({90, 90}));
    EXPECT_EQ(rectOf(0), (PixelRect{20, 20, 60, 50}));

    toolZoom.setTool(ToolZoomState::Tool::Polygon);
    click({150, 20});
    click({200, 30});
    click({180, 80});
    ASSERT_NE(view->interaction(), nullptr);
    toolZoom.setTool(ToolZoomState::Tool::Rectangle);
    EXPECT_EQ(view->interaction(), nullptr);
    EXPECT_EQ(doc->areaCount(), 1);
}

TEST_F(ViewTools, ReadOnlyMapsTakeNoEditsButHoverAndTabWork) {
    addRect(*doc, {20, 20, 60, 50});
    addRect(*doc, {100, 20, 160, 50});
    addRect(*doc, {200, 20, 260, 50});
    view->setScrollPosition({30, 16});
    doc->setReadOnly(true);
    drag({30, 30}, {70, 70});
    EXPECT_EQ(view->selected(), -1);
    EXPECT_EQ(rectOf(0), (PixelRect{20, 20, 60, 50}));
    mouse(QEvent::MouseMove, at({110, 30}));
    EXPECT_EQ(view->flyby(), 1);
    rightPress(at({110, 30}));
    EXPECT_TRUE(menus.isEmpty());

    key(Qt::Key_Tab);
    EXPECT_EQ(view->selected(), 0);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    EXPECT_EQ(view->selected(), 0); // after the last, the first
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(view->selected(), 2); // before the first, the last
    key(Qt::Key_Delete);
    key(Qt::Key_Left);
    EXPECT_EQ(doc->areaCount(), 3);
    EXPECT_EQ(rectOf(2), (PixelRect{200, 20, 260, 50}));
}

// Menus 150 to 155 by what lies under the right press; Insert Point adds
// the point pressed on and stops at 63 vertices; Delete Point of a
// triangle asks 7038 and deletes the whole polygon on Yes.
TEST_F(ViewTools, ContextMenusAndPolygonPoints) {
    ScriptedPrompter prompter;
    addPolygon(*doc, {{100, 100}, {160, 100}, {130, 150}});
    addRect(*doc, {20, 20, 60, 50});
    view->setScrollPosition({30, 16});
    const QPoint vertex = view->imageToWindow({160, 100});
    const QPoint edge = view->imageToWindow({130, 100});
    toolZoom.setTool(ToolZoomState::Tool::Polygon);
    rightPress(vertex);
    rightPress(edge);
    rightPress(at({30, 30}));
    toolZoom.setTool(ToolZoomState::Tool::Arrow);
    rightPress(vertex);
    rightPress(edge);
    rightPress(at({30, 30}));
    EXPECT_EQ(view->selected(), 1);
    rightPress(at({300, 250}));
    EXPECT_EQ(menus, (QList<int>{151, 152, 155, 154, 153, 150, 155}));

    rightPress(edge);
    view->onCommand(CommandId::InsertPoint);
    ASSERT_EQ(doc->area(0)->vertexCount(), 4);
    EXPECT_EQ(doc->area(0)->vertex(1), QPoint(130, 100));
    // Points along a long edge at 1:1, one after the other, past the old
    // limit of 63.
    view->setZoom(ZoomLevel::in(1));
    const MapArea* wide = addPolygon(*doc, {{10, 200}, {390, 200}, {200, 290}});
    for (int x = 16; x < 390; x += 6) {
        rightPress(view->imageToWindow({x, 200}));
        view->onCommand(CommandId::InsertPoint);
    }
    ASSERT_GT(wide->vertexCount(), 63);
    // A polygon of the most points a map takes has no room for another.
    PictureArea full = wide->picture();
    full.points = {{10, 200}, {390, 200}};
    for (int k = 0; full.points.size() < MapArea::kMaxVertices; ++k)
        full.points << QPoint(389 - k * 378 / MapArea::kMaxVertices, k % 2 ? 250 : 290);
    doc->changeArea(2, [&](MapArea& a) { a.setPicture(full); });
    ASSERT_EQ(wide->vertexCount(), MapArea::kMaxVertices);
    rightPress(view->imageToWindow({200, 200}));
    EXPECT_EQ(menus.back(), 153);
    CommandState insert;
    view->onUpdateCommand(CommandId::InsertPoint, insert);
    EXPECT_FALSE(insert.enabled);

    doc->deleteArea(2);
    doc->deleteArea(0);
    addPolygon(*doc, {{100, 100}, {160, 100}, {130, 150}});
    const QPoint corner = view->imageToWindow({160, 100});
    prompter.script({Prompter::Answer::No, Prompter::Answer::Yes});
    rightPress(corner);
    view->onCommand(CommandId::DeletePoint);
    EXPECT_EQ(doc->areaCount(), 2);
    rightPress(corner);
    view->onCommand(CommandId::DeletePoint);
    EXPECT_EQ(doc->areaCount(), 1);
    EXPECT_EQ(prompter.texts().size(), 2);
    EXPECT_EQ(prompter.texts().value(0), Strings::text(Str::DeletePointQuestion));
}

// The drop goes to the front-most area under the point, which shows while
// hovering; plain text keeps the comment; files and read-only maps take
// nothing.
TEST_F(ViewTools, UrlDrops) {
    addRect(*doc, {20, 20, 80, 80});
    doc->setAreaTexts(0, {"a.htm", {}, "Front"});
    addRect(*doc, {50, 50, 120, 120});
    view->setScrollPosition({30, 16});
    const QPoint both = at({60, 60});
    const auto send = [&](QEvent::Type type, const QMimeData& data) {
        if (type == QEvent::DragEnter) {
            QDragEnterEvent e(both, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(view->viewport(), &e);
            return e.isAccepted();
        }
        if (type == QEvent::DragMove) {
            QDragMoveEvent e(both, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(view->viewport(), &e);
            return e.isAccepted();
        }
        QDropEvent e(both, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view->viewport(), &e);
        return e.isAccepted();
    };
    QMimeData text;
    text.setText(QStringLiteral("http://example.com/x"));
    EXPECT_TRUE(send(QEvent::DragEnter, text));
    EXPECT_TRUE(send(QEvent::DragMove, text));
    EXPECT_EQ(view->flyby(), 0);
    EXPECT_TRUE(send(QEvent::Drop, text));
    EXPECT_EQ(doc->area(0)->texts(), (AreaTexts{"http://example.com/x", {}, "Front"}));
    EXPECT_EQ(view->selected(), 0);

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/page.htm"))});
    EXPECT_FALSE(send(QEvent::DragEnter, files));
    doc->setReadOnly(true);
    EXPECT_FALSE(send(QEvent::DragEnter, text));
}

} // namespace

// Several areas at once in the map view, through Qt Test's mouse and keys:
// the selection rectangle, Shift+click, Select All, Esc, moving and
// nudging the group, Delete, and the whole way from a selection rectangle
// to a saved page through Arrange, a group move and undo.
#include "ViewTestSupport.h"

#include "document/ImageMapDoc.h"
#include "model/AreaClipJson.h"
#include "model/Settings.h"
#include "support/FakeDocumentDialogs.h"
#include "support/FakePictureSource.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFiles.h"
#include "view/AreaListPane.h"
#include "view/GroupDrag.h"
#include "view/SelectionBand.h"
#include "view/SeveralAreasDialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace ViewTest;

// Five areas in a band across the top of a 400 x 300 picture, and a large
// one below that no rectangle around them holds.
const QByteArray kPage = "<html><body>\r\n<map name=\"Bar\">\r\n"
                         "<area shape=\"rect\" coords=\"20,40,60,70\" href=\"a.htm\">\r\n"
                         "<area shape=\"rect\" coords=\"90,50,110,60\" href=\"b.htm\">\r\n"
                         "<area shape=\"circle\" coords=\"160,45,10\" href=\"c.htm\">\r\n"
                         "<area shape=\"rect\" coords=\"200,30,250,60\" href=\"d.htm\">\r\n"
                         "<area shape=\"poly\" coords=\"300,50,330,50,310,80\" href=\"e.htm\">\r\n"
                         "<area shape=\"rect\" coords=\"10,200,390,290\" href=\"f.htm\">\r\n"
                         "</map>\r\n<img src=\"pic.gif\" usemap=\"#Bar\">\r\n</body></html>\r\n";

std::vector<PictureArea> areasOf(const CImageMapDoc& doc) {
    std::vector<PictureArea> out;
    for (int i = 0; i < doc.areaCount(); ++i)
        out.push_back(doc.area(i)->picture());
    return out;
}

class MultipleSelection : public ::testing::Test, protected TempFiles {
protected:
    void SetUp() override {
        resetSettings();
        Settings::app().skipSavedDialog = true;
        ASSERT_TRUE(doc.openDocument(write("page.htm", kPage)));
        ASSERT_EQ(doc.areaCount(), 6);
        view = std::make_unique<CImageMapView>(&doc);
        showAt(*view, 440, 340);
        ASSERT_EQ(view->zoom(), ZoomLevel::in(1));
        ASSERT_EQ(view->scrollPosition(), QPoint(0, 0));
    }
    void TearDown() override {
        view.reset();
        Settings::app() = Settings();
    }
    QWidget* port() const { return view->viewport(); }
    void click(QPoint at, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(port(), Qt::LeftButton, modifiers, at);
    }
    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mousePress(port(), Qt::LeftButton, modifiers, from);
        QTest::mouseMove(port(), (from + to) / 2);
        QTest::mouseMove(port(), to);
        QTest::mouseRelease(port(), Qt::LeftButton, modifiers, to);
    }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(view.get(), k, modifiers);
    }
    std::vector<int> selection() const { return view->currentSelection().indices(); }
    PixelRect box(int i) const { return doc.area(i)->picture().bounds(); }

    ScriptedPrompter prompter;
    FakeDocumentDialogs dialogs;
    FakePictureSource pictures;
    CImageMapDoc doc{&dialogs, &pictures};
    std::unique_ptr<CImageMapView> view;
};

} // namespace

// What must hold: a selection rectangle around five areas, Align Top,
// Distribute Horizontally, Make Same Size, a move of all five, each step
// undone one by one, and the saved page holding exactly the boxes the
// rules give.
TEST_F(MultipleSelection, RectangleAlignDistributeSameSizeMoveUndoAndSave) {
    const std::vector<PictureArea> start = areasOf(doc);
    drag({5, 5}, {360, 120});
    EXPECT_EQ(selection(), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(view->selected(), 0) << "the first in map order is the key area";
    EXPECT_FALSE(view->interaction());

    ASSERT_TRUE(view->onCommand(CommandId::AlignTop));
    EXPECT_EQ(doc.undoStack().undoText(), "Align Top");
    EXPECT_EQ(box(1), (PixelRect{90, 40, 110, 50}));
    EXPECT_EQ(box(2), (PixelRect{150, 40, 170, 60}));
    EXPECT_EQ(box(3), (PixelRect{200, 40, 250, 70}));
    EXPECT_EQ(box(4), (PixelRect{300, 40, 331, 71}));
    const std::vector<PictureArea> aligned = areasOf(doc);

    // Widths 40, 20, 20, 50, 31 from 20 to 331: 150 pixels over four gaps,
    // the first two a pixel wider.
    view->onCommand(CommandId::DistributeHorizontally);
    EXPECT_EQ(box(0), (PixelRect{20, 40, 60, 70}));
    EXPECT_EQ(box(1), (PixelRect{98, 40, 118, 50}));
    EXPECT_EQ(box(2), (PixelRect{156, 40, 176, 60}));
    EXPECT_EQ(box(3), (PixelRect{213, 40, 263, 70}));
    EXPECT_EQ(box(4), (PixelRect{300, 40, 331, 71}));
    const std::vector<PictureArea> distributed = areasOf(doc);

    view->onCommand(CommandId::SameSize);
    EXPECT_EQ(box(1), (PixelRect{98, 40, 138, 70}));
    EXPECT_EQ(box(2), (PixelRect{146, 30, 186, 70})) << "a circle keeps its centre";
    EXPECT_EQ(box(3), (PixelRect{213, 40, 253, 70}));
    EXPECT_EQ(doc.area(4)->picture().points, QPolygon({{300, 40}, {339, 40}, {313, 69}}));
    const std::vector<PictureArea> sized = areasOf(doc);

    // A selected body drags all five.
    drag({30, 50}, {35, 150});
    EXPECT_EQ(doc.undoStack().undoText(), "Move 5 Areas");
    EXPECT_EQ(box(0), (PixelRect{25, 140, 65, 170}));
    EXPECT_EQ(box(5), start[5].rect);
    EXPECT_EQ(selection(), (std::vector<int>{0, 1, 2, 3, 4}));

    ASSERT_TRUE(doc.doSave(path("page.htm")));
    const QByteArray page = read("page.htm");
    for (const char* coords :
         {"COORDS=\"25,140,65,170\"", "COORDS=\"103,140,143,170\"", "COORDS=\"171,150,20\"",
          "COORDS=\"218,140,258,170\"", "COORDS=\"305,140,344,140,318,169,305,140\"",
          // The area not moved keeps its own tag.
          "<area shape=\"rect\" coords=\"10,200,390,290\" href=\"f.htm\">\r\n"})
        EXPECT_TRUE(page.contains(coords)) << coords << "\n" << page.toStdString();

    doc.undo();
    EXPECT_EQ(areasOf(doc), sized);
    doc.undo();
    EXPECT_EQ(areasOf(doc), distributed);
    doc.undo();
    EXPECT_EQ(areasOf(doc), aligned);
    doc.undo();
    EXPECT_EQ(areasOf(doc), start);
}

TEST_F(MultipleSelection, ShiftClickAddsAndRemovesAndOnTheOneSelectedBodyReachesBehind) {
    // A second rectangle over the first's middle.
    auto over = std::make_unique<MapArea>();
    over->setRect(30, 45, 50, 65);
    doc.addArea(std::move(over)); // index 6, behind area 0
    click({100, 55});
    EXPECT_EQ(selection(), std::vector<int>{1});
    click({230, 45}, Qt::ShiftModifier);
    click({25, 45}, Qt::ShiftModifier);
    EXPECT_EQ(selection(), (std::vector<int>{1, 3, 0}));
    EXPECT_EQ(view->selected(), 1);
    click({230, 45}, Qt::ShiftModifier);
    EXPECT_EQ(selection(), (std::vector<int>{1, 0}));
    click({100, 55}, Qt::ShiftModifier);
    EXPECT_EQ(selection(), std::vector<int>{0});
    // Area 0 alone: Shift on its body picks the area behind it.
    click({40, 55}, Qt::ShiftModifier);
    EXPECT_EQ(selection(), std::vector<int>{6});

    // A plain click on another area selects it alone; on none, nothing.
    view->selectAll();
    click({100, 55});
    EXPECT_EQ(selection(), std::vector<int>{1});
    click({380, 120});
    EXPECT_TRUE(selection().empty());
}

TEST_F(MultipleSelection, RectangleWithShiftAddsEscClearsAndCancelPutsTheSelectionBack) {
    click({100, 55});
    // Only boxes wholly inside count: the circle's box reaches 35 at the top.
    drag({140, 36}, {380, 110}, Qt::ShiftModifier);
    EXPECT_EQ(selection(), (std::vector<int>{1, 4}));
    drag({190, 15}, {5, 110}, Qt::ShiftModifier);
    EXPECT_EQ(selection(), (std::vector<int>{1, 4, 0, 2}));

    // Esc during the rectangle puts back what was selected at the press.
    QTest::mousePress(port(), Qt::LeftButton, {}, {5, 150});
    QTest::mouseMove(port(), {395, 295});
    EXPECT_EQ(selection(), std::vector<int>{5});
    ASSERT_TRUE(dynamic_cast<SelectionBand*>(view->interaction()));
    key(Qt::Key_Escape);
    EXPECT_FALSE(view->interaction());
    EXPECT_TRUE(selection().empty()) << "a plain press cleared it";
    QTest::mouseRelease(port(), Qt::LeftButton, {}, {395, 295});

    ASSERT_TRUE(view->onCommand(CommandId::SelectAll));
    EXPECT_EQ(view->currentSelection().count(), 6);
    key(Qt::Key_Escape);
    EXPECT_TRUE(selection().empty());
    // Tab goes back to one area.
    view->selectAll();
    key(Qt::Key_Tab);
    EXPECT_EQ(selection(), std::vector<int>{1});
}

TEST_F(MultipleSelection, GroupNudgesStopAtTheEdgeHandlesMoveTheGroupDeleteTakesAll) {
    click({40, 50});
    click({230, 45}, Qt::ShiftModifier);
    const std::vector<PictureArea> start = areasOf(doc);
    const int steps = doc.undoStack().count();
    for (int i = 0; i < 3; ++i)
        key(Qt::Key_Up, Qt::ShiftModifier);
    // Area 3's top (30) reaches the edge first; area 0 keeps its distance.
    EXPECT_EQ(box(3).top, 0);
    EXPECT_EQ(box(0).top, 10);
    EXPECT_EQ(doc.undoStack().count(), steps + 1) << "nudges in a row are one step";
    EXPECT_EQ(doc.undoStack().undoText(), "Move 2 Areas");
    doc.undo();
    EXPECT_EQ(areasOf(doc), start);

    // A press on a handle of one of several selected areas moves them all.
    QTest::mousePress(port(), Qt::LeftButton, {}, {250, 60}); // area 3's corner
    EXPECT_TRUE(dynamic_cast<GroupDrag*>(view->interaction()));
    QTest::mouseMove(port(), {260, 70});
    QTest::mouseRelease(port(), Qt::LeftButton, {}, {260, 70});
    EXPECT_EQ(box(3), (PixelRect{210, 40, 260, 70}));
    EXPECT_EQ(box(0), (PixelRect{30, 50, 70, 80}));

    // Bring to Front and Delete work on both.
    ASSERT_TRUE(view->onCommand(CommandId::SendToBack));
    EXPECT_EQ(doc.area(5)->url(), "d.htm");
    EXPECT_EQ(doc.area(4)->url(), "a.htm");
    EXPECT_EQ(view->currentSelection().inMapOrder(), (std::vector<int>{4, 5}));
    key(Qt::Key_Delete);
    EXPECT_EQ(doc.areaCount(), 4);
    EXPECT_EQ(doc.undoStack().undoText(), "Delete 2 Areas");
    EXPECT_TRUE(selection().empty());
    doc.undo();
    EXPECT_EQ(doc.areaCount(), 6);

    // Read-only: arranging is off.
    view->selectAll();
    CommandState state;
    view->onUpdateCommand(CommandId::AlignLeft, state);
    EXPECT_TRUE(state.enabled);
    doc.setReadOnly(true);
    view->onUpdateCommand(CommandId::AlignLeft, state);
    EXPECT_FALSE(state.enabled);
}

// Copy of several areas in one map and paste into another: they come in
// map order, keep their places relative to each other beside where they
// were, are selected, and are one step; a reader of one area finds the
// first.
TEST_F(MultipleSelection, SeveralAreasGoThroughTheClipboardBetweenMaps) {
    click({230, 45});
    click({100, 55}, Qt::ShiftModifier);
    click({310, 55}, Qt::ShiftModifier);
    ASSERT_TRUE(view->onCommand(CommandId::Copy));
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    const std::optional<AreaClipRecord> one = AreaClipJson::fromMimeData(*data);
    ASSERT_TRUE(one);
    EXPECT_EQ(one->texts.url, "b.htm") << "the first in map order";

    FakePictureSource otherPictures;
    CImageMapDoc other{&dialogs, &otherPictures};
    ASSERT_TRUE(other.openDocument(write("other.htm", kPage)));
    other.deleteAreas({0, 1, 2, 3, 4, 5});
    CImageMapView otherView(&other);
    showAt(otherView, 440, 340);
    ASSERT_TRUE(otherView.onCommand(CommandId::Paste));
    ASSERT_EQ(other.areaCount(), 3);
    EXPECT_EQ(other.undoStack().undoText(), "Paste 3 Areas");
    EXPECT_EQ(otherView.currentSelection().indices(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(other.area(0)->url(), "b.htm");
    EXPECT_EQ(other.area(1)->url(), "d.htm");
    EXPECT_EQ(other.area(2)->url(), "e.htm");
    // 10 pixels down and right of the copies, as one area's paste.
    EXPECT_EQ(other.area(0)->imageRect(), (PixelRect{100, 60, 120, 70}));
    EXPECT_EQ(other.area(1)->imageRect(), (PixelRect{210, 40, 260, 70}));
    EXPECT_EQ(other.area(2)->picture().points, doc.area(4)->picture().translated(10, 10).points);

    // Cut takes all three from the first map as one step.
    ASSERT_TRUE(view->onCommand(CommandId::Cut));
    EXPECT_EQ(doc.areaCount(), 3);
    EXPECT_EQ(doc.undoStack().undoText(), "Cut 3 Areas");
    other.undo();
    EXPECT_EQ(other.areaCount(), 0);
}

// The area list and the view show one selection: Ctrl+ and Shift+click in
// the list select several areas in the view (the first chosen the key),
// a selection rectangle in the view selects the rows.
TEST_F(MultipleSelection, TheListAndTheViewShareTheSelection) {
    AreaListPane list(doc);
    list.resize(300, 300);
    list.show();
    list.onChosenRows = [this](const std::vector<int>& rows) {
        AreaSelection selection;
        for (int i : rows)
            selection.add(i);
        view->setSelection(selection);
    };
    QObject::connect(view.get(), &CImageMapView::selectionChanged, &list,
                     [&list, this] { list.showSelection(view->currentSelection().indices()); });
    const auto row = [&list](int r) { return list.visualRect(list.model()->index(r, 1)).center(); };
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row(3));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, row(1));
    EXPECT_EQ(selection(), (std::vector<int>{3, 1}));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ShiftModifier, row(5));
    EXPECT_EQ(view->selected(), 3);
    EXPECT_EQ(view->currentSelection().inMapOrder(), (std::vector<int>{1, 2, 3, 4, 5}));
    ASSERT_TRUE(view->onCommand(CommandId::AlignLeft));
    EXPECT_EQ(box(1).left, 200) << "lined up with the key area chosen first";

    drag({5, 5}, {120, 120});
    EXPECT_EQ(list.selectedRows(), (std::vector<int>{0}));
    view->selectAll();
    EXPECT_EQ(list.selectionModel()->selectedRows().size(), 6);
    EXPECT_EQ(list.currentIndex().row(), 0);
    key(Qt::Key_Escape);
    EXPECT_TRUE(list.selectionModel()->selectedRows().isEmpty());
}

// Fields the areas share show their value, the others "Several values";
// only what the user edited comes back.
TEST_F(MultipleSelection, SeveralAreasDialogShowsSharedValuesAndGivesBackOnlyEditedFields) {
    AreaTexts b = doc.area(1)->texts(), d = doc.area(3)->texts();
    b.target = d.target = "_blank";
    doc.setAreasTexts({{1, b}, {3, d}});
    SeveralAreasDialog dialog({doc.area(1), doc.area(3)});
    EXPECT_EQ(dialog.windowTitle(), "Settings of 2 Areas");
    EXPECT_TRUE(dialog.edit(SeveralAreasDialog::Url)->text().isEmpty());
    EXPECT_EQ(dialog.edit(SeveralAreasDialog::Url)->placeholderText(), "Several values");
    EXPECT_EQ(dialog.edit(SeveralAreasDialog::Target)->text(), "_blank");
    EXPECT_TRUE(dialog.edit(SeveralAreasDialog::Target)->placeholderText().isEmpty());
    QTest::keyClicks(dialog.edit(SeveralAreasDialog::Comment), "Menu");
    const AreaTextsChange change = dialog.change();
    EXPECT_EQ(change.comment, QByteArray("Menu"));
    EXPECT_FALSE(change.url);
    EXPECT_FALSE(change.target);
    EXPECT_FALSE(change.title);
}

// Check Map in the editor, offscreen: the Goodies command lists the map's
// findings, and a double-click on one selects its area in the view and
// scrolls it into sight.
#include "ShellFixture.h"

#include "app/frames/MapViewPane.h"
#include "view/CheckMapDialog.h"
#include "view/ImageMapView.h"
#include "view/WindowPlacement.h"

#include <QTest>
#include <QTreeWidget>

namespace {

using C = CommandId;

class CheckMapTest : public ShellTest {
protected:
    CImageMapView& view() {
        auto* pane = dynamic_cast<MapViewPane*>(&frame().activeChild()->mapPane());
        EXPECT_TRUE(pane);
        return *pane->view();
    }
    // The first row of the dialog's list that concerns area number.
    static QTreeWidgetItem* rowOf(QTreeWidget& list, int number) {
        for (int i = 0; i < list.topLevelItemCount(); ++i) {
            if (list.topLevelItem(i)->data(0, Qt::UserRole).toInt() == number)
                return list.topLevelItem(i);
        }
        return nullptr;
    }
    // A double-click as the window system delivers it: a click first.
    static void doubleClick(QTreeWidget& list, QTreeWidgetItem* row) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(row).center());
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(row).center());
    }
};

} // namespace

TEST_F(CheckMapTest, AFindingDoubleClickedSelectsItsAreaInTheView) {
    start();
    EXPECT_FALSE(state(C::CheckMap).enabled); // no map open
    // The sample's map name holds a space and its links lead nowhere here.
    start({sampleMap("site.map")});
    runEvents();
    EXPECT_TRUE(state(C::CheckMap).enabled);
    ASSERT_TRUE(dispatch(C::Zoom4));
    runEvents();
    view().setScrollPosition({0, 0});
    // The badge at 4:1, in window pixels: beyond the window's right edge.
    const auto badgeShown = [&] {
        const PixelRect box = view().document()->area(2)->imageRect();
        return QRect(view().imageToWindow({box.left, box.top}),
                     view().imageToWindow({box.right, box.bottom}) - QPoint(1, 1));
    };
    ASSERT_FALSE(view().viewport()->rect().intersects(badgeShown()));

    ASSERT_TRUE(dispatch(C::CheckMap));
    runEvents(); // laid out and shown
    auto* dialog = frame().findChild<CheckMapDialog*>();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->isVisible());
    QTreeWidget& list = *dialog->list();
    ASSERT_EQ(list.topLevelItem(0)->text(1), "map-name-space");
    EXPECT_EQ(list.topLevelItem(0)->text(0), "Map");

    QTreeWidgetItem* badge = rowOf(list, 3);
    ASSERT_TRUE(badge);
    EXPECT_EQ(badge->text(1), "broken-link");
    doubleClick(list, badge);
    EXPECT_EQ(view().selected(), 2);
    EXPECT_TRUE(view().viewport()->rect().contains(badgeShown()));
    // The list never hides the area it selects: moved over it, it steps
    // aside on the next choice.
    const auto badgeOnScreen = [&] {
        return badgeShown().translated(view().viewport()->mapToGlobal(QPoint()));
    };
    EXPECT_FALSE(dialog->frameGeometry().intersects(badgeOnScreen()));
    dialog->move(badgeOnScreen().topLeft() - QPoint(20, 20));
    ASSERT_TRUE(dialog->frameGeometry().intersects(badgeOnScreen()));
    doubleClick(list, badge);
    EXPECT_FALSE(dialog->frameGeometry().intersects(badgeOnScreen()));

    // The map's own finding has no area: the selection stays.
    doubleClick(list, list.topLevelItem(0));
    EXPECT_EQ(view().selected(), 2);
    dialog->reject();
    EXPECT_TRUE(waitUntil([&] { return !frame().findChild<CheckMapDialog*>(); }));

    // A map without findings is said to be clean in a message.
    QFile link(m_dir.filePath("a.htm"));
    ASSERT_TRUE(link.open(QIODevice::WriteOnly));
    QFile page(m_dir.filePath("clean.htm"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<IMG SRC=\"pic.png\" USEMAP=\"#m\"><MAP NAME=\"m\">"
               "<AREA COORDS=\"0,0,50,50\" HREF=\"a.htm\" ALT=\"A\"></MAP>");
    page.close();
    start({page.fileName()});
    runEvents();
    ASSERT_TRUE(dispatch(C::CheckMap));
    EXPECT_FALSE(frame().findChild<CheckMapDialog*>());
    EXPECT_TRUE(m_prompter.texts().contains("Check Map found nothing to report."));
}

// A tool window goes beside what it keeps in sight: right, else left, below
// or above, inside the screen's room, else where it covers the least.
TEST(WindowPlacementTest, BesideTheRectangleItKeepsInSight) {
    const QRect room(0, 0, 1600, 1000);
    const QSize size(400, 300);
    const auto at = [&](const QRect& avoid) {
        return QRect(WindowPlacement::beside(size, avoid, room), size);
    };
    EXPECT_EQ(at({100, 100, 500, 400}).topLeft(), QPoint(608, 100));  // right
    EXPECT_EQ(at({1000, 100, 500, 400}).topLeft(), QPoint(592, 100)); // left
    EXPECT_EQ(at({100, 100, 1400, 400}).topLeft(), QPoint(100, 508)); // below
    EXPECT_EQ(at({100, 500, 1400, 400}).topLeft(), QPoint(100, 192)); // above
    // No side has room: the least covered place, still on the screen.
    const QRect full(50, 50, 1500, 900);
    const QRect placed = at(full);
    EXPECT_TRUE(room.contains(placed));
    EXPECT_EQ(WindowPlacement::covered(placed, full), qint64(400) * 250);
    // Every place lies in the room and, where a side has room, clear of it.
    for (int trial = 0; trial < 200; ++trial) {
        const int x = (trial * 137) % 1500, y = (trial * 71) % 900;
        const QRect avoid(x, y, 20 + (trial * 53) % 700, 20 + (trial * 29) % 500);
        const QRect frame = at(avoid);
        EXPECT_TRUE(room.contains(frame)) << trial;
        const bool sideRoom = avoid.left() >= 408 || room.right() - avoid.right() >= 408 ||
                              avoid.top() >= 308 || room.bottom() - avoid.bottom() >= 308;
        if (sideRoom) {
            EXPECT_FALSE(frame.intersects(avoid)) << trial;
        }
    }
}

// The area list over a document, offscreen: its rows follow the document
// without rebuilding what did not change, and dragging rows reorders the
// map.
#include "document/ImageMapDoc.h"
#include "model/CommandIds.h"
#include "support/QtTestApp.h"
#include "view/AreaListModel.h"
#include "view/AreaListPane.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

class AreaList : public ::testing::Test {
protected:
    void SetUp() override {
        list.resize(400, 300);
        list.show();
        list.onChosen = [this](int row) { chosen << row; };
    }

    // n rectangles u1 .. un.
    void addAreas(int n) {
        for (int i = 0; i < n; ++i) {
            auto a = std::make_unique<MapArea>();
            a->setRect(i, i, i + 5, i + 5);
            a->setUrl("u" + QByteArray::number(doc.areaCount() + 1));
            doc.addArea(std::move(a));
        }
    }
    QByteArray urls() const {
        QByteArray out;
        for (int i = 0; i < doc.areaCount(); ++i)
            out += doc.area(i)->url().mid(1) + ' ';
        return out.trimmed();
    }
    QPoint rowCentre(int row) const {
        return list.visualRect(list.model()->index(row, 1)).center();
    }
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent event(type, at, list.viewport()->mapToGlobal(at),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                          Qt::NoModifier);
        QApplication::sendEvent(list.viewport(), &event);
    }
    // Presses on row from, moves in steps to at and releases there.
    void drag(int from, QPoint at) {
        const QPoint start = rowCentre(from);
        mouse(QEvent::MouseButtonPress, start, Qt::LeftButton);
        for (int step = 1; step <= 4; ++step)
            mouse(QEvent::MouseMove, start + (at - start) * step / 4, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, at, Qt::NoButton);
    }

    bool m_app = (qtTestApp(), true); // before any widget
    CImageMapDoc doc;
    AreaListPane list{doc};
    QList<int> chosen;
};

} // namespace

TEST_F(AreaList, RowsShowNumberKindIconUrlCommentAndTarget) {
    addAreas(1);
    auto circle = std::make_unique<MapArea>(AreaShape::Circle);
    circle->setRect(0, 0, 10, 10);
    circle->setTexts({"c.htm", "_top", "Badge"});
    doc.addArea(std::move(circle));
    const QAbstractItemModel& rows = *list.model();
    QStringList headings;
    for (int c = 0; c < rows.columnCount(); ++c)
        headings << rows.headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headings, QStringList({"#", "URL", "Comment", "Frame Target"}));
    EXPECT_GT(list.header()->sectionSize(0), 35); // the picture and the number
    EXPECT_EQ(list.header()->sectionSize(1), 90);
    EXPECT_GE(list.header()->sectionSize(3), 90); // the last takes the rest
    ASSERT_EQ(rows.rowCount(), 2);
    EXPECT_EQ(rows.index(1, 0).data().toString(), " 2");
    EXPECT_EQ(rows.index(1, 1).data().toString(), "c.htm");
    EXPECT_EQ(rows.index(1, 2).data().toString(), "Badge");
    EXPECT_EQ(rows.index(1, 3).data().toString(), "_top");
    const auto iconOf = [&](int row) {
        return rows.index(row, 0).data(Qt::DecorationRole).value<QIcon>().cacheKey();
    };
    EXPECT_EQ(iconOf(1), AreaListModel::kindIcon(AreaShape::Circle).cacheKey());
    EXPECT_EQ(iconOf(0), AreaListModel::kindIcon(AreaShape::Rectangle).cacheKey());
    EXPECT_NE(iconOf(0), iconOf(1));
}

// 1,024 rows: a change touches only its rows; only many changes at once
// rebuild, with the wait cursor beyond 30 rows.
TEST_F(AreaList, ChangesTouchOnlyTheirRowsAndLargeRebuildsShowTheWaitCursor) {
    QList<bool> waitCursor;
    QObject::connect(list.model(), &QAbstractItemModel::modelAboutToBeReset, [&] {
        waitCursor << (QApplication::overrideCursor() &&
                       QApplication::overrideCursor()->shape() == Qt::WaitCursor);
    });
    GuideValues grid;
    grid.across = grid.down = 5;
    grid.width = grid.height = 1;
    doc.appendGuides(grid); // 25 rows
    grid.across = 32;
    grid.down = 32;
    doc.appendGuides(grid, true); // 1,024 rows
    EXPECT_EQ(waitCursor, QList<bool>({false, true}));
    EXPECT_FALSE(QApplication::overrideCursor());
    ASSERT_EQ(list.model()->rowCount(), 1024);

    QSignalSpy resets(list.model(), &QAbstractItemModel::modelReset);
    QSignalSpy changed(list.model(), &QAbstractItemModel::dataChanged);
    doc.setAreaTexts(700, {"new.htm", {}, {}});
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex().row(), 700);
    EXPECT_EQ(changed[0][1].toModelIndex().row(), 700);
    EXPECT_EQ(list.model()->index(700, 1).data().toString(), "new.htm");

    changed.clear();
    doc.moveArea(1000, 998);
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex().row(), 998);
    EXPECT_EQ(changed[0][1].toModelIndex().row(), 1000);

    doc.deleteArea(3);
    EXPECT_EQ(list.model()->rowCount(), 1023);
    EXPECT_EQ(list.model()->index(3, 0).data().toString(), " 4"); // renumbered
    EXPECT_EQ(resets.size(), 0);
}

TEST_F(AreaList, SelectionIsSharedBothWays) {
    addAreas(3);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowCentre(1));
    EXPECT_EQ(chosen, QList<int>{1});
    list.showSelection(2); // the view chose another area: not a choice of the list's
    EXPECT_EQ(list.selectedRow(), 2);
    EXPECT_EQ(chosen, QList<int>{1});
    list.showSelection(-1);
    EXPECT_EQ(list.selectedRow(), -1);
}

// Row 5 dropped on row 2 gives 1, 5, 2, 3, 4: one move of the document,
// the moved row chosen; a drop below the rows, or on a read-only map,
// changes nothing.
TEST_F(AreaList, DraggingARowReordersTheMapInOneMove) {
    addAreas(5);
    QSignalSpy moves(&doc, &CImageMapDoc::areaMoved);
    drag(4, rowCentre(1));
    EXPECT_EQ(urls(), "1 5 2 3 4");
    EXPECT_EQ(moves.size(), 1);
    EXPECT_EQ(list.selectedRow(), 1);
    EXPECT_EQ(chosen.last(), 1);
    EXPECT_EQ(list.model()->index(1, 1).data().toString(), "u5");
    EXPECT_EQ(list.model()->index(4, 0).data().toString(), " 5");

    drag(0, rowCentre(3)); // downwards: the row takes the target's place
    EXPECT_EQ(urls(), "5 2 3 1 4");

    // The saved page has the new order.
    QTemporaryDir dir;
    MapInfo info = doc.mapInfo();
    info.title = "m";
    doc.setMapInfo(info);
    ASSERT_TRUE(doc.onSaveDocument(dir.filePath("m.htm")));
    QFile page(dir.filePath("m.htm"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QByteArray text = page.readAll();
    QList<qsizetype> places;
    for (const char* url : {"u5", "u2", "u3", "u1", "u4"})
        places << text.indexOf(QByteArray("HREF=\"") + url + '"');
    EXPECT_TRUE(std::is_sorted(places.begin(), places.end()) && places.first() > 0);

    drag(2, QPoint(rowCentre(0).x(), list.viewport()->height() - 3));
    EXPECT_EQ(urls(), "5 2 3 1 4");

    doc.setReadOnly(true);
    drag(4, rowCentre(0));
    EXPECT_EQ(urls(), "5 2 3 1 4");
    EXPECT_EQ(moves.size(), 2);
}

TEST_F(AreaList, DoubleClickAndEnterAskForTheAreaSettings) {
    addAreas(3);
    QList<CommandId> commands;
    list.onCommand = [&](CommandId id) { commands << id; };
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, rowCentre(2));
    EXPECT_TRUE(commands.isEmpty()); // posted
    QCoreApplication::processEvents();
    EXPECT_EQ(commands, QList<CommandId>{CommandId::EditAreaInfo});
    EXPECT_EQ(list.selectedRow(), 2);
    EXPECT_EQ(chosen.last(), 2);
    QTest::keyClick(&list, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(commands.size(), 2);

    QList<QPoint> menus;
    list.onAreaMenu = [&](const QPoint& at) { menus << at; };
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(0, 0),
                          list.mapToGlobal(QPoint(0, 0)));
    QApplication::sendEvent(&list, &key);
    ASSERT_EQ(menus.size(), 1);
    const QRect row = list.visualRect(list.model()->index(2, 0));
    EXPECT_EQ(menus[0], list.viewport()->mapToGlobal(row.topLeft() + QPoint(2, 2)));
    list.showSelection(-1);
    QApplication::sendEvent(&list, &key);
    EXPECT_EQ(menus.size(), 1); // only while a row is selected
}

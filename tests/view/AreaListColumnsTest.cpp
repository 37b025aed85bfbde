// The area list's columns: the number column holds the kind's picture and
// the number whole; the last column takes the room the pane gains.
#include "document/ImageMapDoc.h"
#include "support/QtTestApp.h"
#include "view/AreaListModel.h"
#include "view/AreaListPane.h"

#include <QCoreApplication>
#include <QHeaderView>

#include <gtest/gtest.h>

TEST(AreaListColumns, NumbersShowWholeAndTheLastColumnStretches) {
    qtTestApp();
    CImageMapDoc doc;
    for (int i = 0; i < 120; ++i) {
        auto a = std::make_unique<MapArea>();
        a->setRect(i, i, i + 5, i + 5);
        a->setUrl("u.htm");
        doc.addArea(std::move(a));
    }
    AreaListPane list(doc);
    list.resize(400, 300);
    list.show();
    QCoreApplication::processEvents();
    // Room for the picture and "120" beside it: the number is not cut.
    EXPECT_GE(
        list.columnWidth(AreaListModel::NumberColumn),
        static_cast<const QAbstractItemView&>(list).sizeHintForColumn(AreaListModel::NumberColumn));
    const int url = list.columnWidth(AreaListModel::UrlColumn);
    const int last = list.columnWidth(AreaListModel::TargetColumn);
    list.resize(700, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(list.columnWidth(AreaListModel::UrlColumn), url);
    EXPECT_GT(list.columnWidth(AreaListModel::TargetColumn), last + 200);
    EXPECT_EQ(list.header()->sectionResizeMode(AreaListModel::UrlColumn), QHeaderView::Interactive);
}

#include "document/ImageMapDoc.h"
#include "support/FakeDocumentDialogs.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

std::unique_ptr<MapArea> rect(int left, const QByteArray& url = {}) {
    auto a = std::make_unique<MapArea>();
    a->setRect(left, 0, left + 10, 10);
    a->setUrl(url);
    return a;
}

// A document with areas a0 .. a(n-1), not modified, its signals logged.
class Doc : public ::testing::Test {
protected:
    void fill(int n) {
        for (int i = 0; i < n; ++i)
            doc.addArea(rect(i * 10, "a" + QByteArray::number(i)));
        doc.setModified(false);
        QObject::connect(&doc, &CImageMapDoc::areaAdded,
                         [this](int i) { log << QString("added %1").arg(i); });
        QObject::connect(&doc, &CImageMapDoc::areaRemoved, [this](int i, const PixelRect& r) {
            log << QString("removed %1 at %2").arg(i).arg(r.left);
        });
        QObject::connect(&doc, &CImageMapDoc::areaMoved,
                         [this](int f, int t) { log << QString("moved %1 %2").arg(f).arg(t); });
        QObject::connect(
            &doc, &CImageMapDoc::areaChanged,
            [this](int i, const PixelRect& before, const PixelRect& after) {
                log << QString("changed %1 %2 %3").arg(i).arg(before.left).arg(after.left);
            });
        QObject::connect(&doc, &CImageMapDoc::modifiedChanged,
                         [this](bool m) { log << QString("modified %1").arg(m); });
    }
    QStringList urls() const {
        QStringList out;
        for (int i = 0; i < doc.areaCount(); ++i)
            out << doc.area(i)->url();
        return out;
    }
    bool enabled(CommandId id, int selected = -1, bool clip = false) const {
        return doc.commandEnabled(id, {selected, clip});
    }

    FakeDocumentDialogs dialogs;
    CImageMapDoc doc{&dialogs};
    QStringList log;
};

} // namespace

TEST_F(Doc, DeleteAreaClosesTheGap) {
    fill(4);
    doc.deleteArea(1);
    EXPECT_EQ(urls(), QStringList({"a0", "a2", "a3"}));
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(log, QStringList({"removed 1 at 10", "modified 1"})); // its box, in picture pixels
    doc.deleteArea(3);
    doc.deleteArea(-1);
    EXPECT_EQ(doc.areaCount(), 3);
}

TEST_F(Doc, MoveAreaShiftsThoseBetween) {
    fill(5);
    doc.moveArea(4, 1);
    EXPECT_EQ(urls(), QStringList({"a0", "a4", "a1", "a2", "a3"}));
    doc.moveArea(0, 4);
    EXPECT_EQ(urls(), QStringList({"a4", "a1", "a2", "a3", "a0"}));
    EXPECT_EQ(log, QStringList({"moved 4 1", "modified 1", "moved 0 4"}));
}

TEST_F(Doc, MoveAreaOntoItselfChangesNothing) {
    fill(3);
    doc.moveArea(1, 1);
    doc.moveArea(1, 3);
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(Doc, AddAreaStopsAtTheLimit) {
    fill(CImageMapDoc::kMaxAreas - 1);
    EXPECT_FALSE(doc.isFull());
    EXPECT_TRUE(doc.addArea(rect(0)));
    EXPECT_TRUE(doc.isFull());
    EXPECT_FALSE(doc.addArea(rect(0)));
    EXPECT_EQ(doc.areaCount(), 100000);
    EXPECT_EQ(log, QStringList({"added 99999", "modified 1"}));
}

TEST_F(Doc, ChangeAreaReportsOldAndNewBox) {
    fill(1);
    doc.changeArea(0, [](MapArea& a) { a.setRect(100, 0, 120, 10); });
    EXPECT_EQ(log, QStringList({"changed 0 0 100", "modified 1"}));
}

TEST_F(Doc, ToolsFollowTheAreaLimitAndReadOnly) {
    fill(2);
    EXPECT_TRUE(enabled(CommandId::RectangleTool));
    EXPECT_TRUE(enabled(CommandId::ArrowTool));
    for (int i = 2; i < CImageMapDoc::kMaxAreas; ++i)
        doc.addArea(rect(0));
    EXPECT_FALSE(enabled(CommandId::RectangleTool));
    EXPECT_FALSE(enabled(CommandId::CircleTool));
    EXPECT_FALSE(enabled(CommandId::PolygonTool));
    EXPECT_TRUE(enabled(CommandId::ArrowTool));
    doc.setReadOnly(true);
    EXPECT_FALSE(enabled(CommandId::ArrowTool));
}

TEST_F(Doc, OrderCommandsNeedRoomToMove) {
    fill(3);
    EXPECT_FALSE(enabled(CommandId::MoveToFront, 0));
    EXPECT_TRUE(enabled(CommandId::MoveToFront, 2));
    EXPECT_TRUE(enabled(CommandId::SendToBack, 0));
    EXPECT_FALSE(enabled(CommandId::SendToBack, 2));
    EXPECT_FALSE(enabled(CommandId::SendToBack, -1));
    EXPECT_FALSE(enabled(CommandId::MoveToFront, 3)); // no such area
    doc.setReadOnly(true);
    EXPECT_FALSE(enabled(CommandId::MoveToFront, 2));
}

TEST_F(Doc, SelectionClipboardAndReadOnlyRules) {
    fill(2);
    EXPECT_FALSE(enabled(CommandId::Delete));
    EXPECT_TRUE(enabled(CommandId::Delete, 1));
    EXPECT_TRUE(enabled(CommandId::EditAreaInfo, 0));
    EXPECT_FALSE(enabled(CommandId::Paste, -1, false));
    EXPECT_TRUE(enabled(CommandId::Paste, -1, true));
    doc.setReadOnly(true);
    EXPECT_FALSE(enabled(CommandId::Delete, 1));
    EXPECT_FALSE(enabled(CommandId::Cut, 1));
    EXPECT_TRUE(enabled(CommandId::Copy, 1));
    EXPECT_FALSE(enabled(CommandId::Paste, -1, true));
    EXPECT_FALSE(enabled(CommandId::EditMapInfo));
    EXPECT_FALSE(enabled(CommandId::CreateGuides));
    EXPECT_FALSE(enabled(CommandId::ChangeImage));
    EXPECT_TRUE(enabled(CommandId::TestMap));
    EXPECT_TRUE(enabled(CommandId::SaveAs));
}

TEST_F(Doc, SaveZoomAndAlwaysOnRules) {
    fill(1);
    EXPECT_FALSE(enabled(CommandId::Save));
    doc.setModified(true);
    EXPECT_TRUE(enabled(CommandId::Save));
    // The view answers where its level allows a step; the document never
    // holds a zoom.
    EXPECT_TRUE(enabled(CommandId::ZoomIn));
    EXPECT_TRUE(enabled(CommandId::ZoomToFit));
    EXPECT_TRUE(enabled(CommandId::Zoom8));
    EXPECT_TRUE(enabled(CommandId::ZoomOut16));
    EXPECT_TRUE(enabled(CommandId::AreaList));
    EXPECT_TRUE(enabled(CommandId::Grid));
    EXPECT_FALSE(enabled(CommandId::About)); // not the document's
}

TEST_F(Doc, TitleShowsPlaceholdersUntilNamesExist) {
    QStringList titles;
    QObject::connect(&doc, &CImageMapDoc::titleChanged, [&](const QString& t) { titles << t; });
    EXPECT_EQ(doc.titleText(), QStringLiteral("<untitled> /  (<untitled.htm>)"));
    MapInfo info = doc.mapInfo();
    info.title = "Caf\xc3\xa9";
    doc.setMapInfo(info);
    EXPECT_EQ(doc.titleText(), QStringLiteral("Café /  (<untitled.htm>)"));
    EXPECT_EQ(titles.size(), 1);
}

TEST_F(Doc, EditMapInfoStoresTheDialogsTextsOnly) {
    dialogs.mapInfo = [](MapInfo& info) {
        info.title = "Shop";
        info.author = "Ann";
        info.imageFile = "ignored.gif";
        return true;
    };
    EXPECT_TRUE(doc.editMapInfo());
    EXPECT_EQ(doc.mapInfo().title, "Shop");
    EXPECT_EQ(doc.mapInfo().author, "Ann");
    EXPECT_TRUE(doc.mapInfo().imageFile.isEmpty());
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(doc.titleText().startsWith("Shop / "));

    doc.setModified(false);
    dialogs.mapInfo = nullptr; // cancelled
    EXPECT_FALSE(doc.editMapInfo());
    EXPECT_FALSE(doc.isModified());
}

TEST_F(Doc, EditAreaInfoSetsTextsOrDeletes) {
    fill(3);
    dialogs.area = [](AreaTexts& t) {
        t.url = "new.htm";
        t.target = "_top";
        return DocumentDialogs::AreaChoice::Ok;
    };
    EXPECT_TRUE(doc.editAreaInfo(1));
    EXPECT_EQ(dialogs.lastAreaNumber, 2);
    EXPECT_EQ(doc.area(1)->url(), "new.htm");
    EXPECT_EQ(doc.area(1)->target(), "_top");
    EXPECT_EQ(doc.area(1)->comment(), "");

    dialogs.area = [](AreaTexts&) { return DocumentDialogs::AreaChoice::Delete; };
    EXPECT_TRUE(doc.editAreaInfo(0));
    EXPECT_EQ(urls(), QStringList({"new.htm", "a2"}));
}

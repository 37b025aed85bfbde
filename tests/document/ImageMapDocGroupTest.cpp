// Steps over several areas at once: each is one step named for the count
// that one undo reverses exactly; arranging random selections of a map.
#include "document/ImageMapDoc.h"
#include "model/AreaClipRecord.h"
#include "model/PastePosition.h"
#include "model/Settings.h"
#include "model/Strings.h"
#include "support/FakeDocumentDialogs.h"
#include "support/FakePictureSource.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

std::vector<PictureArea> areasOf(const CImageMapDoc& doc) {
    std::vector<PictureArea> out;
    for (int i = 0; i < doc.areaCount(); ++i)
        out.push_back(doc.area(i)->picture());
    return out;
}

class Group : public ::testing::Test {
protected:
    void SetUp() override {
        CImageMapDoc::NewMapStart start;
        start.imagePath = QStringLiteral("picture.gif"); // 400 x 300
        ASSERT_TRUE(doc.newDocument(start));
    }
    void add(const PixelRect& r, AreaShape shape = AreaShape::Rectangle, QByteArray url = {}) {
        auto a = std::make_unique<MapArea>(shape);
        a->setRect(r);
        a->setUrl(url);
        ASSERT_TRUE(doc.addArea(std::move(a)));
    }
    void addPolygon(const QList<QPoint>& points) {
        auto a = std::make_unique<MapArea>(AreaShape::Polygon);
        for (QPoint p : points)
            a->addVertex(p.x(), p.y());
        ASSERT_TRUE(doc.addArea(std::move(a)));
    }
    QString undoText() const { return doc.undoStack().undoText(); }

    ScriptedPrompter prompter;
    FakeDocumentDialogs dialogs;
    FakePictureSource pictures;
    CImageMapDoc doc{&dialogs, &pictures};
};

} // namespace

TEST_F(Group, MovesDeletesAndReordersAreOneStepEachNamedForTheCount) {
    for (int i = 0; i < 6; ++i)
        add({10 + 50 * i, 10, 40 + 50 * i, 40}, AreaShape::Rectangle, QByteArray::number(i));
    const std::vector<PictureArea> start = areasOf(doc);
    const int steps = doc.undoStack().count();

    // The group stops at the picture's edge, its shape kept.
    ASSERT_TRUE(doc.moveAreas({1, 3, 5}, 200, -50));
    EXPECT_EQ(undoText(), "Move 3 Areas");
    EXPECT_EQ(doc.area(5)->imageRect(), (PixelRect{370, 0, 400, 30}));
    EXPECT_EQ(doc.area(1)->imageRect(), (PixelRect{170, 0, 200, 30}));
    EXPECT_EQ(doc.area(0)->picture(), start[0]);
    EXPECT_FALSE(doc.moveAreas({1, 3, 5}, 1, 0)) << "already at the edge";
    doc.undo();
    EXPECT_EQ(areasOf(doc), start);

    // Nudges of the same group merge; cancelling out leaves no step.
    doc.moveAreas({2, 4}, 1, 0, true);
    doc.moveAreas({2, 4}, 1, 0, true);
    EXPECT_EQ(doc.undoStack().count(), steps + 1);
    EXPECT_EQ(doc.area(4)->imageRect().left, 212);
    doc.undo();
    EXPECT_EQ(areasOf(doc), start);

    doc.deleteAreas({4, 0, 2});
    EXPECT_EQ(undoText(), "Delete 3 Areas");
    ASSERT_EQ(doc.areaCount(), 3);
    EXPECT_EQ(doc.area(0)->url(), "1");
    EXPECT_EQ(doc.area(2)->url(), "5");
    doc.undo();
    EXPECT_EQ(areasOf(doc), start);
    doc.deleteAreas({3, 1}, true);
    EXPECT_EQ(undoText(), "Cut 2 Areas");
    doc.undo();
    doc.deleteAreas({3});
    EXPECT_EQ(undoText(), "Delete Area");
    doc.undo();
    EXPECT_EQ(areasOf(doc), start);

    // Front and back keep the group's own order.
    const auto urls = [this] {
        QByteArray s;
        for (int i = 0; i < doc.areaCount(); ++i)
            s += doc.area(i)->url();
        return s;
    };
    EXPECT_TRUE(doc.canBringToFront({4, 2}));
    doc.bringAreasToFront({4, 2});
    EXPECT_EQ(urls(), "240135");
    EXPECT_EQ(undoText(), "Bring 2 Areas to Front");
    EXPECT_FALSE(doc.canBringToFront({0, 1}));
    doc.sendAreasToBack({0, 3, 1});
    EXPECT_EQ(urls(), "035241");
    EXPECT_EQ(undoText(), "Send 3 Areas to Back");
    EXPECT_FALSE(doc.canSendToBack({3, 4, 5}));
    doc.undo();
    doc.undo();
    EXPECT_EQ(areasOf(doc), start);

    // Texts of several areas, one step.
    AreaTexts t = doc.area(0)->texts();
    t.target = "_blank";
    doc.setAreasTexts({{0, t}, {3, t}});
    EXPECT_EQ(undoText(), "Settings of 2 Areas");
    doc.undo();
    EXPECT_EQ(areasOf(doc), start);

    // Several pasted areas, one step; as many as the map has room for.
    std::vector<PictureArea> pasted(2, start[0]);
    EXPECT_EQ(doc.addAreas(pasted, Str::StepPaste), 6);
    EXPECT_EQ(undoText(), "Paste 2 Areas");
    doc.undo();
    EXPECT_EQ(areasOf(doc), start);
}

TEST_F(Group, ReadOnlyMapsTakeNoGroupStep) {
    add({10, 10, 40, 40});
    add({100, 50, 140, 90});
    const int steps = doc.undoStack().count();
    doc.setReadOnly(true);
    EXPECT_FALSE(doc.moveAreas({0, 1}, 5, 5));
    doc.deleteAreas({0, 1});
    doc.bringAreasToFront({1});
    EXPECT_FALSE(doc.arrangeAreas({1, 0}, AreaArrange::Op::AlignTop, Str::ItemAlignTop));
    CImageMapDoc::CommandContext context;
    context.selected = 1;
    context.selection = {1, 0};
    EXPECT_FALSE(doc.commandEnabled(CommandId::AlignTop, context));
    EXPECT_EQ(doc.undoStack().count(), steps);
    EXPECT_EQ(doc.areaCount(), 2);
    doc.setReadOnly(false);
    EXPECT_TRUE(doc.commandEnabled(CommandId::AlignTop, context));
    EXPECT_FALSE(doc.commandEnabled(CommandId::AlignLeft, {1, false, {1}}))
        << "one area has nothing to line up with";
    EXPECT_FALSE(doc.commandEnabled(CommandId::DistributeHorizontally, context))
        << "distributing needs three";
}

// Random maps and selections: every Arrange command is one step (or none
// when it would change nothing, and then disabled), keeps the map's order
// and every changed area inside the picture, and one undo restores every
// area exactly.
TEST_F(Group, ArrangingRandomSelectionsIsOneStepThatUndoesExactly) {
    std::mt19937 rng(2024);
    std::uniform_int_distribution<int> x(0, 380), y(0, 280), size(1, 90);
    for (int i = 0; i < 24; ++i) {
        const int l = x(rng), t = y(rng);
        switch (i % 3) {
        case 0:
            add({l, t, l + size(rng), t + size(rng)}, AreaShape::Rectangle, QByteArray::number(i));
            break;
        case 1: {
            const int d = size(rng);
            add({l, t, l + d, t + d}, AreaShape::Circle, QByteArray::number(i));
            break;
        }
        default:
            addPolygon({{l, t}, {l + size(rng), t + 3}, {l + 5, t + size(rng)}});
        }
    }
    const AreaArrange::Op ops[] = {AreaArrange::Op::AlignLeft,
                                   AreaArrange::Op::AlignBottom,
                                   AreaArrange::Op::AlignVerticalCentres,
                                   AreaArrange::Op::DistributeHorizontally,
                                   AreaArrange::Op::DistributeVertically,
                                   AreaArrange::Op::SameWidth,
                                   AreaArrange::Op::SameHeight,
                                   AreaArrange::Op::SameSize};
    const PixelRect picture = doc.imageBounds();
    for (int round = 0; round < 120; ++round) {
        std::vector<int> all(std::size_t(doc.areaCount()));
        std::iota(all.begin(), all.end(), 0);
        std::shuffle(all.begin(), all.end(), rng);
        const std::vector<int> selection(all.begin(), all.begin() + 2 + round % 7);
        const AreaArrange::Op op = ops[round % std::size(ops)];
        const std::vector<PictureArea> before = areasOf(doc);
        const int steps = doc.undoStack().count();
        const bool can = doc.canArrange(selection, op);
        EXPECT_EQ(doc.arrangeAreas(selection, op, Str::ItemSameSize), can);
        const std::vector<PictureArea> after = areasOf(doc);
        EXPECT_EQ(doc.undoStack().count(), steps + (can ? 1 : 0));
        std::vector<PictureArea> chosen;
        for (int i : selection)
            chosen.push_back(before[std::size_t(i)]);
        const std::vector<PictureArea> expected = AreaArrange::apply(op, chosen, picture);
        for (int i = 0; i < doc.areaCount(); ++i) {
            const auto at = std::find(selection.begin(), selection.end(), i);
            if (at == selection.end()) {
                EXPECT_EQ(after[std::size_t(i)], before[std::size_t(i)]);
                continue;
            }
            const PictureArea& a = after[std::size_t(i)];
            EXPECT_EQ(a, expected[std::size_t(at - selection.begin())]);
            EXPECT_EQ(a.texts.url, before[std::size_t(i)].texts.url) << "map order kept";
            if (!(a == before[std::size_t(i)])) {
                EXPECT_TRUE(picture.encloses(a.bounds()));
            }
        }
        if (can) {
            doc.undo();
            EXPECT_EQ(areasOf(doc), before);
            doc.redo();
            EXPECT_EQ(areasOf(doc), after);
        }
    }
}

TEST_F(Group, AreaSettingsOverSeveralAreasSetsOnlyTheChangedTexts) {
    add({10, 10, 40, 40}, AreaShape::Rectangle, "a.htm");
    add({50, 10, 80, 40}, AreaShape::Rectangle, "b.htm");
    add({90, 10, 120, 40}, AreaShape::Rectangle, "c.htm");
    const int steps = doc.undoStack().count();
    EXPECT_FALSE(doc.editAreasInfo({0, 2})) << "cancelled";
    EXPECT_EQ(dialogs.severalShown, 1);
    dialogs.severalAreas = AreaTextsChange{};
    dialogs.severalAreas->target = "_top";
    ASSERT_TRUE(doc.editAreasInfo({0, 2}));
    EXPECT_EQ(doc.undoStack().count(), steps + 1);
    EXPECT_EQ(undoText(), "Settings of 2 Areas");
    EXPECT_EQ(doc.area(0)->url(), "a.htm");
    EXPECT_EQ(doc.area(0)->target(), "_top");
    EXPECT_EQ(doc.area(2)->url(), "c.htm");
    EXPECT_EQ(doc.area(2)->target(), "_top");
    EXPECT_TRUE(doc.area(1)->target().isEmpty());
    doc.undo();
    EXPECT_TRUE(doc.area(0)->target().isEmpty());
}

// A paste of several areas goes in whole or not at all: where the map has
// no room for all of them, nothing is pasted and the user is told why.
TEST_F(Group, APasteOfSeveralAreasThatDoesNotFitIsRefusedWhole) {
    for (int i = 0; i < CImageMapDoc::kMaxAreas - 2; ++i)
        add({i % 100, i / 100, i % 100 + 5, i / 100 + 5});
    std::vector<std::pair<AreaClipRecord, QPoint>> records;
    for (int i = 0; i < 3; ++i)
        records.emplace_back(AreaClipRecord::of(*doc.area(i)), QPoint(10 * i, 0));
    const std::vector<PictureArea> before = areasOf(doc);
    const int steps = doc.undoStack().count();
    PastePosition position;
    const auto [first, count] = doc.pasteAreas(records, position, GridSettings{});
    EXPECT_EQ(first, -1);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(areasOf(doc), before);
    EXPECT_EQ(doc.undoStack().count(), steps);
    ASSERT_EQ(prompter.shown().size(), 1);
    EXPECT_TRUE(prompter.shown().front().text.startsWith(
        "The 3 copied areas do not fit: the map has room for 2 more"));

    records.pop_back();
    EXPECT_EQ(doc.pasteAreas(records, position, GridSettings{}).second, 2);
    EXPECT_EQ(doc.areaCount(), CImageMapDoc::kMaxAreas);
    EXPECT_EQ(prompter.shown().size(), 1);
}

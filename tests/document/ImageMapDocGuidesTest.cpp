#include "document/ImageMapDoc.h"
#include "support/FakeDocumentDialogs.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace {

GuideValues grid(int across, int down, const QByteArray& baseUrl = "g.htm") {
    GuideValues v;
    v.across = across;
    v.down = down;
    v.width = 50;
    v.height = 20;
    v.baseUrl = baseUrl;
    return v;
}

class Guides : public ::testing::Test {
protected:
    void addAreas(int n) {
        for (int i = 0; i < n; ++i) {
            auto a = std::make_unique<MapArea>();
            a->setRect(0, 0, 5, 5);
            a->setUrl("old");
            doc.addArea(std::move(a));
        }
        doc.setModified(false);
    }

    ScriptedPrompter prompter;
    FakeDocumentDialogs dialogs;
    CImageMapDoc doc{&dialogs};
};

} // namespace

TEST_F(Guides, LaidOutRowByRowWithSpacing) {
    GuideValues v = grid(3, 2);
    v.leftStart = 5;
    v.topStart = 7;
    v.spacingX = 2;
    v.spacingY = 4;
    EXPECT_EQ(doc.appendGuides(v), 6);
    ASSERT_EQ(doc.areaCount(), 6);
    EXPECT_EQ(doc.area(0)->imageRect(), (PixelRect{5, 7, 55, 27}));
    EXPECT_EQ(doc.area(1)->imageRect(), (PixelRect{57, 7, 107, 27}));
    EXPECT_EQ(doc.area(3)->imageRect(), (PixelRect{5, 31, 55, 51}));
    EXPECT_EQ(doc.area(5)->shape(), AreaShape::Rectangle);
    EXPECT_TRUE(doc.area(5)->comment().isEmpty());
    EXPECT_TRUE(doc.isModified());
}

TEST_F(Guides, NumberedFromTheAreasAlreadyThere) {
    addAreas(2);
    dialogs.guides = {grid(2, 1, "page%d.htm")};
    dialogs.existing = {DocumentDialogs::ExistingAreas::Add};
    ASSERT_TRUE(doc.createGuides());
    ASSERT_EQ(doc.areaCount(), 4);
    EXPECT_EQ(doc.area(1)->url(), "old");
    EXPECT_EQ(doc.area(2)->url(), "page3.htm");
    EXPECT_EQ(doc.area(3)->url(), "page4.htm");
}

TEST_F(Guides, UrlWithAnotherPercentIsUsedUnchanged) {
    doc.appendGuides(grid(2, 1, "50%off%d"));
    EXPECT_EQ(doc.area(1)->url(), "50%off%d");
}

// Replace deletes the existing areas only when guides take their place.
TEST_F(Guides, NothingWithoutASizeOrACountAndReplaceThenKeepsTheAreas) {
    GuideValues v = grid(2, 2);
    v.width = 0;
    EXPECT_EQ(doc.appendGuides(v), 0);
    dialogs.guides = {grid(0, 5)};
    EXPECT_FALSE(doc.createGuides());
    EXPECT_EQ(doc.areaCount(), 0);
    EXPECT_FALSE(doc.isModified());

    addAreas(3);
    int rebuilds = 0;
    QObject::connect(&doc, &CImageMapDoc::allChanged, [&] { ++rebuilds; });
    dialogs.guides = {v};
    dialogs.existing = {DocumentDialogs::ExistingAreas::Replace};
    EXPECT_FALSE(doc.createGuides());
    EXPECT_EQ(doc.areaCount(), 3);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(rebuilds, 0);
}

TEST_F(Guides, ExistingAreasReplacedOrKeptOnCancel) {
    addAreas(3);
    dialogs.guides = {grid(1, 1), grid(1, 1)};
    dialogs.existing = {DocumentDialogs::ExistingAreas::Cancel,
                        DocumentDialogs::ExistingAreas::Replace};
    EXPECT_FALSE(doc.createGuides());
    EXPECT_EQ(doc.areaCount(), 3);
    int rebuilds = 0;
    QObject::connect(&doc, &CImageMapDoc::allChanged, [&] { ++rebuilds; });
    EXPECT_TRUE(doc.createGuides());
    ASSERT_EQ(doc.areaCount(), 1);
    EXPECT_EQ(doc.area(0)->url(), "g.htm");
    EXPECT_EQ(rebuilds, 1); // one change of the map
}

TEST_F(Guides, TooManyForTheLimitAsksToDeleteEverything) {
    addAreas(CImageMapDoc::kMaxAreas - 24);
    dialogs.guides = {grid(5, 5), grid(6, 5)};
    prompter.script({Prompter::Answer::No, Prompter::Answer::Yes});
    ASSERT_TRUE(doc.createGuides());
    EXPECT_EQ(dialogs.guidesShown, 2); // No showed the dialog again
    EXPECT_EQ(dialogs.existingShown, 0);
    ASSERT_EQ(prompter.texts().size(), 2);
    EXPECT_TRUE(prompter.texts()[0].startsWith("Sorry, but Tessary supports up to 100,000 areas"));
    EXPECT_EQ(prompter.shown()[0].icon, Prompter::Icon::Exclamation);
    EXPECT_EQ(doc.areaCount(), 30);
    EXPECT_EQ(doc.area(0)->url(), "g.htm");
}

TEST_F(Guides, CancelledDialogEndsTheCommand) {
    dialogs.guides = {std::nullopt};
    EXPECT_FALSE(doc.createGuides());
    EXPECT_EQ(dialogs.guidesShown, 1);
}

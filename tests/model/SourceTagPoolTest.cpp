// Tags handed out of one block stay whole and apart: each area keeps its
// own tag, and a tag outlives the pool, the collector and every other tag.
#include "model/SourceTagPool.h"
#include "model/AreaCollector.h"
#include "model/SourceTag.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

SourceTag tagNumbered(int i) {
    SourceTag tag;
    tag.text = "<area href=\"/" + QByteArray::number(i) + "\">";
    tag.coords = QByteArray::number(i);
    return tag;
}

} // namespace

TEST(SourceTagPool, EachTagIsItsOwnAndOutlivesThePoolAndTheOthers) {
    std::vector<std::shared_ptr<SourceTag>> tags;
    {
        SourceTagPool pool;
        // Past several blocks, the largest among them.
        for (int i = 0; i < 3000; ++i)
            tags.push_back(pool.make(tagNumbered(i)));
    }
    for (int i = 0; i < 3000; ++i) {
        ASSERT_EQ(tags[i]->text, tagNumbered(i).text) << i;
        ASSERT_EQ(tags[i]->coords, QByteArray::number(i)) << i;
    }
    // Freed in any order: the last holder of a block frees it (the
    // sanitized build tells a tag freed early or never).
    const std::shared_ptr<SourceTag> kept = tags[1500];
    tags.clear();
    EXPECT_EQ(kept->coords, "1500");
    tags.push_back(kept);
    tags.front()->gap = "changed";
    EXPECT_EQ(kept->gap, "changed"); // the same tag, not a copy
}

TEST(SourceTagPool, CollectedAreasKeepTheirOwnTagsAfterTheCollectorGoes) {
    std::vector<std::unique_ptr<MapArea>> areas;
    {
        AreaCollector collector(100000);
        for (int i = 0; i < 500; ++i) {
            collector.rectangle({"/" + QByteArray::number(i), {}, {}}, i, 0, i + 5, 5);
            collector.source(tagNumbered(i));
        }
        areas = collector.take();
    }
    ASSERT_EQ(areas.size(), 500u);
    for (int i = 0; i < 500; ++i) {
        ASSERT_NE(areas[i]->source(), nullptr);
        EXPECT_EQ(areas[i]->source()->text, tagNumbered(i).text);
        EXPECT_EQ(areas[i]->source()->read.texts.url, areas[i]->url()); // as read
        EXPECT_TRUE(areas[i]->asRead());
    }
    // A copy (as undo and the clipboard make) shares the tag; the original
    // may go first.
    const MapArea copy(*areas[7]);
    areas.clear();
    EXPECT_EQ(copy.source()->text, tagNumbered(7).text);
    EXPECT_TRUE(copy.asRead());
}

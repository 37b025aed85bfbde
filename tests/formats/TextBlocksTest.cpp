// Texts sharing a block behave as texts of their own: each ends with a NUL,
// a change to one touches no other, and each outlives the blocks and the
// other texts.
#include "formats/TextBlocks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

QByteArray textNumbered(int i) {
    return "/region/" + QByteArray::number(i) + QByteArray(i % 50, 'x');
}

} // namespace

TEST(TextBlocks, CopiesAreTextsOfTheirOwn) {
    std::vector<QByteArray> texts;
    {
        TextBlocks blocks;
        // Past several blocks, with texts too long to share one among them.
        for (int i = 0; i < 5000; ++i)
            texts.push_back(blocks.copy(textNumbered(i)));
        texts.push_back(blocks.copy(QByteArray(5000, 'L')));
        texts.push_back(blocks.copy(""));
    }
    for (int i = 0; i < 5000; ++i) {
        ASSERT_EQ(texts[i], textNumbered(i)) << i;
        // As C code and Qt's own conversions read it.
        ASSERT_EQ(std::strlen(texts[i].constData()), std::size_t(texts[i].size())) << i;
    }
    EXPECT_EQ(texts[5000], QByteArray(5000, 'L'));
    EXPECT_TRUE(texts[5001].isEmpty());
    EXPECT_FALSE(texts[5001].isNull()); // as a copy of an empty value is

    // Changed in place, appended to and copied: the neighbours keep theirs.
    texts[10][0] = '#';
    texts[20].append("-and-more-text-than-the-block-left-between-them");
    QByteArray copy = texts[30];
    copy.prepend("prefix");
    EXPECT_EQ(texts[10], "#region/10" + QByteArray(10, 'x'));
    EXPECT_EQ(texts[11], textNumbered(11));
    EXPECT_EQ(texts[21], textNumbered(21));
    EXPECT_EQ(texts[29], textNumbered(29));
    EXPECT_EQ(texts[30], textNumbered(30));

    // The last holder of a block may grow its text into the block's room
    // (every other text there gone): it stays whole.
    QByteArray last = texts[4000];
    texts.clear();
    last.append(QByteArray(200, 'z'));
    EXPECT_EQ(last, textNumbered(4000) + QByteArray(200, 'z'));
}

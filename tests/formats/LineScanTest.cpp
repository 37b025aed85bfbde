#include "formats/LineScan.h"

#include <climits>

#include <gtest/gtest.h>

using namespace LineScan;

TEST(LineScan, KeywordsMatchWithoutCaseAndTakeTheColonRule) {
    QByteArrayView line = "TiTlE :  My map";
    EXPECT_TRUE(takeKeyword(line, "title"));
    EXPECT_EQ(line, "My map");
    line = "rect(1,2)";
    EXPECT_FALSE(takeKeyword(line, "rectangle"));
    EXPECT_TRUE(takeKeyword(line, "RECT"));
    EXPECT_EQ(line, "(1,2)");
    line = "#::x"; // only one colon is removed
    EXPECT_TRUE(takeKeyword(line, "#"));
    EXPECT_EQ(line, ":x");
}

TEST(LineScan, PercentDecodingCountsOnlyUpperCaseHexDigits) {
    EXPECT_EQ(percentDecode("Home%20page"), QByteArray("Home page"));
    EXPECT_EQ(percentDecode("%4a"), QByteArray("\x40")); // 'a' counts 0
    EXPECT_EQ(percentDecode("%4A"), QByteArray("J"));
    EXPECT_EQ(percentDecode("%zz"), QByteArray(1, '\0'));
    EXPECT_EQ(percentDecode("50%"), QByteArray("50%")); // too short: kept
    EXPECT_EQ(percentDecode("a%4"), QByteArray("a%4"));
    EXPECT_EQ(percentDecode("%41%42"), QByteArray("AB"));
}

TEST(LineScan, ScanFollowsFormattedInput) {
    int v[4] = {};
    int used = -1;
    EXPECT_EQ(scanInts("(10, -20)   (+3,4) rest", "(%d,%d) (%d,%d)%n", v, &used), 4);
    EXPECT_EQ(v[0], 10);
    EXPECT_EQ(v[1], -20);
    EXPECT_EQ(v[2], 3);
    EXPECT_EQ(used, 18);
    used = -1;
    EXPECT_EQ(scanInts("(1,2)(3,4", "(%d,%d) (%d,%d)%n", v, &used), 4);
    EXPECT_EQ(used, -1);                        // the closing ")" is missing: %n is not reached
    EXPECT_EQ(scanInts("1 ,2", "%d,%d", v), 1); // punctuation must follow at once
    EXPECT_EQ(scanInts("x1,2", "%d,%d", v), 0);
    EXPECT_EQ(scanInts("99999999999,-99999999999", "%d,%d", v), 2);
    EXPECT_EQ(v[0], INT_MAX);
    EXPECT_EQ(v[1], INT_MIN);
}

TEST(LineScan, WordsSplitAtTheFirstSpace) {
    EXPECT_EQ(firstWord("a.htm 1,2"), "a.htm");
    EXPECT_EQ(afterFirstSpace("a.htm 1,2"), "1,2");
    EXPECT_EQ(firstWord("a.htm"), "a.htm");
    EXPECT_TRUE(afterFirstSpace("a.htm").isEmpty());
}

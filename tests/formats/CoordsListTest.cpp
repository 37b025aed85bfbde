// The whole-number reading of COORDS that polygons take is the list of
// numbers browsers read, each rounded to a pixel: whatever the tokens.
#include "formats/CoordsList.h"

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Tokens of every kind a page writes or breaks: whole numbers short and
// too long for the scan's own reading, signs, fractions, exponents, junk
// before and after, and every separator beside the characters that are none.
QByteArray randomCoords(QRandomGenerator& random) {
    static const QList<QByteArray> kTokens =
        QByteArray("0|7|-3|42|1999999|-2000000|99999999999999999999|12345678901234567|"
                   "1234567890123456|-123456789012345|12345678|-1234567|0000001|00012345|-0054321|"
                   "0999999|7654321.5|1.5|"
                   "-1.5|2.5|.4|-.5|1e1|1E+2|3e-1|1e400|10%|='2|x|-|.|--4|4-|0x10|\v5|5\v|"
                   // Bytes beside the digits, and digits with the top bit set.
                   "12:3|4/5|/6|9:|7\xB1|\xB2|123\xB9|1234567\xBA|-12\xC0")
            .split('|') +
        QList<QByteArray>{QByteArray("1\0002", 3)}; // a NUL is no separator
    static const char* const kSeparators[] = {
        ",", ", ", ";", " ", "\t", "\n", "\f", "\r", ",,", ",                                 "};
    QByteArray text;
    // Lists long enough that tokens and runs of separators cross the
    // 8-byte words the scan reads numbers from, and end within one.
    for (int i = random.bounded(random.bounded(2) ? 12 : 90); i > 0; --i) {
        text += kTokens[random.bounded(int(kTokens.size()))];
        text += kSeparators[random.bounded(int(std::size(kSeparators)))];
    }
    if (random.bounded(2))
        text.chop(1);
    return text;
}

} // namespace

TEST(CoordsList, WholeNumbersAreTheNumbersRoundedWithinTheLimit) {
    QRandomGenerator random(31);
    std::vector<int> whole{1, 2, 3}; // room from an earlier list is cleared
    for (int round = 0; round < 4000; ++round) {
        const QByteArray text = randomCoords(random);
        const int limit = round % 3 == 0 ? 50 : round % 3 == 1 ? 1000000 : 2147483647;
        const bool allWhole = CoordsList::parseWhole(text, limit, whole);
        std::vector<int> expected;
        for (double v : CoordsList::parse(text))
            expected.push_back(CoordsList::whole(v, limit));
        ASSERT_EQ(whole, expected) << text.toStdString();
        // Told so, the text holds nothing but digits, signs and separators.
        for (const char c : text)
            ASSERT_TRUE(!allWhole || (c >= '0' && c <= '9') || c == '-' ||
                        CoordsList::isSeparator(c))
                << text.toStdString();
    }
}

TEST(CoordsList, ListsReadAsTheirTokensOneByOne) {
    // A token read alone is read byte by byte; in a list the scan reads a
    // word of bytes at a time wherever eight are left. Both must agree on
    // every token, whatever follows it.
    QRandomGenerator random(57);
    for (int round = 0; round < 3000; ++round) {
        const QByteArray text = randomCoords(random);
        std::vector<double> expected;
        qsizetype from = 0;
        for (qsizetype at = 0; at <= text.size(); ++at) {
            if (at < text.size() && !CoordsList::isSeparator(text[at]))
                continue;
            if (at > from) {
                const std::vector<double> one = CoordsList::parse(text.sliced(from, at - from));
                ASSERT_EQ(one.size(), 1u);
                expected.push_back(one[0]);
            }
            from = at + 1;
        }
        ASSERT_EQ(CoordsList::parse(text), expected) << text.toStdString();
    }
}

TEST(CoordsList, WholeReadingTellsWhetherEveryTokenWasAWholeNumber) {
    // The reader keeps a COORDS text that it says so of without looking
    // for "&quot;" in it.
    std::vector<int> whole;
    EXPECT_TRUE(CoordsList::parseWhole("1,2, -3;4\t5", 100, whole));
    EXPECT_TRUE(CoordsList::parseWhole("", 100, whole));
    EXPECT_FALSE(CoordsList::parseWhole("1,2&quot;,3", 100, whole));
    EXPECT_FALSE(CoordsList::parseWhole("1,2.5,3", 100, whole));
    EXPECT_FALSE(CoordsList::parseWhole("1,x2,3", 100, whole));
    EXPECT_FALSE(CoordsList::parseWhole("1,2%", 100, whole));
    EXPECT_FALSE(CoordsList::parseWhole("1,-", 100, whole));
}

TEST(CoordsList, WholeRoundsHalvesAwayFromZeroAndSaturates) {
    EXPECT_EQ(CoordsList::whole(2.5, 100), 3);
    EXPECT_EQ(CoordsList::whole(-2.5, 100), -3);
    EXPECT_EQ(CoordsList::whole(2.49, 100), 2);
    EXPECT_EQ(CoordsList::whole(-0.4, 100), 0);
    EXPECT_EQ(CoordsList::whole(1e300, 100), 100);
    EXPECT_EQ(CoordsList::whole(-1e300, 100), -100);
    std::vector<int> whole;
    CoordsList::parseWhole("99999999999999999999,-7,1.5e1", 1000000, whole);
    EXPECT_EQ(whole, (std::vector<int>{1000000, -7, 15}));
}

namespace {

// A token's number read the plain way: from the first digit, "-" or ".",
// the longest number of the list grammar, then strtod; 0 when none starts
// there or it is beyond a double's range.
double plainNumber(const std::string& token) {
    std::size_t at = token.find_first_of("0123456789-.");
    if (at == std::string::npos)
        return 0;
    const std::size_t start = at;
    const auto digits = [&] {
        const std::size_t from = at;
        while (at < token.size() && token[at] >= '0' && token[at] <= '9')
            ++at;
        return at > from;
    };
    if (token[at] == '-')
        ++at;
    bool any = digits();
    if (at < token.size() && token[at] == '.') {
        ++at;
        any = digits() || any;
    }
    if (!any)
        return 0;
    if (at < token.size() && (token[at] == 'e' || token[at] == 'E')) {
        const std::size_t mantissaEnd = at++;
        if (at < token.size() && (token[at] == '+' || token[at] == '-'))
            ++at;
        if (!digits())
            at = mantissaEnd;
    }
    const double v = std::strtod(token.substr(start, at - start).c_str(), nullptr);
    return std::isfinite(v) ? v : 0;
}

std::vector<double> plainList(const QByteArray& text) {
    std::vector<double> out;
    std::string token;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !CoordsList::isSeparator(text[i])) {
            token += text[i];
        } else if (!token.empty()) {
            out.push_back(plainNumber(token));
            token.clear();
        }
    }
    return out;
}

// Lists as large maps write them, long enough to fill many 64-byte
// blocks: mostly numbers of one to four digits after a comma or a comma
// and a space, with now and then a sign, a longer number, a fraction, one
// of the other separators, a token longer than a block, or junk.
QByteArray pageLikeCoords(QRandomGenerator& random) {
    QByteArray text;
    const int tokens = random.bounded(400);
    const int oddness = random.bounded(4) == 0 ? 0 : 1 + random.bounded(60); // 0: all plain
    for (int i = 0; i < tokens; ++i) {
        const bool odd = oddness && random.bounded(oddness) == 0;
        if (!odd) {
            text += QByteArray::number(random.bounded(random.bounded(2) ? 10000 : 100));
        } else {
            switch (random.bounded(7)) {
            case 0:
                text += QByteArray::number(-random.bounded(10000));
                break;
            case 1:
                text += QByteArray::number(random.bounded(100000000));
                break;
            case 2:
                text += QByteArray::number(random.bounded(1000)) + ".5";
                break;
            case 3:
                text += QByteArray(65 + random.bounded(70), char('0' + random.bounded(10)));
                break;
            case 4:
                text += "-";
                break;
            case 5:
                text += "x" + QByteArray::number(random.bounded(100));
                break;
            default:
                text += QByteArray::number(random.bounded(100)) + '\t';
                break;
            }
        }
        text += random.bounded(3) ? ", " : ",";
    }
    if (random.bounded(2) && !text.isEmpty())
        text.chop(random.bounded(2) + 1);
    return text;
}

} // namespace

TEST(CoordsList, ListsReadAsAPlainReadingOfEachTokenReadsThem) {
    // The scan reads blocks of bytes at once, and most numbers in groups
    // from them; a plain reading of each token in turn must agree with it
    // on every list, wherever its tokens fall against the blocks.
    QRandomGenerator random(83);
    std::vector<int> whole;
    for (int round = 0; round < 3000; ++round) {
        QByteArray text = round % 2 ? pageLikeCoords(random) : randomCoords(random);
        // Every start against the blocks, the text held in a page around it.
        const int lead = random.bounded(64);
        const QByteArray page = QByteArray(lead, ',') + text + QByteArray(random.bounded(8), '7');
        const QByteArrayView view = QByteArrayView(page).sliced(lead, text.size());
        const std::vector<double> expected = plainList(text);
        ASSERT_EQ(CoordsList::parse(view), expected) << text.toStdString();
        const int limit = round % 3 == 0 ? 50 : 1000000;
        CoordsList::parseWhole(view, limit, whole);
        ASSERT_EQ(whole.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            ASSERT_EQ(whole[i], CoordsList::whole(expected[i], limit)) << text.toStdString();
    }
}

TEST(CoordsList, WholeReadingWritesWithinTheRoomItAsksFor) {
    // Numbers are written in fours: the last four may reach past the
    // numbers read, never past wholeRoom, whatever the list's length and
    // how its numbers fall against the blocks.
    QRandomGenerator random(29);
    constexpr int kGuard = 0x5A5A5A5A;
    for (int round = 0; round < 2000; ++round) {
        QByteArray text;
        const int tokens = random.bounded(1, 80);
        for (int i = 0; i < tokens; ++i) {
            text += QByteArray::number(random.bounded(random.bounded(2) ? 10 : 10000));
            if (i + 1 < tokens)
                text += random.bounded(2) ? "," : ", ";
        }
        const std::size_t room = CoordsList::wholeRoom(text.size());
        std::vector<int> out(room + 8, kGuard);
        std::size_t count = 0;
        ASSERT_TRUE(CoordsList::parseWhole(text, 1000000, out.data(), count));
        ASSERT_EQ(count, std::size_t(tokens)) << text.toStdString();
        for (std::size_t i = room; i < out.size(); ++i)
            ASSERT_EQ(out[i], kGuard) << text.toStdString();
    }
}

#include "formats/CoordsList.h"

#include <QByteArray>
#include <QtEndian>

#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <type_traits>

namespace CoordsList {

namespace {

// isSeparator by byte, for the scans over millions of them.
constexpr auto kSeparators = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[std::size_t(c)] = isSeparator(char(c));
    return table;
}();

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr bool startsNumber(char c) {
    return isDigit(c) || c == '-' || c == '.';
}

// The length of the number at the start of t: "-"?, digits, ("." digits)?,
// (("e"|"E") ("+"|"-")? digits)?, with at least one digit before the
// exponent; 0 when none starts there.
qsizetype numberLength(QByteArrayView t) {
    qsizetype at = 0;
    if (at < t.size() && t[at] == '-')
        ++at;
    const qsizetype intStart = at;
    while (at < t.size() && isDigit(t[at]))
        ++at;
    bool digits = at > intStart;
    if (at < t.size() && t[at] == '.') {
        const qsizetype fracStart = ++at;
        while (at < t.size() && isDigit(t[at]))
            ++at;
        if (at == fracStart && !digits)
            return 0; // "." or "-." alone
        digits = digits || at > fracStart;
    }
    if (!digits)
        return 0;
    if (at < t.size() && (t[at] == 'e' || t[at] == 'E')) {
        qsizetype exp = at + 1;
        if (exp < t.size() && (t[exp] == '+' || t[exp] == '-'))
            ++exp;
        const qsizetype expDigits = exp;
        while (exp < t.size() && isDigit(t[exp]))
            ++exp;
        if (exp > expDigits)
            at = exp;
    }
    return at;
}

double numberOf(QByteArrayView token) {
    qsizetype start = 0;
    while (start < token.size() && !startsNumber(token[start]))
        ++start;
    const QByteArrayView rest = token.sliced(start);
    const qsizetype length = numberLength(rest);
    if (length == 0)
        return 0;
    // In the C locale whatever the user's is; beyond a double's range no number.
    bool ok = false;
    const double v = rest.first(length).toByteArray().toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0;
}

// The eight bytes at p, the first in the lowest byte, whatever the
// processor's byte order.
inline quint64 eightBytes(const char* p) {
    quint64 v;
    std::memcpy(&v, p, sizeof v);
    return qFromLittleEndian(v);
}

// The digits that begin the eight bytes at p, each less '0', as the lowest
// bytes of a word, and how many there are (0 to 8). A byte is a digit when
// it less '0' is at most 9: the top bit of each byte of the test is set for
// those above 9, and no byte's sum carries into the next.
inline unsigned leadingDigits(quint64 bytes, quint64& digits) {
    constexpr quint64 kOnes = 0x0101010101010101ull;
    digits = bytes ^ (0x30 * kOnes);
    const quint64 above9 = (((digits & (0x7F * kOnes)) + (0x76 * kOnes)) | digits) & (0x80 * kOnes);
    return above9 ? unsigned(std::countr_zero(above9)) / 8 : 8;
}

// The value of count (1 to 8) digits given as leadingDigits gives them:
// moved to the top of the word (leading zeros below them), then pairs,
// fours and eights of digits joined by three multiplications.
inline quint64 digitsValue(quint64 digits, unsigned count) {
    quint64 v = digits << (8 * (8 - count));
    v = (v * 10 + (v >> 8)) & 0x00FF00FF00FF00FFull;
    v = (v * 100 + (v >> 16)) & 0x0000FFFF0000FFFFull;
    return (v * 10000 + (v >> 32)) & 0xFFFFFFFFull;
}

// Reads the tokens of text in order: one written as a whole number of at
// most 16 characters (nearly every token of a real page: a few digits)
// goes to wholeToken as its value, read as it is scanned; any other to
// otherToken as its text. Where eight bytes or more are left, a number's
// digits are found and read a word at a time, without a branch for each
// digit (their count changes from one number to the next).
template <class WholeToken, class OtherToken>
void scanTokens(QByteArrayView text, WholeToken&& wholeToken, OtherToken&& otherToken) {
    const char* p = text.data();
    const char* const end = p + text.size();
    while (true) {
        while (p < end && kSeparators[uchar(*p)])
            ++p;
        if (p == end)
            return;
        const char* const start = p;
        const bool negative = *p == '-';
        const char* at = p + negative;
        if (end - at >= 8) {
            quint64 digits;
            const unsigned count = leadingDigits(eightBytes(at), digits);
            // One branch on the count, which the processor predicts: the
            // next token's place is then known before this one is read,
            // where one worked out from the count would wait for it.
            const auto take = [&](auto n) {
                constexpr unsigned k = decltype(n)::value;
                if (!kSeparators[uchar(at[k])])
                    return false;
                const qint64 value = qint64(digitsValue(digits, k));
                wholeToken(negative ? -value : value);
                p = at + k + 1; // at[k] is a separator
                return true;
            };
            bool taken = false;
            switch (count) {
            case 1:
                taken = take(std::integral_constant<unsigned, 1>{});
                break;
            case 2:
                taken = take(std::integral_constant<unsigned, 2>{});
                break;
            case 3:
                taken = take(std::integral_constant<unsigned, 3>{});
                break;
            case 4:
                taken = take(std::integral_constant<unsigned, 4>{});
                break;
            case 5:
                taken = take(std::integral_constant<unsigned, 5>{});
                break;
            case 6:
                taken = take(std::integral_constant<unsigned, 6>{});
                break;
            case 7:
                taken = take(std::integral_constant<unsigned, 7>{});
                break;
            default:
                break;
            }
            if (taken)
                continue;
        }
        const char* const stop = end - p > 16 ? p + 16 : end;
        qint64 value = 0;
        for (unsigned d; at < stop && (d = unsigned(uchar(*at)) - '0') <= 9; ++at)
            value = value * 10 + d;
        if (at > p + negative && (at == end || kSeparators[uchar(*at)])) {
            wholeToken(negative ? -value : value);
            p = at;
            continue;
        }
        while (p < end && !kSeparators[uchar(*p)])
            ++p;
        otherToken(QByteArrayView(start, p - start));
    }
}

} // namespace

std::vector<double> parse(QByteArrayView text) {
    // Each number but the last takes at least one separator after it.
    std::vector<double> out;
    out.reserve(std::size_t(text.size() / 2 + 1));
    scanTokens(
        text, [&out](qint64 value) { out.push_back(double(value)); },
        [&out](QByteArrayView token) { out.push_back(numberOf(token)); });
    return out;
}

// The output has room for every number before the first is read: a
// polygon's COORDS on a large page are millions of numbers.
bool parseWhole(QByteArrayView text, int limit, std::vector<int>& out) {
    out.resize(wholeRoom(text.size()));
    std::size_t count = 0;
    const bool allWhole = parseWhole(text, limit, out.data(), count);
    out.resize(count);
    return allWhole;
}

bool parseWhole(QByteArrayView text, int limit, int* out, std::size_t& count) {
    int* o = out;
    bool allWhole = true;
    scanTokens(
        text,
        [&o, limit](qint64 value) {
            *o++ = int(value > limit ? limit : value < -limit ? -limit : value);
        },
        [&o, &allWhole, limit](QByteArrayView token) {
            *o++ = whole(numberOf(token), limit);
            allWhole = false;
        });
    count = std::size_t(o - out);
    return allWhole;
}

int whole(double v, int limit) {
    const double bound = limit;
    v = v > bound ? bound : v < -bound ? -bound : v;
    const int truncated = int(v);
    return truncated == v ? truncated : int(std::lround(v));
}

} // namespace CoordsList

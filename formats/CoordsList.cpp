#include "formats/CoordsList.h"

#include <QByteArray>

#include <array>
#include <cmath>

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

// Reads the tokens of text in order: one written as a whole number of at
// most 16 characters (nearly every token of a real page: a few digits)
// goes to wholeToken as its value, read as it is scanned; any other to
// otherToken as its text.
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

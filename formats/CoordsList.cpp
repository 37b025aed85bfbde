#include "formats/CoordsList.h"

#include <QByteArray>

#include <cmath>

namespace CoordsList {

namespace {

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

} // namespace

std::vector<double> parse(QByteArrayView text) {
    // Each number but the last takes at least one separator after it.
    std::vector<double> out;
    out.reserve(std::size_t(text.size() / 2 + 1));
    qsizetype pos = 0;
    while (true) {
        while (pos < text.size() && isSeparator(text[pos]))
            ++pos;
        if (pos >= text.size())
            break;
        const qsizetype start = pos;
        // Nearly every token of a real page is a whole number of a few
        // digits: read as it is scanned, the rest token by token.
        const bool negative = text[pos] == '-';
        qsizetype at = pos + negative;
        qint64 whole = 0;
        while (at < text.size() && at - pos < 16 && isDigit(text[at]))
            whole = whole * 10 + (text[at++] - '0');
        if (at > pos + negative && (at == text.size() || isSeparator(text[at]))) {
            out.push_back(double(negative ? -whole : whole));
            pos = at;
            continue;
        }
        while (pos < text.size() && !isSeparator(text[pos]))
            ++pos;
        out.push_back(numberOf(text.sliced(start, pos - start)));
    }
    return out;
}

} // namespace CoordsList

#include "formats/LineScan.h"

#include "formats/HtmlText.h"

#include <climits>

namespace LineScan {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 0; // lower-case letters included, as map files have always had it
}

// Reads an optionally signed decimal number at text[pos]; false without a digit.
bool readNumber(QByteArrayView text, qsizetype& pos, int& value) {
    qsizetype p = pos;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-'))
        negative = text[p++] == '-';
    if (p >= text.size() || text[p] < '0' || text[p] > '9')
        return false;
    long long v = 0;
    for (; p < text.size() && text[p] >= '0' && text[p] <= '9'; ++p) {
        if (v <= INT_MAX)
            v = v * 10 + (text[p] - '0');
    }
    if (negative)
        v = -v;
    value = v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : int(v);
    pos = p;
    return true;
}

} // namespace

QByteArrayView trimLeft(QByteArrayView text) {
    qsizetype i = 0;
    while (i < text.size() && isSpace(text[i]))
        ++i;
    return text.sliced(i);
}

QByteArrayView beforeNul(QByteArrayView text) {
    const qsizetype nul = text.indexOf('\0');
    return nul < 0 ? text : text.first(nul);
}

bool takeKeyword(QByteArrayView& text, QByteArrayView keyword) {
    if (text.size() < keyword.size() ||
        !HtmlText::equalsNoCase(text.first(keyword.size()), keyword))
        return false;
    QByteArrayView rest = trimLeft(text.sliced(keyword.size()));
    if (rest.startsWith(':'))
        rest = trimLeft(rest.sliced(1));
    text = rest;
    return true;
}

QByteArrayView firstWord(QByteArrayView text) {
    const qsizetype space = text.indexOf(' ');
    return space < 0 ? text : text.first(space);
}

QByteArrayView afterFirstSpace(QByteArrayView text) {
    const qsizetype space = text.indexOf(' ');
    return space < 0 ? QByteArrayView() : text.sliced(space + 1);
}

QByteArray percentDecode(QByteArrayView text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && text.size() - i > 2) {
            out += char(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

int scanInts(QByteArrayView text, const char* format, int* values, int* consumed) {
    qsizetype pos = 0;
    int count = 0;
    for (const char* f = format; *f; ++f) {
        if (*f == '%' && f[1] == 'd') {
            ++f;
            while (pos < text.size() && isSpace(text[pos]))
                ++pos;
            if (!readNumber(text, pos, values[count]))
                return count;
            ++count;
        } else if (*f == '%' && f[1] == 'n') {
            ++f;
            if (consumed)
                *consumed = int(pos);
        } else if (isSpace(*f)) {
            while (pos < text.size() && isSpace(text[pos]))
                ++pos;
        } else if (pos < text.size() && text[pos] == *f) {
            ++pos;
        } else {
            return count;
        }
    }
    return count;
}

} // namespace LineScan

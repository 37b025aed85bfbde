#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstddef>

// Small text operations of HTML pages. Tag and attribute names and SHAPE
// values compare without regard to case (ASCII letters only); map names
// compare exactly.
namespace HtmlText {

constexpr char upper(char c) {
    return c >= 'a' && c <= 'z' ? char(c - ('a' - 'A')) : c;
}

bool equalsNoCase(QByteArrayView a, QByteArrayView b);
// The same against a name written as a literal: its length is known where
// it is written, so most names are told apart by length alone, with no
// search for the literal's end (the scans of a large page compare every
// tag and attribute name with several).
template <std::size_t N>
inline bool equalsNoCase(QByteArrayView a, const char (&b)[N]) {
    return a.size() == qsizetype(N - 1) && equalsNoCase(a, QByteArrayView(b, qsizetype(N - 1)));
}
// Whether text ends with tail, compared without regard to case over the
// length of tail.
bool endsWithNoCase(QByteArrayView text, QByteArrayView tail);
QByteArray toUpper(QByteArrayView text);
// The first needle in text at or after from; -1 when none. It skips to
// each byte that starts the needle at the C library's speed, which the
// markers and tracking lines searched for in pages (they start with "<" or
// "#") make far quicker than a general search over pages of megabytes.
qsizetype find(QByteArrayView text, QByteArrayView needle, qsizetype from = 0);

// A double quote inside a quoted attribute value would end the value early,
// so values are written with every '"' as "&quot;" and read back with every
// "&quot;" as '"'; nothing else is escaped or unescaped, so that values
// without double quotes keep their bytes exactly.
QByteArray unquote(QByteArrayView value);
void appendQuoted(QByteArray& out, QByteArrayView value);

} // namespace HtmlText

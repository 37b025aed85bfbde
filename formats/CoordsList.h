#pragma once

#include <QByteArrayView>

#include <cstddef>
#include <vector>

// COORDS as browsers read it (the HTML rules for a list of floating-point
// numbers, as Chromium applies them): tokens are separated by commas,
// semicolons and the HTML white space characters (space, tab, line feed,
// form feed, carriage return; a vertical tab or a NUL is none). In each
// token whatever comes before its first digit, "-" or "." is skipped, and
// the longest number that starts there is taken (fraction, exponent; what
// follows, such as "%", is ignored); a token without one, or one too large
// for a double, reads as 0.
namespace CoordsList {

std::vector<double> parse(QByteArrayView text);

// The numbers of text as parse reads them, each made a whole number
// (whole), into out (cleared first; its room is kept for the next list).
// Polygons of a million points are read so, without a double between.
// True when every token was written as a whole number (digits, a "-"
// before them at most): the text then holds nothing but those and
// separators.
bool parseWhole(QByteArrayView text, int limit, std::vector<int>& out);
// The same into room for wholeRoom(text.size()) numbers at out, which is
// not cleared first (a reader's room kept from one list to the next is
// then not written twice); count is set to the numbers read.
bool parseWhole(QByteArrayView text, int limit, int* out, std::size_t& count);

// The room for the numbers of a text of size bytes: those it holds at most
// (each but the last takes at least one separator after it), and three
// more, as the scan writes numbers in fours.
constexpr std::size_t wholeRoom(qsizetype size) {
    return std::size_t(size / 2 + 4);
}

// v held within +-limit and rounded to the nearest whole number, halves
// away from zero.
int whole(double v, int limit);

// Whether c separates the numbers of a COORDS value.
constexpr bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == ',' || c == ';';
}

} // namespace CoordsList

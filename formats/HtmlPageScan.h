#pragma once

#include "model/MapArea.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <vector>

// One attribute of a tag. Name and value are views into the scanned text:
// the name as written (compare it without regard to case), the value as
// written, without its double quotes when it was quoted.
struct HtmlAttribute {
    QByteArrayView name;
    QByteArrayView value;
    bool quoted = false;
};

// One tag as the tokenizer reads it, started at a "<".
struct HtmlTag {
    static constexpr int kMaxAttributes = 32;

    qsizetype start = 0; // offset of the "<"
    // Just after the ">" that closes the tag (the end of the text when none
    // does, or the offset where a "<" cuts the tag short).
    qsizetype end = 0;
    // Where scanning goes on: just after the ">", or where the tag was cut
    // short, so that a "<" there still starts the next tag.
    qsizetype resume = 0;
    bool closing = false;   // "</NAME"
    QByteArrayView name;    // letters, digits, "!" and "-", as written
    bool isComment = false; // name "!--"
    QByteArrayView comment; // a comment's text, trimmed
    int attributeCount = 0; // attributes beyond kMaxAttributes are read and dropped
    std::array<HtmlAttribute, kMaxAttributes> attributes{};

    // Whether the tag's name is upperName (given in upper case).
    bool is(QByteArrayView upperName) const;
    // The value of the first attribute called name (without regard to
    // case); false when there is none.
    bool attribute(QByteArrayView name, QByteArrayView& value) const;
    QByteArrayView attribute(QByteArrayView name) const;
};

// An IMG tag of a page.
struct HtmlImg {
    qsizetype start = 0; // the "<"
    qsizetype end = 0;   // just after the ">"
    QByteArrayView src;
    QByteArrayView mapRef; // the USEMAP value after its leading "#"; empty when none
    // Every other attribute in order (a USEMAP without "#" included).
    std::vector<HtmlAttribute> carried;
};

// An AREA tag inside a MAP block, its values as written.
struct HtmlAreaEntry {
    QByteArrayView shape; // compare without regard to case
    QByteArrayView coords;
    QByteArrayView href;
    QByteArrayView alt;
    QByteArrayView target;
};

// A complete MAP block: from the "<" of its MAP tag to just after the ">" of
// its closing tag.
struct HtmlMapBlock {
    QByteArrayView name;
    qsizetype start = 0;
    qsizetype end = -1;
    std::vector<HtmlAreaEntry> areas;
    // Texts of the comments inside the block that begin with "#$" (trimmed).
    std::vector<QByteArrayView> tracking;
};

// What the map editor needs of an HTML text, read in one pass without
// copying the text: every IMG tag, every complete MAP block with its areas
// and map-information comments, and where the body ends. A tolerant tag
// tokenizer, not an HTML parser: tags that do not fit are skipped.
//
// Every view points into the scanned text, which must outlive the scan.
// What goes beyond the capacities is ignored.
class HtmlPageScan {
public:
    static constexpr int kMaxImgs = 64;
    static constexpr int kMaxMaps = 16;
    // As many areas as a document holds, so that every map the editor
    // writes reads back whole.
    static constexpr int kMaxAreasPerMap = MapArea::kMaxAreas;
    static constexpr int kMaxTrackingLines = 64;

    static HtmlPageScan scan(QByteArrayView text);

    // Reads the tag starting at the "<" at text[pos].
    static void readTag(QByteArrayView text, qsizetype pos, HtmlTag& tag);

    std::vector<HtmlImg> imgs;
    std::vector<HtmlMapBlock> maps;
    // Offset of the "<" of the last closing BODY tag; 0 when there is none.
    qsizetype bodyEnd = 0;

private:
    void addImg(const HtmlTag& tag);
    void addArea(const HtmlTag& tag, HtmlMapBlock& map) const;
};

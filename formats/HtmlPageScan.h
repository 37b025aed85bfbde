#pragma once

#include "model/MapArea.h"
#include "model/TagAttribute.h"

#include <QByteArray>
#include <QByteArrayView>

#include <cstddef>
#include <vector>

// One attribute of a tag. Name and value are views into the scanned text:
// the name as written (compare it without regard to case), the value as
// written, without its quotes when it was quoted.
struct HtmlAttribute {
    QByteArrayView name;
    QByteArrayView value;
    bool quoted = false;
    char quote = 0;         // '"' or '\'' when quoted
    qsizetype at = 0;       // offset of the name
    qsizetype end = 0;      // just after the value (and its closing quote), or the name
    qsizetype valueAt = -1; // offset of the value's first byte; -1 without "="
};

// One tag as the tokenizer reads it, started at a "<".
struct HtmlTag {
    qsizetype start = 0; // offset of the "<"
    // Just after the ">" that closes the tag (the end of the text when none
    // does, or the offset where a "<" cuts the tag short).
    qsizetype end = 0;
    // Where scanning goes on: just after the ">", or where the tag was cut
    // short, so that a "<" there still starts the next tag.
    qsizetype resume = 0;
    bool closing = false;        // "</NAME"
    bool selfClosing = false;    // ends with "/>"
    QByteArrayView name;         // letters, digits, "!" and "-", as written
    qsizetype nameEnd = 0;       // just after the name
    qsizetype attributesEnd = 0; // just after the last attribute, or the name
    bool isComment = false;      // "<!--"
    QByteArrayView comment;      // a comment's text, trimmed
    // Every attribute in order: a tag has as many as it is written with.
    std::vector<HtmlAttribute> attributes;

    // Whether the tag's name is upperName (given in upper case); a literal
    // is told by its length, known where it is written.
    bool is(QByteArrayView upperName) const;
    template <std::size_t N>
    bool is(const char (&upperName)[N]) const {
        return is(QByteArrayView(upperName, qsizetype(N - 1)));
    }
    // The first attribute called name (without regard to case); null when none.
    const HtmlAttribute* find(QByteArrayView name) const;
    // Its value; false when there is none.
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
    // Where the writer edits the tag in place: its SRC and map-reference
    // USEMAP attributes (name empty when the tag has none), the end of its
    // name and of its attributes, and whether its name is written in lower
    // case and it closes itself ("/>"), which new attributes follow.
    HtmlAttribute srcAttribute;
    HtmlAttribute usemapAttribute;
    qsizetype nameEnd = 0;
    qsizetype attributesEnd = 0;
    bool lowerCase = false;
    bool selfClosing = false;
};

// The attributes of an AREA or MAP tag beside those the editor writes
// itself (TagAttribute::writtenForArea, writtenForDefault for the default
// area, writtenForMap), in order; those past
// TagAttribute::kMaxPerTag are counted, not kept.
struct HtmlOtherAttributes {
    std::vector<HtmlAttribute> kept; // empty: no allocation
    int beyond = 0;

    void add(const HtmlAttribute& attribute);
};

// An AREA tag inside a MAP block, its values as written. Every AREA tag is
// one, with COORDS or without.
struct HtmlAreaEntry {
    QByteArrayView shape; // compare without regard to case
    QByteArrayView coords;
    QByteArrayView href;
    QByteArrayView alt;
    QByteArrayView target;
    bool selfClosing = false;
    HtmlAttribute title{}; // the first TITLE; name empty when none
    HtmlOtherAttributes others{};
    qsizetype start = 0; // the tag's "<"
    qsizetype end = 0;   // just after its ">"
};

// A complete MAP block: from the "<" of its MAP tag to just after the ">" of
// its closing tag.
struct HtmlMapBlock {
    QByteArrayView name;
    qsizetype start = 0;
    qsizetype end = -1;
    std::vector<HtmlAreaEntry> areas;
    // AREA tags kept beyond kMaxAreasPerMap: read, counted, not stored.
    int areasBeyond = 0;
    // Texts of the comments inside the block that begin with "#$" (trimmed).
    std::vector<QByteArrayView> tracking;
    HtmlOtherAttributes others{}; // of the MAP tag, beside NAME
    qsizetype tagEnd = 0;         // just after the MAP start tag
    qsizetype closeAt = 0;        // the "<" of the closing tag
};

// What the map editor needs of an HTML text, read in one pass without
// copying the text: every IMG tag, every complete MAP block with its areas
// and map-information comments, and where the body ends. A tolerant tag
// tokenizer, not an HTML parser: tags that do not fit are skipped. The
// contents of comments, SCRIPT, STYLE, TITLE and TEXTAREA elements are text,
// not markup, as browsers read them.
//
// Every view points into the scanned text, which must outlive the scan.
// What goes beyond the capacities is ignored (areas beyond a map's are
// counted).
class HtmlPageScan {
public:
    static constexpr int kMaxImgs = 4096;
    static constexpr int kMaxMaps = 1024;
    // As many areas as a document holds, so that every map the editor
    // writes reads back whole; a larger map is counted (areasBeyond).
    static constexpr int kMaxAreasPerMap = MapArea::kMaxAreas;
    static constexpr int kMaxTrackingLines = 64;

    static HtmlPageScan scan(QByteArrayView text);

    // Reads the tag starting at the "<" at text[pos].
    static void readTag(QByteArrayView text, qsizetype pos, HtmlTag& tag);
    // The "<" of the first "</name" at or after pos (name given in upper
    // case), compared without regard to case; the end of the text when
    // there is none. Where a SCRIPT, STYLE, TITLE or TEXTAREA element's text ends.
    static qsizetype findClosingTag(QByteArrayView text, qsizetype pos, QByteArrayView upperName);
    // The name (in upper case) of the element whose contents browsers read
    // as text up to its closing tag, when tag opens one: SCRIPT and STYLE
    // (program text), TITLE and TEXTAREA (plain text); empty otherwise.
    static QByteArrayView rawTextElement(const HtmlTag& tag);

    std::vector<HtmlImg> imgs;
    std::vector<HtmlMapBlock> maps;
    // Offset of the "<" of the last closing BODY tag; 0 when there is none.
    qsizetype bodyEnd = 0;
    // Offset of the "<" of a MAP tag that is never closed; -1 when none.
    qsizetype unclosedMap = -1;

private:
    void addImg(const HtmlTag& tag);
    void addArea(const HtmlTag& tag, HtmlMapBlock& map) const;
    static void openMap(const HtmlTag& tag, HtmlMapBlock& map);
};

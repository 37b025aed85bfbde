#pragma once

#include "formats/HtmlPageScan.h"
#include "model/MapInfo.h"

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

class MapArea;
struct MapTagSource;

// Builds the new text of an HTML page that carries a client-side map, from
// the page's old text. The map of the same name is replaced (with the end
// marker after it), or a new map goes directly before the last "</BODY>";
// the IMG tag that shows the picture is rewritten (or a new one inserted)
// to use the map. A page without a body end, an empty or new file, and a
// page of the oldest form ("<BODY>\r\n<MAP NAME=" at its start) get a
// complete new page (MapFileSaver refuses to replace a page of other text
// so). Everything else of the old text is copied byte for byte; every line
// the writer ends ends with "\r\n".
//
// An IMG tag of the page is rewritten in place: its SRC only when it names
// another picture, its USEMAP set to the map (or added after SRC), BORDER=0
// added when it has no BORDER and did not show the map already; everything
// else of the tag, its quoting, case and a closing "/>" stay. A map whose
// AREA tags were written "<area ... />" is written in that form again. No
// byte 0 is written from the map's texts (they end there; a kept tag is
// written as it was). A
// "-->" in a map-information text is written "-- >", so that its comment
// ends where the writer ends it.
// AREA tags carry the area's TITLE and then the attributes it kept from its
// page, the MAP tag and the default area those of the map, in their order
// and form.
//
// A map read from a page keeps its page text (model/SourceTag.h): an area
// still as it was read is written as its own tag, with the text before it
// (indentation, comments, other tags); a changed area takes its old tag's
// place in the writer's form; a new one follows on a line of its own. The
// MAP tag and the block's end likewise, and the default area stays where
// it was. So a map saved unedited differs from its page only by the
// tracking comments and markers. An area a browser gives no shape keeps its
// SHAPE and COORDS as written whatever else of it changes.
//
// Calling order: begin, writeArea per area, writeDefault, finish.
class HtmlMapWriter {
public:
    // oldText is the page being replaced (empty for a new file); it must
    // outlive the writer.
    explicit HtmlMapWriter(QByteArrayView oldText);

    // Chooses the IMG tag and the map range and writes everything up to the
    // map's areas: the copied head of the page (or a new page's head), the
    // start marker, the MAP tag and its tracking comments. insertOffset, when
    // 0 or more, places a new IMG tag instead of rewriting one: it counts the
    // page's bytes other than carriage returns, as the insertion-point view
    // shows the page.
    void begin(const MapInfo& info, int insertOffset = -1);
    // The IMG tag the user chose for the map: the offset of its "<" in the
    // old text, -1 for none. Called before begin; while the page holds an
    // IMG tag starting there, begin rewrites exactly that tag (an insertion
    // point still goes first).
    void setChosenImgTag(qsizetype offset) { m_chosenImgTag = offset; }
    void writeArea(const MapArea& area);
    // The default area; nothing while the default URL is empty or only the
    // "Default Url Lead" text (DefaultUrl::isSet).
    void writeDefault(const MapInfo& info);
    // Ends the map and copies the rest of the page; returns the whole new text.
    QByteArray finish();

    // The IMG tag that begin chose (score 0 for none) and where the map starts.
    int imgScore() const { return m_img.score; }
    qsizetype mapStart() const { return m_mapStart; }
    bool isFreshPage() const { return m_fresh; }
    // Whether begin is about to replace a page of other text with a page of
    // its own: a page without "</BODY>" that does not hold the map.
    bool replacesForeignPage() const;

private:
    struct ChosenImg {
        int score = 0; // 0: none chosen
        qsizetype start = 0;
        qsizetype end = 0;
        std::vector<HtmlAttribute> carried;
        const HtmlImg* tag = nullptr; // the page's tag, edited in place; null for a new one
    };

    void chooseImg(int insertOffset);
    void chooseMapRange();
    qsizetype byteOffsetOfCaret(int caret) const;
    void writeFreshHead(const MapInfo& info);
    void writeTracking(const MapInfo& info);
    void writeGap(QByteArrayView gap);
    void writeDescription(QByteArrayView description);
    void writeImgTag();
    void writeNewImgTag();
    void editImgTag(const HtmlImg& img);
    void copyOld(qsizetype from, qsizetype to);
    void line(QByteArrayView text);
    void trackingLine(QByteArrayView key, QByteArrayView value);
    // Whether the text so far ends with marker and its line break.
    bool endsWithMarkerLine(QByteArrayView marker) const;

    QByteArrayView m_old;
    QByteArray m_new;
    HtmlPageScan m_scan;
    QByteArray m_mapName;
    QByteArray m_imageRef;  // the picture as MapInfo names it
    QByteArray m_imageName; // its base name and extension
    ChosenImg m_img;
    qsizetype m_mapStart = 0;
    qsizetype m_mapEnd = 0;
    bool m_fresh = false;
    bool m_oldest = false;   // the page began in the oldest form
    bool m_xmlAreas = false; // AREA tags end with " />"
    qsizetype m_chosenImgTag = -1;
    MapInfo m_info;
    const MapTagSource* m_source = nullptr; // the map's page tags; null for a new map
    bool m_trackingPending = false;         // the tracking comments are still to come
    bool m_defaultWritten = false;
    int m_areasWritten = 0;
    QByteArray m_breakAfterMap = "\r\n"; // the page's line break after the closing tag
    QByteArray m_defaultLead;            // an area URL that is only the lead is none (DefaultUrl)
};

#pragma once

#include "model/DocumentDialogs.h"

#include <QByteArrayView>
#include <QList>

class HtmlPageScan;
class MapSink;
struct MapInfo;
struct MapReadReport;

// Reads one client-side map of an HTML page as browsers read it. The
// document hands the shapes to its AreaCollector; the wizards' preview
// hands them to a consumer that draws them. Values of the page are taken
// with "&quot;" read as '"'.
//
// SHAPE is "circle"/"circ", "poly"/"polygon" or "default" in ASCII case;
// any other value (and none) is a rectangle. COORDS reads as CoordsList
// reads it; numbers are rounded to whole pixels and saturate at the
// coordinate limit. An area a browser gives no shape (too few numbers, a
// polygon of fewer than three points, a circle of no radius, a rectangle of
// no width or height) is kept as an area that is not clickable. What is cut
// although a browser shows it (a polygon past the points one holds, areas
// past those a map holds) is counted in the report.
namespace HtmlMapReader {

// Scans text and loads its map into sink and info. A page of several maps
// asks through dialogs->chooseMap which one ("Multiple Maps in HTML File";
// null dialogs cancel). False when the page holds no complete map (report
// says why and where) or the choice was cancelled.
bool read(QByteArrayView text, MapSink& sink, MapInfo& info, DocumentDialogs* dialogs,
          MapReadReport* report = nullptr);

// The maps of a scanned page as the choice lists them: each name with the
// SRC of the first IMG using it, else the picture its GIF tracking line
// names, else "<unknown>".
QList<DocumentDialogs::MapChoice> choices(const HtmlPageScan& scan);

// Loads map `index` of text, scanned as scan: its tracking lines as
// map-information lines (and whether it scales with its picture), its
// NAME as title, the SRC of the first IMG that uses it as picture, and its
// areas in order into sink (an AREA of SHAPE DEFAULT sets the default URL
// instead).
// Each area and the map's own tags come with their page text
// (model/SourceTag.h), so that a save writes back what did not change as
// it was written.
void loadMap(QByteArrayView text, const HtmlPageScan& scan, int index, MapSink& sink,
             MapInfo& info, MapReadReport* report = nullptr);

// Sets info's shownWidth and shownHeight from the WIDTH and HEIGHT of the
// first IMG that shows map name (0 where it gives none, or there is none).
void takeShownSize(const HtmlPageScan& scan, const QByteArray& name, MapInfo& info);

} // namespace HtmlMapReader

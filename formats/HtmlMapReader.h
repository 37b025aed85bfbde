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
// SHAPE is "rect"/"rectangle" (or none), "circle"/"circ", "poly"/"polygon"
// or "default", in any case. COORDS is a list of numbers separated by
// commas, semicolons or white space; decimals are rounded to whole pixels,
// a word that is no number counts 0, numbers beyond the coordinate limit
// saturate. An area with fewer numbers than its shape needs is no area to a
// browser and is skipped; what is dropped although a browser shows it (an
// unknown shape, a polygon past 63 points, areas past 1,024) is counted in
// the report.
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

// Loads map `index` of a scanned page: its tracking lines as
// map-information lines (and whether it scales with its picture), its
// NAME as title, the SRC of the first IMG that uses it as picture, and its
// areas in order into sink (an AREA of SHAPE DEFAULT sets the default URL
// instead).
void loadMap(const HtmlPageScan& scan, int index, MapSink& sink, MapInfo& info,
             MapReadReport* report = nullptr);

// Sets info's shownWidth and shownHeight from the WIDTH and HEIGHT of the
// first IMG that shows map name (0 where it gives none, or there is none).
void takeShownSize(const HtmlPageScan& scan, const QByteArray& name, MapInfo& info);

} // namespace HtmlMapReader

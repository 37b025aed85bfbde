#pragma once

#include "model/DocumentDialogs.h"

#include <QByteArrayView>
#include <QList>

class HtmlPageScan;
class MapSink;
struct MapInfo;

// Reads one client-side map of an HTML page. The document hands the shapes
// to its AreaCollector; the wizards' preview hands them to a consumer that
// draws them. Values of the page are taken with "&quot;" read as '"'.
namespace HtmlMapReader {

// Scans text and loads its map into sink and info. A page of several maps
// asks through dialogs->chooseMap which one ("Multiple Maps in HTML File";
// null dialogs cancel). False when the page holds no complete map or the
// choice was cancelled.
bool read(QByteArrayView text, MapSink& sink, MapInfo& info, DocumentDialogs* dialogs);

// The maps of a scanned page as the choice lists them: each name with the
// SRC of the first IMG using it, else the picture its GIF tracking line
// names, else "<unknown>".
QList<DocumentDialogs::MapChoice> choices(const HtmlPageScan& scan);

// Loads map `index` of a scanned page: its tracking lines as
// map-information lines, its NAME as title, the SRC of the first IMG that
// uses it as picture, and its areas in order into sink (an AREA of SHAPE
// DEFAULT sets the default URL instead; shapes other than RECT, CIRCLE, POLY
// and DEFAULT are skipped, as are areas whose COORDS do not scan).
void loadMap(const HtmlPageScan& scan, int index, MapSink& sink, MapInfo& info);

} // namespace HtmlMapReader

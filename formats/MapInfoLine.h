#pragma once

#include <QByteArrayView>

struct MapInfo;

// Map-information lines, which server-side map files carry as "#$KEY:value"
// lines and HTML pages as "<!-- #$KEY:value -->" comments inside the map.
namespace MapInfoLine {

// Applies the text after "#$": TITLE and AUTHOR set their field, every
// DESCRIPTION line is appended with one space between, GIF names the
// picture; any other key (FORMAT, VERSION, DATE, PATH, "-") is ignored.
void apply(QByteArrayView rest, MapInfo& info);

} // namespace MapInfoLine

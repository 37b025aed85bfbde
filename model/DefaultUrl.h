#pragma once

#include <QByteArray>

// The default URL of a map, and the "Default Url Lead" text ("http://www."
// unless changed) that New and Open put in its place and Area Settings
// offers for an area without a URL. The lead is an offer for the user to
// complete, not a URL: a default URL or an area URL that is exactly the
// lead counts as none. So it is never saved (no default area, no HREF),
// does not satisfy "Require default URL", leaves OK of Area Settings
// disabled, and the map check and the save count the area as missing its
// URL.
namespace DefaultUrl {

// The lead as the preference gives it, as map-text bytes.
QByteArray lead();
// Whether url is a URL: not empty and not exactly the lead.
bool isSet(const QByteArray& url);

} // namespace DefaultUrl

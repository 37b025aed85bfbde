#pragma once

#include <QByteArray>

// The default URL of a map, and the "Default Url Lead" text ("http://www."
// unless changed) that New and Open put in its place. The lead is an offer
// for the user to complete, not a URL: a default URL that is exactly the
// lead counts as none, so it is never saved as a default area and does not
// satisfy "Require default URL".
namespace DefaultUrl {

// The lead as the preference gives it, as map-text bytes.
QByteArray lead();
// Whether url is a default URL: not empty and not exactly the lead.
bool isSet(const QByteArray& url);

} // namespace DefaultUrl

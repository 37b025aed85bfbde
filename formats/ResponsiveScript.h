#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Maps that scale with their picture. Such a map carries the tracking line
// "<!-- #$RESPONSIVE:YES -->"; its coordinates stay the picture's own
// pixels, and the page carries one script of ours (res/scripts/
// scale-maps.js, compiled in) between its own start and end markers, which
// rescales every map that carries the line from its picture's natural size
// to the size it is shown at. One script serves all maps of the page.
namespace ResponsiveScript {

// The tracking comment's text, "#$RESPONSIVE:YES"; compared exactly, as
// the script compares it.
QByteArray flagLine();
bool isFlagLine(QByteArrayView trackingLine);

// The script with its markers, every line ended with "\r\n".
QByteArray block();

// The page with every script block of ours taken out (each with its line
// break) and, when any complete map of it carries the flag, one block put
// back directly before the last "</BODY>", or at the end of a page without
// one. Taking a block out gives back the page's bytes as they were before
// it went in.
QByteArray settle(QByteArray page);

} // namespace ResponsiveScript

#pragma once

#include "model/TagAttribute.h"

#include <QByteArray>
#include <QByteArrayView>

struct MapInfo;

// Maps that scale with their picture, and maps that outline the area under
// the mouse or the keyboard focus. Such a map carries the tracking line
// "<!-- #$RESPONSIVE:YES -->" or "<!-- #$HIGHLIGHT:YES -->", and the size
// of the picture it was drawn on twice: as the tracking line "#$SIZE:WxH"
// beside them (what the editor reads back) and as the MAP tag's
// data-tessary-size="WxH" (what the script reads). Its coordinates stay
// the picture's own pixels; the page carries one script of ours (res/
// scripts/scale-maps.js, compiled in) between its own start and end
// markers. The script rescales every flagged map from the recorded size
// (the picture's natural size on a page that records none) to where the
// picture is drawn inside its IMG, and draws the highlight. One script
// serves all maps of the page.
namespace ResponsiveScript {

// The tracking comment's text, "#$RESPONSIVE:YES"; compared exactly, as
// the script compares it.
QByteArray flagLine();
bool isFlagLine(QByteArrayView trackingLine);

// "#$HIGHLIGHT:YES", compared exactly as well.
QByteArray highlightLine();
bool isHighlightLine(QByteArrayView trackingLine);

// The MAP tag's attribute for the recorded size; the editor writes it and
// never keeps one read from a page.
inline constexpr QByteArrayView kSizeAttribute = "data-tessary-size";
// Pictures of any larger side are no picture the editor loads.
inline constexpr int kMaxSide = 1 << 20;
// "400x300".
QByteArray sizeText(int width, int height);
// The size attribute's value a MAP tag of info is written with: the size
// the areas were drawn on, for maps the page's script serves that know it;
// empty for none.
QByteArray writtenSize(const MapInfo& info);
// Reads "WxH" (whole numbers from 1 to kMaxSide, nothing around them);
// false leaves width and height as they were.
bool readSize(QByteArrayView text, int& width, int& height);
// Applies a tracking line of a map (the text after "#$"): the two flags
// and the recorded size. False for any other line.
bool applyTrackingLine(QByteArrayView rest, MapInfo& info);
// Takes the size attribute out of a MAP tag's kept attributes; its value
// is the recorded size when the tracking line gave none.
void takeSizeAttribute(TagAttributes& attributes, MapInfo& info);

// The script with its markers, every line ended with "\r\n".
QByteArray block();

// The page with every script block of ours taken out (each with its line
// break) and, when any complete map of it carries the flag, one block put
// back directly before the last "</BODY>", or at the end of a page without
// one. Taking a block out gives back the page's bytes as they were before
// it went in.
QByteArray settle(QByteArray page);

} // namespace ResponsiveScript

#pragma once

#include "model/PictureArea.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <vector>

// What stands between a map and its visitors beyond the idle-time check:
// areas a screen reader cannot name, targets too small to hit, links that
// lead nowhere, a map name browsers may not match. Windowless; the editor's
// Check Map and `tessary-cli check` show the same findings.
//
// The rules, each over the area's texts as the page holds them:
// - missing-alt: the ALT text (the area's comment) is empty or blank.
// - alt-is-url: the ALT text equals the URL or the URL's file name (the
//   last path segment, as written or percent-decoded), trimmed, in any case.
// - duplicate-alt: an earlier area has the same ALT text (trimmed, in any
//   case) but another URL; reported on the later area. Areas without a URL
//   take no part.
// - small-target: the area's box, as the page shows it, is narrower or lower
//   than 24 CSS pixels (either side, not the area of the box). The IMG's
//   WIDTH and HEIGHT scale the picture's pixels; one of them alone scales
//   both ways, as browsers keep the picture's proportions; without them, or
//   without the picture's size, a picture pixel is a CSS pixel.
// - javascript-url: the URL's scheme is "javascript:" (browsers ignore
//   surrounding blanks and tabs and line breaks inside it).
// - broken-link: a relative URL (no scheme, not "#...", "?..." or "/...";
//   the site's root is not known here) whose file, without query and
//   fragment and percent-decoded, is missing from the folder of the page.
//   A map without a page path has nothing to resolve against and gets none.
// - map-name-space: the map name holds an HTML white-space character.
// - not-clickable: a browser gives the area no shape (model/SourceTag.h);
//   it is kept as written, and takes no part in small-target.
//
// Findings come map first (area 0), then area by area in list order, each
// area's in the order above.
class MapFindings {
public:
    enum class Code {
        MissingAlt,
        AltIsUrl,
        DuplicateAlt,
        SmallTarget,
        JavascriptUrl,
        BrokenLink,
        MapNameSpace,
        NotClickable
    };

    struct Finding {
        int area = 0; // list index + 1; 0 for the map itself
        Code code = Code::MissingAlt;
        QString message;
        friend bool operator==(const Finding&, const Finding&) = default;
    };

    struct Input {
        std::vector<PictureArea> areas; // front to back, in picture pixels
        QByteArray mapName;
        QString pagePath;  // the page the map is saved into; empty: none yet
        QSize pictureSize; // the picture's own size; empty when not known
        // WIDTH and HEIGHT of the IMG that shows the map, in CSS pixels; 0
        // where the tag gives none.
        int shownWidth = 0;
        int shownHeight = 0;
    };

    // The smallest width and height, in CSS pixels, of an area a visitor
    // can reliably hit.
    static constexpr int kMinTarget = 24;

    static std::vector<Finding> find(const Input& input);
    // The stable name of a code, as `tessary-cli check` prints it.
    static const char* codeName(Code code);
};

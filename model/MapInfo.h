#pragma once

#include "model/KeptSource.h"
#include "model/TagAttribute.h"

#include <QByteArray>

struct MapTagSource;

// Map-wide information a document holds beside its areas. Texts are bytes
// exactly as in the map file.
struct MapInfo {
    // The version every New and Open sets; nonzero means saved pages carry
    // the version line.
    static constexpr int kFormatVersion = 130;

    int formatVersion = kFormatVersion;
    // Set when the map file is write-protected or the user opened it
    // read-only: every editing command is disabled.
    bool readOnly = false;
    QByteArray title; // also the MAP name of client-side maps; required for saving
    QByteArray description;
    QByteArray author;
    QByteArray date; // local time of the last save, asctime form without newline
    QByteArray imageFolder;
    QByteArray imageFile; // picture file name with extension
    QByteArray defaultUrl;
    // WIDTH and HEIGHT of the page's IMG tag that shows the map, in CSS
    // pixels; 0 where it gives none (or a percentage), or the map is not in
    // a page. Taken when the page is read and again after each save.
    int shownWidth = 0;
    int shownHeight = 0;
    // Client-side maps only: the page rescales the map to the size its
    // picture is shown at (a tracking line and a script of the page).
    bool scalesWithPicture = false;
    // Client-side maps only: the page outlines the area under the mouse or
    // the keyboard focus (the same script as scaling).
    bool highlightsAreas = false;
    // The size of the picture the areas were drawn on, as the page records
    // it for its script; 0 where unknown (a page saved before it was
    // recorded, or a map without a picture). Saves write the loaded
    // picture's size instead when there is one.
    int drawnWidth = 0;
    int drawnHeight = 0;
    TagAttributes mapAttributes{};     // of the MAP tag beside its NAME (id, class, ...)
    TagAttributes defaultAttributes{}; // of the default AREA beside SHAPE and HREF

    // The page's MAP tag and block end it was read from (model/SourceTag.h);
    // none for a map made in the editor.
    KeptSource<MapTagSource> source{};

    friend bool operator==(const MapInfo&, const MapInfo&) = default;
};

#pragma once

#include "model/MapInfo.h"
#include "model/PictureArea.h"

#include <QByteArray>
#include <QString>

#include <vector>

// Everything a map document holds that a save depends on, with its areas in
// picture pixels: what a recovery copy keeps, and what a document restored
// from one starts from. The picture itself is not held, only its file.
struct DocumentState {
    MapInfo info;
    std::vector<PictureArea> areas;
    QString path;      // the save target: the page the map belongs to, empty for a new map
    QString mapPath;   // the page the map is shown as belonging to (title, Save As folder)
    QString imagePath; // the picture file
    // The file the map was read from, the picture as that page named it and
    // the file that stands for it (see CImageMapDoc::pictureReference).
    QString readFrom;
    QByteArray pageImageRef;
    QString pagePicturePath;
    // What Open could not hold of the map; a map read with losses is never
    // saved back into the page it came from.
    QString lossText;
    int insertOffset = -1;
    qsizetype imgTagOffset = -1;
    bool fromWizard = false;
    // The map was read from a server-side map file and continues as the
    // page beside it.
    bool fromServerMap = false;

    friend bool operator==(const DocumentState&, const DocumentState&) = default;
};

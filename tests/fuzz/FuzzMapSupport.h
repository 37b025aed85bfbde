#pragma once

// What the map-reading fuzz targets share: dialogs that choose a map as the
// input says, the rules every map read must keep, and the save round trip
// (a map written into a page reads back with the same areas).
#include "model/CancellingDocumentDialogs.h"
#include "model/MapArea.h"
#include "model/MapInfo.h"

#include <QByteArray>
#include <QByteArrayView>

#include <memory>
#include <vector>

using FuzzAreas = std::vector<std::unique_ptr<MapArea>>;

// Chooses map `choice` (modulo the count), or cancels when choice is 255.
class FuzzDialogs : public CancellingDocumentDialogs {
public:
    explicit FuzzDialogs(int choice) : m_choice(choice) {}
    bool chooseMap(const QList<MapChoice>& maps, int& chosen) override;

private:
    int m_choice;
};

// What holds for every map a reader delivers: no more areas than a
// document holds, polygons of 3 to 63 vertices, no byte 0 in any text.
void checkReadMap(const MapInfo& info, const FuzzAreas& areas);

// Saves info and areas into oldPage as the editor does and reads the map
// back from the result: the same areas, shapes, boxes, vertices and texts
// (as a page carries them: "&quot;" is a double quote), and the rest of the
// old page still there. Nothing is checked when the save would be refused.
void checkSaveRoundTrip(QByteArrayView oldPage, const MapInfo& info, const FuzzAreas& areas);

// Saves a map read from page back into it unedited: its block (MAP tag to
// closing tag) is what it was, byte for byte, but for the tracking comments.
void checkUneditedSave(QByteArrayView page, const MapInfo& info, const FuzzAreas& areas);

#pragma once

#include "model/MapCheckStatus.h"
#include "model/PixelRegion.h"
#include "model/RegionUnion.h"

class MapArea;

// The map check of one document: a run examines the areas in list order,
// as many per idle pass as fit the pass's time, for a missing URL and for
// being obscured (every pixel of its region lies in the regions of the
// areas before it, so that no click can ever reach it), and reports once it
// has passed the last area. Each area costs the rows of its region, each
// merged into the union of those before it, so a run grows with the map's
// pixels and areas, never with their square.
class MapCheckState {
public:
    bool allHaveUrls = true;  // until an area without URL is met in the run
    bool noneObscured = true; // until an obscured area is met in the run
    int firstMissingUrl = 0;  // number (index + 1) of the first area without URL, 0 for none
    int firstObscured = 0;    // number of the first obscured area, 0 for none

    // Starts a run at idle pass 0: the findings are cleared and nothing is
    // covered yet.
    void start();
    // Whether the run in progress goes on at idle pass `pass` (the one after
    // the last it ran in).
    bool expects(int pass) const { return m_next >= 0 && m_pass == pass; }
    // The area the run examines next.
    int next() const { return m_next; }
    // The run ran in idle pass `pass` and goes on in the next.
    void ranIn(int pass) { m_pass = pass + 1; }
    // Examines area n (the next one of the run): its URL, and whether the
    // areas before it cover its region; then adds its region to what they
    // cover. Sets the area's obscured flag: never for area 0 or an area
    // without a region (those cannot be covered).
    void examine(int n, MapArea& area);
    // Ends the run (complete or abandoned) and lets go of its regions.
    void finish();

    // The state the run's findings give the status pane (a missing URL
    // before an obscured area) and the area number that goes with it (-1
    // when clean).
    MapCheckStatus::State state() const;
    int stateArea() const;

private:
    RegionUnion m_covered; // the union of the regions examined in this run
    PixelRegion m_region;  // the region of the area being examined
    int m_next = -1;       // the area the run examines next, -1 between runs
    int m_pass = -1;       // the idle pass the run goes on in
};

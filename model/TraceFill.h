#pragma once

#include <QPoint>

#include <atomic>

class TraceMask;
class TracePicture;

// Growing the region a click selects.
namespace TraceFill {

// Adds to mask the region of seed: the pixels 4-connected to seed whose
// colour differs from seed's colour by at most tolerance in each channel
// (red, green, blue, and alpha where the picture has one; grey levels and
// palette entries by the colour they stand for). The region is grown on
// its own, across pixels an earlier region already selected, and the mask
// keeps the union. mask must have been reset to the picture's size; seed
// must lie inside the picture.
//
// Row runs are filled whole (a scanline fill with a stack of runs), so the
// work is linear in the region's pixels and nothing is allocated per pixel.
// cancel, when given, is read every few hundred runs; false when it was
// set, the mask then holding part of the region.
bool addRegion(const TracePicture& picture, QPoint seed, int tolerance, TraceMask& mask,
               const std::atomic_bool* cancel = nullptr);

} // namespace TraceFill

#pragma once

#include "model/PictureArea.h"
#include "model/PixelRect.h"

#include <vector>

// The Arrange commands over several areas, windowless and in picture
// pixels. Areas come in selection order, the key area first; the result
// holds the same areas in the same order, each moved or resized by the
// command's rule, and every area the rule changed put back inside the
// picture (when it fits; a larger one at the picture's left or top).
//
// - Align: each area moves so that the named edge or centre of its box
//   lies on the key area's (a centre is left + width / 2, rounded down;
//   horizontal centres line up across, one x for all, vertical centres one
//   y).
// - Distribute (three or more): in order of their boxes' left (top) edges,
//   the first and the last stay and the others move so that the gaps
//   between neighbouring boxes are equal; when the space does not divide,
//   the first gaps get the extra pixel.
// - Same Width, Height, Size: a rectangle takes the key's box width and/or
//   height keeping its left and top; a polygon is scaled about its box's
//   top-left to that box, rounded to whole pixels (one with no extent
//   along an axis keeps it); a circle keeps its centre and takes the key's
//   width as its diameter (its height for Same Height).
namespace AreaArrange {

enum class Op {
    AlignLeft,
    AlignRight,
    AlignTop,
    AlignBottom,
    AlignHorizontalCentres,
    AlignVerticalCentres,
    DistributeHorizontally,
    DistributeVertically,
    SameWidth,
    SameHeight,
    SameSize,
};

// How many areas the command needs before it can change anything.
int minimumCount(Op op);

// The areas after the command. picture: the bounds areas are kept inside
// (an empty one keeps nothing).
std::vector<PictureArea> apply(Op op, const std::vector<PictureArea>& areas,
                               const PixelRect& picture);

// An area moved back inside bounds: by the least that brings its box in,
// at the left or top edge when it is wider or higher.
PictureArea keptInside(const PictureArea& area, const PixelRect& bounds);

} // namespace AreaArrange

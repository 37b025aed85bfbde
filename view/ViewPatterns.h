#pragma once

#include <QImage>

// The program's two 8 x 8 pattern bitmaps, drawn here rather than loaded.
namespace ViewPatterns {

// Fills area handles: black and white in two-pixel checks, so that a
// handle shows against any picture, light, dark or busy, and against the
// area's own outline.
QImage handle();

// Fills the window outside a picture smaller than it: a quiet grey weave
// that reads as "no picture here" without competing with the picture;
// dark, the same weave in dark greys, for a dark palette.
QImage background(bool dark = false);

} // namespace ViewPatterns

// A colour as the settings store it and the map code keeps it: a colour
// reference, 0x00BBGGRR (red in the low byte, the top byte zero), the
// layout of the stored settings and of the raster component's background
// property. The one place that turns such a reference into Qt's colours and
// back.
#pragma once

#include <QColor>
#include <QRgb>

using ColorRef = quint32;

// The opaque Qt pixel value (0xAARRGGBB) of a reference; the top byte of the
// reference is ignored.
constexpr QRgb rgbOfColorRef(ColorRef ref) {
    return 0xff000000u | (ref & 0xffu) << 16 | (ref & 0xff00u) | (ref >> 16 & 0xffu);
}

// The reference of a Qt pixel value; its alpha is dropped.
constexpr ColorRef colorRefOfRgb(QRgb rgb) {
    return (rgb >> 16 & 0xffu) | (rgb & 0xff00u) | (rgb & 0xffu) << 16;
}

inline QColor colorOfColorRef(ColorRef ref) {
    return QColor::fromRgb(rgbOfColorRef(ref));
}

inline ColorRef colorRefOf(const QColor& color) {
    return colorRefOfRgb(color.rgb());
}

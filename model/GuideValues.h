#pragma once

#include <QByteArray>

// A grid of guide areas as the Create Guides dialog gives it, in image
// pixels; the defaults are those the dialog offers on first use.
struct GuideValues {
    int across = 0;
    int down = 0;
    int width = 32;
    int height = 32;
    int spacingX = 0; // between columns
    int spacingY = 0; // between rows
    int leftStart = 0;
    int topStart = 0;
    // URL of every guide; "%d" (with no other "%") numbers them.
    QByteArray baseUrl;
};

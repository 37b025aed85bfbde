#pragma once

#include <QByteArray>

// The three texts of one area, bytes exactly as in the map file: the URL it
// links to, the optional frame target and the optional comment (written as
// the area's ALT text).
struct AreaTexts {
    QByteArray url;
    QByteArray target;
    QByteArray comment;

    friend bool operator==(const AreaTexts&, const AreaTexts&) = default;
};

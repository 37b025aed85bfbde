#pragma once

#include "model/TagAttribute.h"

#include <QByteArray>

// The texts of one area, bytes exactly as in the map file: the URL it links
// to, the optional frame target, the optional comment (written as the
// area's ALT text), the optional title (the tooltip browsers show), and the
// other attributes of its tag that pages give and the editor keeps.
// Server-side maps have neither title nor attributes.
struct AreaTexts {
    QByteArray url;
    QByteArray target;
    QByteArray comment;
    QByteArray title{};
    TagAttributes attributes{};

    friend bool operator==(const AreaTexts&, const AreaTexts&) = default;
};

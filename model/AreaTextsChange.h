#pragma once

#include "model/AreaTexts.h"

#include <QByteArray>

#include <optional>

// What Area Settings over several areas sets: each text the user changed,
// for all of them; the texts left alone stay each area's own.
struct AreaTextsChange {
    std::optional<QByteArray> url;
    std::optional<QByteArray> target;
    std::optional<QByteArray> comment;
    std::optional<QByteArray> title;

    bool any() const { return url || target || comment || title; }
    AreaTexts appliedTo(AreaTexts texts) const {
        if (url)
            texts.url = *url;
        if (target)
            texts.target = *target;
        if (comment)
            texts.comment = *comment;
        if (title)
            texts.title = *title;
        return texts;
    }
};

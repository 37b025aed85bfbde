#pragma once

#include <QPoint>

#include <cstring>

// Whether any of the n points equals the one before it. Each point is
// compared as one 64-bit word, with no early stop, so that the loop runs
// vectorised: the readers ask it of every polygon of a map, a million
// points in the largest maps on the web.
inline bool hasRepeatedNeighbour(const QPoint* points, qsizetype n) {
    static_assert(sizeof(QPoint) == sizeof(quint64));
    bool repeats = false;
    for (qsizetype i = 1; i < n; ++i) {
        quint64 point, before;
        std::memcpy(&point, points + i, sizeof point);
        std::memcpy(&before, points + i - 1, sizeof before);
        repeats |= point == before;
    }
    return repeats;
}

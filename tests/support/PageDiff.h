#pragma once

#include "model/Strings.h"

#include <QByteArray>
#include <QByteArrayView>

// A page as it reads without what the editor adds of its own when it saves
// a map: the start and end markers and the IMG marker (each with the line
// break after it, the IMG marker with the one before it too), and the
// tracking comments ("<!-- #$...-->") with their line breaks. A map saved
// unedited into its page leaves the page so.
inline QByteArray withoutTracking(QByteArrayView page) {
    QByteArray out = page.toByteArray();
    const auto dropWithBreak = [&out](QByteArrayView marker, bool breakBefore) {
        for (qsizetype at; (at = out.indexOf(marker)) >= 0;) {
            qsizetype start = at, end = at + marker.size();
            if (out.sliced(end).startsWith("\r\n"))
                end += 2;
            else if (out.sliced(end).startsWith('\n'))
                end += 1;
            if (breakBefore && start >= 2 && out.sliced(start - 2, 2) == "\r\n")
                start -= 2;
            out.remove(start, end - start);
        }
    };
    dropWithBreak(Strings::raw(Str::MarkerImageTags), true);
    dropWithBreak(Strings::raw(Str::MarkerStart), false);
    dropWithBreak(Strings::raw(Str::MarkerEnd), false);
    for (qsizetype at = 0; (at = out.indexOf("<!--", at)) >= 0;) {
        // Where the page scan ends it: at the first "-->" after "<!--".
        const qsizetype close = out.indexOf("-->", at + 4);
        if (close < 0)
            break;
        qsizetype end = close + 3;
        if (!out.sliced(at + 4, close - at - 4).trimmed().startsWith("#$")) {
            at = end;
            continue;
        }
        end += out.sliced(end).startsWith("\r\n") ? 2 : out.sliced(end).startsWith('\n') ? 1 : 0;
        out.remove(at, end - at);
    }
    return out;
}

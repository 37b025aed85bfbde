#include "formats/MapInfoLine.h"

#include "formats/LineScan.h"
#include "model/MapInfo.h"
#include "model/Strings.h"

namespace MapInfoLine {

void apply(QByteArrayView rest, MapInfo& info) {
    using LineScan::takeKeyword;
    if (takeKeyword(rest, Strings::raw(Str::KwTitle))) {
        info.title = rest.toByteArray();
    } else if (takeKeyword(rest, Strings::raw(Str::KwAuthor))) {
        info.author = rest.toByteArray();
    } else if (takeKeyword(rest, Strings::raw(Str::KwDescription))) {
        if (!info.description.isEmpty())
            info.description += ' ';
        info.description += rest;
    } else if (takeKeyword(rest, Strings::raw(Str::KwGif))) {
        info.imageFile = rest.toByteArray();
    }
}

} // namespace MapInfoLine

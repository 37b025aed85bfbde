#include "model/GuideValues.h"

#include "model/MapArea.h"
#include "model/MapText.h"
#include "model/Settings.h"
#include "model/Strings.h"
#include "model/Translation.h"

const std::array<GuideValues::Number, 8>& GuideValues::numbers() {
    static const std::array<Number, 8> table{{
        {Str::GuideWidth, &GuideValues::width, 32},
        {Str::GuideHeight, &GuideValues::height, 32},
        {Str::GuideSpacingX, &GuideValues::spacingX, 0},
        {Str::GuideSpacingY, &GuideValues::spacingY, 0},
        {Str::GuideLeftStart, &GuideValues::leftStart, 0},
        {Str::GuideTopStart, &GuideValues::topStart, 0},
        {Str::GuideAcross, &GuideValues::across, 0},
        {Str::GuideDown, &GuideValues::down, 0},
    }};
    return table;
}

namespace {

// The far edge of count guides of size with spacing between them: the
// spacing after the last guide is no part of the grid, so a grid laid over
// a button bar of the same numbers fits it exactly.
qint64 farEdge(int start, int count, int size, int spacing) {
    if (count <= 0)
        return start;
    return start + qint64(count) * size + qint64(count - 1) * spacing;
}

} // namespace

qint64 GuideValues::right() const {
    return farEdge(leftStart, across, width, spacingX);
}

qint64 GuideValues::bottom() const {
    return farEdge(topStart, down, height, spacingY);
}

QString GuideValues::boundsText() const {
    const int id = Translation::singular(count()) ? Str::GuideBoundsOne : Str::GuideBounds;
    return Strings::format(id, leftStart, topStart, int(right()), int(bottom()), int(count()));
}

QString GuideValues::imageSizeText(int width, int height) {
    return Strings::format(Str::GuideImageSize, width, height);
}

bool GuideValues::acceptable(int imageWidth, int imageHeight) const {
    for (const Number& n : numbers()) {
        if (this->*n.value < 0 || this->*n.value > kMaxNumber)
            return false;
    }
    // A grid without a guide, or of guides without pixels, would create
    // nothing, and Replace would then only have deleted the map's areas.
    if (across < 1 || down < 1 || width < 1 || height < 1)
        return false;
    return right() <= imageWidth && bottom() <= imageHeight && count() <= MapArea::kMaxAreas;
}

GuideValues GuideValues::load() {
    GuideValues v;
    for (const Number& n : numbers())
        v.*n.value = Settings::readInt(n.id, n.defaultValue);
    v.baseUrl = MapText::fromDisplay(Settings::readText(Str::GuideBaseUrl));
    return v;
}

void GuideValues::store() const {
    for (const Number& n : numbers())
        Settings::writeInt(n.id, this->*n.value);
    Settings::writeText(Str::GuideBaseUrl, MapText::toDisplay(baseUrl));
}

int GuideValues::numberOf(const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? v : 0;
}

std::optional<QString> GuideValues::digitsOnly(const QString& text) {
    const QString head = text.left(kDigitsReadBack);
    QString digits;
    for (const QChar c : head) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    }
    if (digits.size() == head.size())
        return std::nullopt;
    return digits;
}

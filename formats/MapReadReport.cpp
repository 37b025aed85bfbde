#include "formats/MapReadReport.h"

#include "formats/HtmlText.h"
#include "model/MapText.h"
#include "model/Strings.h"
#include "model/Translation.h"

namespace {

// The loss text for count, in the singular or the plural its language gives it.
QString counted(int count, int one, int many) {
    return Strings::format(Translation::singular(count) ? one : many, count);
}

} // namespace

QString MapReadReport::failureText() const {
    if (failure == 0)
        return {};
    return QString::asprintf(Strings::raw(failure), line);
}

QString MapReadReport::lossList() const {
    QStringList parts;
    if (areasBeyond > 0)
        parts << counted(areasBeyond, Str::LossAreaBeyond, Str::LossAreasBeyond);
    if (polygonsCut > 0)
        parts << counted(polygonsCut, Str::LossLongPolygon, Str::LossLongPolygons);
    if (unknownShapeAreas > 0) {
        QStringList shapes;
        for (const QByteArray& shape : unknownShapes)
            shapes << QLatin1Char('"') + MapText::toDisplay(shape) + QLatin1Char('"');
        const int id = Translation::singular(unknownShapeAreas) ? Str::LossUnknownShape
                                                                : Str::LossUnknownShapes;
        parts << Strings::format(id, unknownShapeAreas,
                                 shapes.join(QStringLiteral(", ")).toUtf8().constData());
    }
    if (attributesBeyond > 0)
        parts << counted(attributesBeyond, Str::LossAttributeBeyond, Str::LossAttributesBeyond);
    return parts.join(Strings::text(Str::LossListSeparator));
}

void MapReadReport::fail(int id, QByteArrayView text, qsizetype offset) {
    failure = id;
    line = offset < 0 ? 0 : lineOf(text, offset);
}

void MapReadReport::addUnknownShape(QByteArrayView shape) {
    ++unknownShapeAreas;
    // A page of many areas names few shapes; a hostile one is kept short.
    constexpr int kShapesNamed = 8;
    for (const QByteArray& known : unknownShapes) {
        if (HtmlText::equalsNoCase(known, shape))
            return;
    }
    if (unknownShapes.size() < kShapesNamed)
        unknownShapes << shape.first(qMin<qsizetype>(shape.size(), 40)).toByteArray();
}

int MapReadReport::lineOf(QByteArrayView text, qsizetype offset) {
    offset = qMin(offset, text.size());
    int line = 1;
    for (qsizetype i = 0; i < offset; ++i)
        line += text[i] == '\n';
    return line;
}

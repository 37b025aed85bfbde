#include "formats/MapReadReport.h"

#include "formats/HtmlText.h"
#include "model/MapText.h"
#include "model/Strings.h"

QString MapReadReport::failureText() const {
    if (failure == 0)
        return {};
    return QString::asprintf(Strings::raw(failure), line);
}

QString MapReadReport::lossList() const {
    QStringList parts;
    if (areasBeyond > 0)
        parts << QString::asprintf(Strings::raw(Str::LossAreasBeyond), areasBeyond);
    if (polygonsCut > 0)
        parts << QString::asprintf(Strings::raw(Str::LossLongPolygons), polygonsCut);
    if (unknownShapeAreas > 0) {
        QStringList shapes;
        for (const QByteArray& shape : unknownShapes)
            shapes << QLatin1Char('"') + MapText::toDisplay(shape) + QLatin1Char('"');
        parts << QString::asprintf(Strings::raw(Str::LossUnknownShapes), unknownShapeAreas,
                                   shapes.join(QStringLiteral(", ")).toUtf8().constData());
    }
    if (attributesBeyond > 0)
        parts << QString::asprintf(Strings::raw(Str::LossAttributesBeyond), attributesBeyond);
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

#include "MapJson.h"

#include "document/ImageMapDoc.h"
#include "model/MapText.h"

namespace {

using MapJson::mapText;

// Attributes kept from the page as [name, value] pairs in page order; a
// bare attribute (written without "=") has the value null.
QByteArray attributesJson(const TagAttributes& attributes) {
    QByteArray out = "[";
    for (const TagAttribute& a : attributes) {
        out += (out.size() > 1 ? ", [" : "[") + mapText(a.name) + ", ";
        const bool bare = a.form == TagAttribute::Form::Bare && a.value.isEmpty();
        out += (bare ? QByteArray("null") : mapText(a.value)) + "]";
    }
    return out + "]";
}

QByteArray areaJson(const MapArea& a) {
    const PixelRect r = a.imageRect();
    QByteArray out = "{\"shape\": \"" + QByteArray(shapeKeyword(a.shape())) +
                     "\", \"url\": " + mapText(a.url()) + ", \"target\": " + mapText(a.target()) +
                     ", \"comment\": " + mapText(a.comment()) + ", \"rect\": [" +
                     QByteArray::number(r.left) + ", " + QByteArray::number(r.top) + ", " +
                     QByteArray::number(r.right) + ", " + QByteArray::number(r.bottom) + "]";
    if (a.shape() == AreaShape::Polygon) {
        out += ", \"points\": [";
        for (int i = 0; i < a.vertexCount(); ++i) {
            const QPoint p = a.vertex(i);
            out += (i ? ", [" : "[") + QByteArray::number(p.x()) + ", " +
                   QByteArray::number(p.y()) + "]";
        }
        out += "]";
    }
    out += ", \"title\": " + mapText(a.title());
    out += ", \"attributes\": " + attributesJson(a.attributes());
    out += a.clickable() ? ", \"clickable\": true" : ", \"clickable\": false";
    return out + "}";
}

} // namespace

QByteArray MapJson::quote(const QString& value) {
    const QByteArray utf8 = value.toUtf8();
    QByteArray out;
    out.reserve(utf8.size() + 2);
    out += '"';
    for (const char c : utf8) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (uchar(c) < 0x20)
                out += "\\u00" + QByteArray::number(uchar(c), 16).rightJustified(2, '0');
            else
                out += c;
        }
    }
    out += '"';
    return out;
}

QByteArray MapJson::mapText(const QByteArray& bytes) {
    return quote(MapText::toDisplay(bytes));
}

QByteArray MapJson::document(const CImageMapDoc& doc, const Members& extra) {
    const MapInfo& info = doc.mapInfo();
    QByteArray out = "{\n";
    out += "  \"path\": " + quote(doc.path()) + ",\n";
    out += QByteArray("  \"modified\": ") + (doc.isModified() ? "true" : "false") + ",\n";
    out += "  \"title\": " + mapText(info.title) + ",\n";
    out += "  \"description\": " + mapText(info.description) + ",\n";
    out += "  \"author\": " + mapText(info.author) + ",\n";
    out += "  \"date\": " + mapText(info.date) + ",\n";
    out += "  \"imageFile\": " + mapText(info.imageFile) + ",\n";
    out += "  \"defaultUrl\": " + mapText(info.defaultUrl) + ",\n";
    out += "  \"readOnly\": " + QByteArray::number(info.readOnly ? 1 : 0) + ",\n";
    out += QByteArray("  \"responsive\": ") + (info.scalesWithPicture ? "true" : "false") + ",\n";
    out += "  \"areas\": [";
    for (int i = 0; i < doc.areaCount(); ++i)
        out += (i ? ",\n    " : "\n    ") + areaJson(*doc.area(i));
    out += doc.areaCount() ? "\n  ]" : "]";
    out += ",\n  \"mapAttributes\": " + attributesJson(info.mapAttributes);
    out += ",\n  \"defaultAttributes\": " + attributesJson(info.defaultAttributes);
    for (const auto& [key, value] : extra)
        out += ",\n  " + quote(QString::fromUtf8(key)) + ": " + value;
    return out + "\n}\n";
}

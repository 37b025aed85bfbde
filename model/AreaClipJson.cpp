#include "model/AreaClipJson.h"

#include "model/MapArea.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeData>

#include <cmath>

namespace {

using Form = TagAttribute::Form;

// No picture is this large (as in the fixed record); beyond it a number is
// a damaged clip, and moving it by a paste position could overflow.
constexpr double kLargestCoordinate = 1 << 24;

const char* formName(Form form) {
    switch (form) {
    case Form::SingleQuoted:
        return "single";
    case Form::Unquoted:
        return "unquoted";
    case Form::Bare:
    case Form::DoubleQuoted:
        break;
    }
    return "double";
}

// Texts are bytes: UTF-8 travels as a string, anything else as base64.
QJsonValue textValue(const QByteArray& bytes) {
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() == bytes)
        return text;
    return QJsonObject{{QStringLiteral("bytes"), QString::fromLatin1(bytes.toBase64())}};
}

std::optional<QByteArray> textOf(const QJsonValue& v) {
    QByteArray bytes;
    if (v.isString()) {
        bytes = v.toString().toUtf8();
    } else if (v.isObject() && v.toObject().size() == 1 && v[QLatin1String("bytes")].isString()) {
        auto decoded =
            QByteArray::fromBase64Encoding(v[QLatin1String("bytes")].toString().toLatin1(),
                                           QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded)
            return std::nullopt;
        bytes = std::move(*decoded);
    } else if (!v.isUndefined()) {
        return std::nullopt; // a text left out is empty; one of a wrong type is damage
    }
    if (bytes.contains('\0')) // no page may hold one
        return std::nullopt;
    return bytes;
}

std::optional<int> coordinateOf(const QJsonValue& v) {
    const double d = v.toDouble(NAN);
    if (!v.isDouble() || d != std::floor(d) || std::abs(d) > kLargestCoordinate)
        return std::nullopt;
    return int(d);
}

std::optional<TagAttribute> attributeOf(const QJsonValue& v) {
    const QJsonArray a = v.toArray();
    if (!v.isArray() || a.size() < 2 || a.size() > 3)
        return std::nullopt;
    // A TITLE given empty is kept among the attributes (it is no title to
    // edit); any other name the editor writes itself would repeat one.
    std::optional<QByteArray> name = textOf(a[0]);
    const bool emptyTitle = name && name->compare("title", Qt::CaseInsensitive) == 0 &&
                            a[1].isString() && a[1].toString().isEmpty();
    if (!name || !TagAttribute::validName(*name) ||
        (TagAttribute::writtenForArea(*name) && !emptyTitle))
        return std::nullopt;
    TagAttribute attribute{std::move(*name), {}, Form::Bare};
    if (a[1].isNull())
        return a.size() == 2 ? std::optional(attribute) : std::nullopt;
    std::optional<QByteArray> value = textOf(a[1]);
    const QString form = a.size() == 3 ? a[2].toString() : QStringLiteral("double");
    if (!value)
        return std::nullopt;
    attribute.value = std::move(*value);
    if (form == QLatin1String("double"))
        attribute.form = Form::DoubleQuoted;
    else if (form == QLatin1String("single"))
        attribute.form = Form::SingleQuoted;
    else if (form == QLatin1String("unquoted"))
        attribute.form = Form::Unquoted;
    else
        return std::nullopt;
    return attribute;
}

bool readTexts(const QJsonObject& o, AreaTexts& texts) {
    const std::pair<const char*, QByteArray*> fields[] = {{"url", &texts.url},
                                                          {"target", &texts.target},
                                                          {"comment", &texts.comment},
                                                          {"title", &texts.title}};
    for (const auto& [key, field] : fields) {
        std::optional<QByteArray> text = textOf(o[QLatin1String(key)]);
        if (!text)
            return false;
        *field = std::move(*text);
    }
    const QJsonValue list = o[QLatin1String("attributes")];
    if (list.isUndefined())
        return true;
    if (!list.isArray() || list.toArray().size() > TagAttribute::kMaxPerTag)
        return false;
    for (const QJsonValue& v : list.toArray()) {
        std::optional<TagAttribute> attribute = attributeOf(v);
        if (!attribute)
            return false;
        texts.attributes.append(std::move(*attribute));
    }
    return true;
}

// The geometry as the fixed record holds it: the rectangle moved to (0, 0),
// vertices relative to it less the record's vertex offset.
bool readGeometry(const QJsonObject& o, AreaClipRecord& r) {
    const QJsonArray rect = o[QLatin1String("rect")].toArray();
    if (rect.size() != 4)
        return false;
    int edges[4];
    for (int i = 0; i < 4; ++i) {
        const std::optional<int> v = coordinateOf(rect[i]);
        if (!v)
            return false;
        edges[i] = *v;
    }
    r.rect = PixelRect{0, 0, edges[2] - edges[0], edges[3] - edges[1]};
    const QJsonValue points = o[QLatin1String("points")];
    if (r.shape != AreaShape::Polygon)
        return points.isUndefined();
    const QJsonArray list = points.toArray();
    if (list.size() < 3 || list.size() > MapArea::kMaxVertices)
        return false;
    const QPoint offset(edges[0] + AreaClipRecord::kVertexOffset,
                        edges[1] + AreaClipRecord::kVertexOffset);
    for (const QJsonValue& v : list) {
        const QJsonArray p = v.toArray();
        const std::optional<int> x = p.size() == 2 ? coordinateOf(p[0]) : std::nullopt;
        const std::optional<int> y = p.size() == 2 ? coordinateOf(p[1]) : std::nullopt;
        if (!x || !y)
            return false;
        const QPoint vertex = QPoint(*x, *y) - offset;
        // A vertex repeating the one before is the same vertex, as an area
        // keeps it; a polygon left with fewer than 3 is no polygon, and its
        // own copy could not be pasted.
        if (r.vertices.empty() || r.vertices.back() != vertex)
            r.vertices.push_back(vertex);
    }
    r.vertexCount = int(r.vertices.size());
    return r.vertexCount >= 3;
}

} // namespace

QString AreaClipJson::mimeType() {
    return QStringLiteral("application/x-tessary-area+json");
}

QByteArray AreaClipJson::toBytes(const MapArea& area) {
    const PixelRect r = area.imageRect();
    QJsonObject o{{QStringLiteral("shape"), QLatin1String(shapeKeyword(area.shape()))},
                  {QStringLiteral("rect"), QJsonArray{r.left, r.top, r.right, r.bottom}},
                  {QStringLiteral("url"), textValue(area.url())},
                  {QStringLiteral("target"), textValue(area.target())},
                  {QStringLiteral("comment"), textValue(area.comment())},
                  {QStringLiteral("title"), textValue(area.title())}};
    if (area.shape() == AreaShape::Polygon) {
        QJsonArray points;
        for (int i = 0; i < area.vertexCount(); ++i)
            points.append(QJsonArray{area.vertex(i).x(), area.vertex(i).y()});
        o.insert(QStringLiteral("points"), points);
    }
    QJsonArray attributes;
    for (const TagAttribute& a : area.attributes()) {
        QJsonArray entry{textValue(a.name)};
        if (a.form == Form::Bare && a.value.isEmpty())
            entry.append(QJsonValue::Null);
        else
            entry << textValue(a.value) << QLatin1String(formName(a.form));
        attributes.append(entry);
    }
    o.insert(QStringLiteral("attributes"), attributes);
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

std::optional<AreaClipRecord> AreaClipJson::fromBytes(QByteArrayView bytes) {
    if (bytes.isEmpty() || bytes.size() > kMaxBytes)
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    const QJsonObject o = doc.object();
    AreaClipRecord r;
    if (!shapeFromKeyword(o[QLatin1String("shape")].toString().toLatin1(), r.shape))
        return std::nullopt;
    if (!readGeometry(o, r) || !readTexts(o, r.texts))
        return std::nullopt;
    return r;
}

void AreaClipJson::putInto(QMimeData& data, const MapArea& area) {
    // The record only for an area it holds whole: a copy that reads only
    // the record then pastes nothing rather than a part of the area.
    if (AreaClipRecord::fits(area))
        AreaClipRecord::of(area).putInto(data);
    data.setData(mimeType(), toBytes(area));
}

std::optional<AreaClipRecord> AreaClipJson::fromMimeData(const QMimeData& data) {
    if (data.hasFormat(mimeType())) {
        if (std::optional<AreaClipRecord> whole = fromBytes(data.data(mimeType())))
            return whole;
    }
    return AreaClipRecord::fromMimeData(data);
}

bool AreaClipJson::offeredBy(const QMimeData& data) {
    return data.hasFormat(mimeType()) || data.hasFormat(AreaClipRecord::mimeType());
}

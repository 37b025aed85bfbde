#include "model/AreaClipRecord.h"

#include "model/Strings.h"

#include <QMimeData>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kShapeAt = 0;
constexpr int kUrlAt = 4;
constexpr int kTargetAt = 2052;
constexpr int kCommentAt = 4100;
constexpr int kTextField = 2048;
constexpr int kRectAt = 6148;
constexpr int kCountAt = 6164;
constexpr int kVerticesAt = 6168;
// No picture is this large; beyond it a coordinate is a damaged record.
// Map files hold coordinates within the same bound, so that moving an area
// by a paste position never overflows and working out a polygon's box row
// by row stays quick.
constexpr int kCoordinateLimit = 1000000;

void putInt(QByteArray& b, int at, int v) {
    qToLittleEndian<qint32>(v, b.data() + at);
}

int getInt(const QByteArray& b, int at) {
    return qFromLittleEndian<qint32>(b.constData() + at);
}

void putText(QByteArray& b, int at, const QByteArray& text) {
    const int n = int(std::min<qsizetype>(text.size(), AreaClipRecord::kTextRoom));
    std::copy_n(text.constData(), n, b.data() + at); // the NUL is already there
}

QByteArray getText(const QByteArray& b, int at) {
    const char* field = b.constData() + at;
    const char* end = std::find(field, field + AreaClipRecord::kTextRoom, '\0');
    return QByteArray(field, end - field);
}

bool sane(int v) {
    return std::abs(v) <= kCoordinateLimit;
}

// Nor is an area wider or taller than a picture: its own copy (a box from
// 0 and vertices relative to it) would then hold coordinates beyond the
// limit, and could not be pasted again. A polygon's box takes one pixel
// beyond its last vertex.
bool withinOnePicture(const AreaClipRecord& r) {
    if (!sane(r.rect.right - r.rect.left) || !sane(r.rect.bottom - r.rect.top))
        return false;
    if (r.vertexCount == 0)
        return true;
    const auto first = r.vertices.begin(), last = r.vertices.end();
    const auto [left, right] =
        std::minmax_element(first, last, [](QPoint a, QPoint b) { return a.x() < b.x(); });
    const auto [top, bottom] =
        std::minmax_element(first, last, [](QPoint a, QPoint b) { return a.y() < b.y(); });
    return right->x() - left->x() < kCoordinateLimit && bottom->y() - top->y() < kCoordinateLimit;
}

} // namespace

bool AreaClipRecord::fits(const MapArea& area) {
    return area.vertexCount() <= kMaxVertices;
}

AreaClipRecord AreaClipRecord::of(const MapArea& area) {
    AreaClipRecord r;
    r.shape = area.shape();
    r.texts = area.texts();
    for (QByteArray* t : {&r.texts.url, &r.texts.target, &r.texts.comment})
        t->truncate(kTextRoom);
    const PixelRect box = area.imageRect();
    r.rect = box.translated(-box.left, -box.top);
    r.vertexCount = area.vertexCount();
    r.vertices.reserve(std::size_t(r.vertexCount));
    const QPoint offset(box.left + kVertexOffset, box.top + kVertexOffset);
    for (int i = 0; i < r.vertexCount; ++i)
        r.vertices.push_back(area.vertex(i) - offset);
    return r;
}

QByteArray AreaClipRecord::toBytes() const {
    QByteArray b(kSize, '\0');
    putInt(b, kShapeAt, int(shape));
    putText(b, kUrlAt, texts.url);
    putText(b, kTargetAt, texts.target);
    putText(b, kCommentAt, texts.comment);
    putInt(b, kRectAt, rect.left);
    putInt(b, kRectAt + 4, rect.top);
    putInt(b, kRectAt + 8, rect.right);
    putInt(b, kRectAt + 12, rect.bottom);
    const int count = std::min(int(vertices.size()), kMaxVertices);
    putInt(b, kCountAt, count);
    for (int i = 0; i < count; ++i) {
        putInt(b, kVerticesAt + 8 * i, vertices[std::size_t(i)].x());
        putInt(b, kVerticesAt + 8 * i + 4, vertices[std::size_t(i)].y());
    }
    return b;
}

std::optional<AreaClipRecord> AreaClipRecord::fromBytes(const QByteArray& b) {
    if (b.size() < kSize)
        return std::nullopt;
    AreaClipRecord r;
    const int shape = getInt(b, kShapeAt);
    if (shape < int(AreaShape::Rectangle) || shape > int(AreaShape::Polygon))
        return std::nullopt;
    r.shape = AreaShape(shape);
    r.texts = {getText(b, kUrlAt), getText(b, kTargetAt), getText(b, kCommentAt)};
    r.rect = {getInt(b, kRectAt), getInt(b, kRectAt + 4), getInt(b, kRectAt + 8),
              getInt(b, kRectAt + 12)};
    if (!sane(r.rect.left) || !sane(r.rect.top) || !sane(r.rect.right) || !sane(r.rect.bottom))
        return std::nullopt;
    r.vertexCount =
        r.shape == AreaShape::Polygon ? std::clamp(getInt(b, kCountAt), 0, kMaxVertices) : 0;
    for (int i = 0; i < r.vertexCount; ++i) {
        const QPoint p(getInt(b, kVerticesAt + 8 * i), getInt(b, kVerticesAt + 8 * i + 4));
        if (!sane(p.x()) || !sane(p.y()))
            return std::nullopt;
        r.vertices.push_back(p);
    }
    return withinOnePicture(r) ? std::optional(r) : std::nullopt;
}

std::unique_ptr<MapArea> AreaClipRecord::makeArea(QPoint at) const {
    auto area = std::make_unique<MapArea>(shape);
    area->setTexts(texts);
    if (shape != AreaShape::Polygon) {
        area->setRect(rect.translated(at.x(), at.y()));
        return area;
    }
    // The record keeps vertices kVertexOffset up and left of their place in
    // the rectangle; adding it back lands the polygon where a rectangle of
    // the same box would.
    const QPoint shift = at + QPoint(kVertexOffset, kVertexOffset);
    for (const QPoint& v : vertices)
        area->addVertex(v.x() + shift.x(), v.y() + shift.y());
    return area;
}

QString AreaClipRecord::mimeType() {
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"")
        .arg(Strings::untranslated(Str::AreaClipFormat));
}

void AreaClipRecord::putInto(QMimeData& data) const {
    data.setData(mimeType(), toBytes());
}

std::optional<AreaClipRecord> AreaClipRecord::fromMimeData(const QMimeData& data) {
    if (!data.hasFormat(mimeType()))
        return std::nullopt;
    return fromBytes(data.data(mimeType()));
}

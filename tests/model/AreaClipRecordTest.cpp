#include "model/AreaClipRecord.h"
#include "model/AreaClipJson.h"
#include "model/AreaClipList.h"
#include "model/PastePosition.h"
#include "model/UrlDrop.h"

#include <QMimeData>
#include <QtEndian>

#include <cmath>

#include <gtest/gtest.h>

namespace {

qint32 intAt(const QByteArray& b, int at) {
    return qFromLittleEndian<qint32>(b.constData() + at);
}

MapArea triangle() {
    MapArea a(AreaShape::Polygon);
    a.setTexts({"t.htm", "_top", "Triangle"});
    for (const QPoint p : {QPoint(40, 200), QPoint(120, 100), QPoint(200, 200)})
        a.addVertex(p.x(), p.y());
    return a;
}

// A ring of n vertices, none repeating the one before.
MapArea ring(int n) {
    MapArea a(AreaShape::Polygon);
    a.setTexts({"r.htm", {}, "Ring"});
    for (int k = 0; k < n; ++k) {
        const double t = 2 * M_PI * k / n;
        const double r = k % 2 ? 900 : 1000;
        a.addVertex(2000 + int(r * std::cos(t)), 2000 + int(r * std::sin(t)));
    }
    return a;
}

} // namespace

// The fixed record is offered for an area it holds whole and for no other:
// a polygon of more than 63 points travels in the JSON forms only, whole,
// so that a copy that reads only the record finds nothing to paste rather
// than a polygon cut to its first 63 points. Several areas copied together
// travel whole in the list form whatever the first one is.
TEST(AreaClipRecord, OfferedOnlyForAreasItHoldsWhole) {
    for (const int n : {3, 63, 64, 284, 5000, MapArea::kMaxVertices}) {
        const MapArea area = ring(n);
        ASSERT_EQ(area.vertexCount(), n);
        QMimeData data;
        AreaClipJson::putInto(data, area);
        EXPECT_EQ(AreaClipRecord::fits(area), n <= 63) << n;
        EXPECT_EQ(data.hasFormat(AreaClipRecord::mimeType()), n <= 63) << n;
        EXPECT_TRUE(AreaClipJson::offeredBy(data));
        if (n <= 63)
            EXPECT_EQ(AreaClipRecord::fromMimeData(data)->vertices.size(), std::size_t(n));
        else
            EXPECT_FALSE(AreaClipRecord::fromMimeData(data));
        const std::optional<AreaClipRecord> whole = AreaClipJson::fromMimeData(data);
        ASSERT_TRUE(whole) << n;
        const std::unique_ptr<MapArea> pasted = whole->makeArea({0, 0});
        const PixelRect box = area.imageRect();
        EXPECT_EQ(pasted->vertices(), area.vertices().translated(-box.left, -box.top)) << n;

        QMimeData several;
        const MapArea small = triangle();
        AreaClipList::putInto(several, {&area, &small});
        EXPECT_EQ(several.hasFormat(AreaClipRecord::mimeType()), n <= 63) << n;
        const std::vector<AreaClipList::Item> items = AreaClipList::fromMimeData(several);
        ASSERT_EQ(items.size(), 2u) << n;
        EXPECT_EQ(items[0].record.vertexCount, n);
        EXPECT_EQ(items[0].record.makeArea(items[0].origin)->vertices(), area.vertices());
    }
}

// Other running copies read the record field by field, so every offset and
// the little-endian order are fixed.
TEST(AreaClipRecord, LayoutIsTheFixedLittleEndianRecord) {
    const MapArea a = triangle();
    const PixelRect box = a.imageRect();
    const QByteArray b = AreaClipRecord::of(a).toBytes();
    ASSERT_EQ(b.size(), 6680);
    EXPECT_EQ(intAt(b, 0), 2);
    EXPECT_EQ(QByteArray(b.constData() + 4), "t.htm");
    EXPECT_EQ(QByteArray(b.constData() + 2052), "_top");
    EXPECT_EQ(QByteArray(b.constData() + 4100), "Triangle");
    EXPECT_EQ(intAt(b, 6148), 0);
    EXPECT_EQ(intAt(b, 6152), 0);
    EXPECT_EQ(intAt(b, 6156), box.width());
    EXPECT_EQ(intAt(b, 6160), box.height());
    EXPECT_EQ(intAt(b, 6164), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(intAt(b, 6168 + 8 * i), a.vertex(i).x() - box.left - 3);
        EXPECT_EQ(intAt(b, 6172 + 8 * i), a.vertex(i).y() - box.top - 3);
    }
    EXPECT_EQ(intAt(b, 6176), 120 - box.left - 3);         // image pixels, not zoomed ones
    EXPECT_EQ(b.mid(6192), QByteArray(6680 - 6192, '\0')); // unused slots stay zero
    EXPECT_EQ(b.mid(4, 2048).count('\0'), 2048 - 5);

    QMimeData clipboard;
    AreaClipRecord::of(a).putInto(clipboard);
    EXPECT_EQ(clipboard.formats(),
              QStringList({"application/x-qt-windows-mime;value=\"JQ-Tangled\""}));
    const auto back = AreaClipRecord::fromMimeData(clipboard);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->toBytes(), b);
    EXPECT_FALSE(AreaClipRecord::fromMimeData(QMimeData()));
}

TEST(AreaClipRecord, TextsAreCutToFitTheirFields) {
    MapArea a;
    a.setRect(0, 0, 5, 5);
    a.setTexts({QByteArray(3000, 'u'), QByteArray(2047, 't'), QByteArray(2048, 'c')});
    const QByteArray b = AreaClipRecord::of(a).toBytes();
    EXPECT_EQ(QByteArray(b.constData() + 4).size(), 2047);
    EXPECT_EQ(QByteArray(b.constData() + 2052), QByteArray(2047, 't'));
    EXPECT_EQ(QByteArray(b.constData() + 4100).size(), 2047);
    EXPECT_EQ(b[6147], '\0');
}

// The clipboard may hold anything another program put there under the
// format's name.
TEST(AreaClipRecord, DamagedRecordsAreRefusedOrBounded) {
    MapArea a(AreaShape::Circle);
    a.setRect(10, 10, 30, 30);
    const QByteArray good = AreaClipRecord::of(a).toBytes();
    EXPECT_FALSE(AreaClipRecord::fromBytes(good.left(6679)));

    QByteArray bad = good;
    qToLittleEndian<qint32>(3, bad.data());
    EXPECT_FALSE(AreaClipRecord::fromBytes(bad));

    bad = good;
    qToLittleEndian<qint32>(2000000000, bad.data() + 6156);
    EXPECT_FALSE(AreaClipRecord::fromBytes(bad));

    bad = good;
    bad.replace(4, 2048, QByteArray(2048, 'x')); // no terminator
    qToLittleEndian<qint32>(2, bad.data());
    qToLittleEndian<qint32>(1000, bad.data() + 6164);
    const auto polygon = AreaClipRecord::fromBytes(bad);
    ASSERT_TRUE(polygon);
    EXPECT_EQ(polygon->texts.url, QByteArray(2047, 'x'));
    EXPECT_EQ(polygon->vertexCount, 63);
}

TEST(PastePosition, CopySetsItBesideTheArea) {
    PastePosition p;
    p.setFromCopy({50, 40, 90, 60}, QPoint(20, 10));
    EXPECT_EQ(p.point, QPoint(40, 40));
}

TEST(PastePosition, GridSnapsStepsAndStaysInsideThePicture) {
    GridSettings grid;
    grid.enabled = true;
    grid.sizeX = 16;
    grid.sizeY = 12;
    grid.offX = 3;
    grid.offY = 5;
    PastePosition p;
    p.point = {40, 40};
    const PixelRect copy{0, 0, 20, 20};
    const QPoint at = p.placeFor(copy, grid, 200, 100);
    EXPECT_EQ(at, QPoint(35, 29));
    p.advanceFrom(at, grid);
    EXPECT_EQ(p.point, QPoint(51, 41));
    p.point = {190, 10}; // snaps to 179, and the copy ends at 199
    EXPECT_EQ(p.placeFor(copy, grid, 200, 100), QPoint(179, 5));
    p.point = {195, 10}; // would end beyond 200: back to the last grid line that fits
    EXPECT_EQ(p.placeFor(copy, grid, 200, 100), QPoint(179, 5));
    p.point = {-40, 300}; // before the picture: its first grid line; below: the last
    EXPECT_EQ(p.placeFor(copy, grid, 200, 100), QPoint(3, 77));
    p.point = {195, 10};
    grid.sizeX = 0; // never divides by zero
    EXPECT_EQ(p.placeFor(copy, grid, 400, 100), QPoint(195, 5));
}

TEST(UrlDrop, BookmarkHoldsUrlAndTitleAtFixedOffsets) {
    QByteArray data(1100, '\0');
    data.replace(0, 12, "http://a.b/x");
    data.replace(1024, 5, "Title");
    const UrlDrop d = UrlDrop::fromBookmark(data);
    EXPECT_EQ(d.url, "http://a.b/x");
    EXPECT_EQ(d.title, "Title");

    // A URL without its terminator ends where the title begins.
    QByteArray full(1030, 'a');
    full[1029] = '\0';
    EXPECT_EQ(UrlDrop::fromBookmark(full).url.size(), 1024);
    EXPECT_EQ(UrlDrop::fromBookmark(full).title, "aaaaa");
    EXPECT_TRUE(UrlDrop::fromBookmark("x").title.isEmpty());
}

TEST(UrlDrop, MimeDataIsTakenInOrderOfPreference) {
    QMimeData both;
    QByteArray bookmark(1030, '\0');
    bookmark.replace(0, 5, "b.htm");
    both.setData(UrlDrop::mimeTypes().first(), bookmark);
    both.setText("plain.htm");
    EXPECT_EQ(UrlDrop::fromMimeData(both)->url, "b.htm");

    QMimeData moz;
    const QString mozText = "http://m.org/\nMozilla Title";
    moz.setData("text/x-moz-url",
                QByteArray(reinterpret_cast<const char*>(mozText.utf16()), mozText.size() * 2));
    moz.setText("ignored");
    EXPECT_EQ(UrlDrop::fromMimeData(moz)->url, "http://m.org/");
    EXPECT_EQ(UrlDrop::fromMimeData(moz)->title, "Mozilla Title");

    QMimeData list;
    list.setData("text/uri-list", "# comment\r\nhttp://l.org/\r\nhttp://second/\r\n");
    EXPECT_EQ(UrlDrop::fromMimeData(list)->url, "http://l.org/");

    QMimeData text;
    text.setText("  http://t.org/\n");
    EXPECT_EQ(UrlDrop::fromMimeData(text)->url, "http://t.org/");
    EXPECT_TRUE(UrlDrop::fromMimeData(text)->title.isEmpty());

    EXPECT_FALSE(UrlDrop::fromMimeData(QMimeData()));
}

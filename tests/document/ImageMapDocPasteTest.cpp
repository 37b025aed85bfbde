#include "document/ImageMapDoc.h"
#include "model/AreaClipJson.h"
#include "model/AreaClipRecord.h"
#include "model/PastePosition.h"
#include "model/UrlDrop.h"
#include "support/FakePictureSource.h"

#include <QMimeData>

#include <gtest/gtest.h>

namespace {

// A map on a 400 x 300 picture.
class Paste : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(doc.newDocument({QString(), "/pics/a.png", false})); }
    int paste(const AreaClipRecord& record) { return doc.pasteArea(record, position, grid); }
    static AreaClipRecord rectRecord(int w, int h) {
        MapArea a;
        a.setRect(0, 0, w, h);
        a.setTexts({"r.htm", {}, "R"});
        return AreaClipRecord::of(a);
    }

    FakePictureSource pictures;
    CImageMapDoc doc{nullptr, &pictures};
    PastePosition position;
    GridSettings grid;
};

std::unique_ptr<MapArea> rect(const PixelRect& r, const QByteArray& comment = {}) {
    auto a = std::make_unique<MapArea>();
    a->setRect(r);
    a->setTexts({"old.htm", {}, comment});
    return a;
}

} // namespace

TEST_F(Paste, ThreePastesCascade) {
    position.point = {50, 60};
    const AreaClipRecord record = rectRecord(30, 20);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(paste(record), i);
    EXPECT_EQ(doc.area(0)->imageRect(), (PixelRect{50, 60, 80, 80}));
    EXPECT_EQ(doc.area(1)->imageRect(), (PixelRect{60, 70, 90, 90}));
    EXPECT_EQ(doc.area(2)->imageRect(), (PixelRect{70, 80, 100, 100}));
    EXPECT_EQ(doc.area(2)->texts(), (AreaTexts{"r.htm", {}, "R"}));
    EXPECT_TRUE(doc.isModified());
}

// A copy that would leave the picture is moved back to end at its edge:
// pasted into a smaller picture it lands as near its place as fits.
TEST_F(Paste, CopyThatWouldLeaveThePictureIsMovedInside) {
    position.point = {380, 10};
    const AreaClipRecord record = rectRecord(30, 20);
    paste(record);
    EXPECT_EQ(doc.area(0)->imageRect(), (PixelRect{370, 10, 400, 30}));
    paste(record);
    EXPECT_EQ(doc.area(1)->imageRect(), (PixelRect{370, 20, 400, 40}));
    position.point = {370, 281}; // fits across exactly, one row too low
    paste(record);
    EXPECT_EQ(doc.area(2)->imageRect(), (PixelRect{370, 280, 400, 300}));
    // Larger than the picture: at its corner, cut to it.
    paste(rectRecord(500, 20));
    EXPECT_EQ(doc.area(3)->imageRect(), (PixelRect{0, 280, 400, 300}));
}

// A copy made in a scrolled view can put the paste position left of or
// above the picture, where the pasted area could not be reached.
TEST_F(Paste, PositionBeforeThePictureStartsAtItsEdge) {
    position.setFromCopy({20, 30, 40, 50}, QPoint(100, 0));
    paste(rectRecord(30, 20));
    EXPECT_EQ(doc.area(0)->imageRect(), (PixelRect{0, 40, 30, 60}));
}

TEST_F(Paste, PolygonPastesWithTheSameShape) {
    MapArea source(AreaShape::Polygon);
    for (const QPoint p : {QPoint(100, 60), QPoint(160, 90), QPoint(130, 150), QPoint(90, 120)})
        source.addVertex(p.x(), p.y());
    const PixelRect box = source.imageRect();
    const AreaClipRecord record =
        AreaClipRecord::fromBytes(AreaClipRecord::of(source).toBytes()).value();

    position.point = {200, 100};
    ASSERT_EQ(paste(record), 0);
    const MapArea& pasted = *doc.area(0);
    EXPECT_EQ(pasted.shape(), AreaShape::Polygon);
    ASSERT_EQ(pasted.vertexCount(), 4);
    // Every vertex keeps its place in the shape, its box's corner at the
    // paste position.
    const QPoint shift = QPoint(200, 100) - QPoint(box.left, box.top);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(pasted.vertex(i), source.vertex(i) + shift) << i;
}

TEST_F(Paste, ReadOnlyOrFullMapsTakeNoPaste) {
    doc.setReadOnly(true);
    EXPECT_EQ(paste(rectRecord(5, 5)), -1);
    doc.setReadOnly(false);
    for (int i = 0; i < CImageMapDoc::kMaxAreas; ++i)
        doc.addArea(rect({0, 0, 5, 5}));
    const QPoint before = position.point;
    EXPECT_EQ(paste(rectRecord(5, 5)), -1);
    EXPECT_EQ(position.point, before);
}

TEST_F(Paste, PlainTextDropKeepsTheCommentABookmarkReplacesIt) {
    doc.addArea(rect({10, 10, 60, 60}, "Old comment"));
    doc.setModified(false);
    EXPECT_EQ(doc.dropUrl(UrlDrop::fromText("http://new/"), QPoint(20, 20)), 0);
    EXPECT_EQ(doc.area(0)->texts(), (AreaTexts{"http://new/", {}, "Old comment"}));
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.dropUrl({"b.htm", "Bookmark title"}, QPoint(20, 20)), 0);
    EXPECT_EQ(doc.area(0)->texts(), (AreaTexts{"b.htm", {}, "Bookmark title"}));
}

// The drop goes where a visitor's click would: the front-most area.
TEST_F(Paste, DropGoesToTheFrontMostAreaHit) {
    doc.addArea(rect({10, 10, 60, 60}));
    doc.addArea(rect({40, 40, 90, 90}));
    doc.addArea(rect({200, 200, 220, 220}));
    const UrlDrop drop{"b.htm", "Bookmark title"};
    EXPECT_EQ(doc.dropTargetAt(QPoint(50, 50)), 0);
    EXPECT_EQ(doc.dropUrl(drop, QPoint(50, 50)), 0);
    EXPECT_EQ(doc.area(0)->comment(), "Bookmark title");
    EXPECT_EQ(doc.area(1)->url(), "old.htm");
}

TEST_F(Paste, CopyLargerThanThePictureIsCutToIt) {
    paste(rectRecord(500, 100));
    EXPECT_EQ(doc.area(0)->imageRect(), (PixelRect{0, 0, 400, 100}));
}

TEST_F(Paste, DropsThatChangeNothing) {
    doc.addArea(rect({10, 10, 60, 60}));
    doc.setModified(false);
    EXPECT_EQ(doc.dropUrl({"x.htm", {}}, QPoint(300, 300)), -1); // no area there
    EXPECT_EQ(doc.dropUrl({{}, "title"}, QPoint(20, 20)), -1);   // no URL
    doc.setReadOnly(true);
    EXPECT_EQ(doc.dropUrl({"x.htm", {}}, QPoint(20, 20)), -1);
    EXPECT_EQ(doc.area(0)->url(), "old.htm");
    EXPECT_FALSE(doc.isModified());
}

// Between two maps the whole area travels: title, every attribute kept
// from its page and texts longer than the fixed record holds; the fixed
// record beside it stays as other running copies read it.
TEST_F(Paste, WholeAreaTravelsBetweenMapsBesideTheFixedRecord) {
    using Form = TagAttribute::Form;
    const TagAttributes kept{{"id", "a1", Form::Unquoted},
                             {"class", "hot spot", Form::SingleQuoted},
                             {"onmouseover", "say(\"hi\") && x", Form::DoubleQuoted},
                             {"download", {}, Form::Bare},
                             {"title", {}, Form::DoubleQuoted},             // a TITLE given empty
                             {"data-\xe9", "caf\xe9", Form::DoubleQuoted}}; // not UTF-8
    MapArea source(AreaShape::Polygon);
    for (const QPoint p : {QPoint(100, 60), QPoint(160, 90), QPoint(130, 150)})
        source.addVertex(p.x(), p.y());
    const QByteArray longUrl = "u" + QByteArray(3000, 'x');
    source.setTexts({longUrl, "_top", "Tri", "Tip", kept});
    QMimeData data;
    AreaClipJson::putInto(data, source);
    EXPECT_EQ(AreaClipRecord::fromMimeData(data)->texts.url, longUrl.left(2047));

    const std::optional<AreaClipRecord> clip = AreaClipJson::fromMimeData(data);
    ASSERT_TRUE(clip);
    ASSERT_EQ(paste(*clip), 0);
    EXPECT_EQ(doc.area(0)->texts(), source.texts());
    EXPECT_EQ(doc.area(0)->imageRing(),
              source.imageRing().translated(doc.area(0)->vertex(0) - source.vertex(0)));

    // Damaged or hostile JSON is refused, and paste takes the fixed record.
    const QByteArray good = data.data(AreaClipJson::mimeType());
    QByteArray deep(100000, '[');
    const QList<QByteArray> hostile = {
        QByteArray(AreaClipJson::kMaxBytes + 1, ' '),
        good.left(good.size() / 2),
        deep,
        "[]",
        QByteArray(good).replace("\"poly\"", "\"star\""),
        QByteArray(good).replace("\"rect\":[", "\"rect\":[1e300,"),
        QByteArray(good).replace("\"rect\":[", "\"rect\":[\"1\","),
        QByteArray(good).replace("\"points\":[", "\"points\":[[1.5,2],"),
        QByteArray(good).replace("\"title\":\"Tip\"", "\"title\":7"),
        QByteArray(good).replace("\"title\":\"Tip\"", "\"title\":\"a\\u0000b\""),
        QByteArray(good).replace("\"title\":\"Tip\"", "\"title\":{\"bytes\":\"!!\"}"),
        QByteArray(good).replace("[\"id\",", "[\"href\","), // the editor writes HREF
        QByteArray(good).replace("[\"id\",", "[\"a b\","),  // no name
        QByteArray(good).replace("[\"title\",\"\"", "[\"TITLE\",\"x\""),
        QByteArray(good).replace("\"unquoted\"", "\"back\""), // no form
        QByteArray(good).replace("[\"download\",null]", "[\"download\",null,\"x\"]"),
    };
    for (const QByteArray& bytes : hostile) {
        SCOPED_TRACE(bytes.left(80).toStdString());
        EXPECT_FALSE(AreaClipJson::fromBytes(bytes));
        data.setData(AreaClipJson::mimeType(), bytes);
        const std::optional<AreaClipRecord> fallback = AreaClipJson::fromMimeData(data);
        ASSERT_TRUE(fallback);
        EXPECT_EQ(fallback->texts.title, "");
        EXPECT_EQ(fallback->texts.url, longUrl.left(2047));
    }
    QMimeData only;
    only.setData(AreaClipJson::mimeType(), "{\"shape\":\"rect\"}");
    EXPECT_TRUE(AreaClipJson::offeredBy(only));
    EXPECT_FALSE(AreaClipJson::fromMimeData(only));
    QString many = QStringLiteral("[\"x\",\"1\"]");
    for (int i = 0; i < TagAttribute::kMaxPerTag; ++i)
        many += QStringLiteral(",[\"x\",\"1\"]");
    EXPECT_FALSE(AreaClipJson::fromBytes("{\"shape\":\"rect\",\"rect\":[0,0,5,5],\"attributes\":[" +
                                         many.toUtf8() + "]}"));
    EXPECT_TRUE(AreaClipJson::fromBytes("{\"shape\":\"rect\",\"rect\":[0,0,5,5]}"));
}

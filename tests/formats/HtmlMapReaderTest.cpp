#include "formats/HtmlMapReader.h"
#include "AreaParseCases.h"
#include "formats/HtmlPageScan.h"
#include "formats/MapReadReport.h"
#include "model/AreaCollector.h"
#include "model/MapInfo.h"
#include "support/FakeDocumentDialogs.h"
#include "support/RecordingSink.h"

#include <gtest/gtest.h>

namespace {

struct Read {
    explicit Read(const QByteArray& text, DocumentDialogs* dialogs = nullptr) : areas(1024) {
        ok = HtmlMapReader::read(text, areas, info, dialogs);
    }
    int count() const { return int(areas.areas().size()); }
    const MapArea& at(int i) const { return *areas.areas().at(i); }

    AreaCollector areas;
    MapInfo info;
    bool ok = false;
};

const QByteArray kTwoMaps = "<IMG SRC=\"img/top.gif\" USEMAP=\"#Top\">"
                            "<MAP NAME=\"Top\"><AREA COORDS=\"1,1,5,5\" HREF=top.htm></MAP>"
                            "<MAP NAME=\"Side\"><!-- #$GIF:side.png -->"
                            "<AREA COORDS=\"2,2,6,6\" HREF=side.htm></MAP>"
                            "<MAP NAME=\"Loose\"></MAP>"
                            "<MAP NAME=\"Side\"><AREA COORDS=\"3,3,7,7\"></MAP>";

} // namespace

TEST(HtmlMapReader, ReadsEveryShapeWithItsTexts) {
    Read r("<MAP NAME=\"m\">"
           "<AREA SHAPE=rect COORDS=\"10,20,30,40\" HREF=\"a.htm\" ALT=\"A\" TARGET=\"_top\">"
           "<area coords=\"1,2,3,4\" href=b.htm>"
           "<AREA SHAPE=Circle COORDS=\"50,50,10\" HREF=c.htm>"
           "<AREA SHAPE=POLY COORDS=\"1,1, 10,1,10,10 ,1,1\" HREF=p.htm>"
           "<AREA SHAPE=POLY COORDS=\"1,1,10,1\" HREF=gone.htm>"
           "<AREA SHAPE=RECTANGLE COORDS=\"1,1,2,2\"><AREA SHAPE=POLYGON COORDS=\"1,1,2,2,3,3\">"
           "<AREA SHAPE=RECT COORDS=\"1,2\">"
           "<AREA SHAPE=DEFAULT HREF=\"home.htm\">"
           "</MAP>");
    ASSERT_TRUE(r.ok);
    // Every spelling browsers accept; too few numbers make an area that is
    // kept but not clickable.
    ASSERT_EQ(r.count(), 8);
    EXPECT_FALSE(r.at(4).clickable());
    EXPECT_EQ(r.at(4).shape(), AreaShape::Polygon);
    EXPECT_EQ(r.at(5).shape(), AreaShape::Rectangle);
    EXPECT_EQ(r.at(6).shape(), AreaShape::Polygon);
    EXPECT_TRUE(r.at(6).clickable());
    EXPECT_FALSE(r.at(7).clickable());
    EXPECT_EQ(r.at(0).imageRect(), (PixelRect{10, 20, 30, 40}));
    EXPECT_EQ(r.at(0).texts(), (AreaTexts{"a.htm", "_top", "A"}));
    EXPECT_EQ(r.at(1).shape(), AreaShape::Rectangle); // no SHAPE means a rectangle
    EXPECT_EQ(r.at(2).shape(), AreaShape::Circle);
    EXPECT_EQ(r.at(2).imageRect(), (PixelRect{40, 40, 60, 60}));
    // The closing repeat of the first vertex is not a vertex of its own.
    ASSERT_EQ(r.at(3).vertexCount(), 3);
    EXPECT_EQ(r.at(3).vertex(2), QPoint(10, 10));
    EXPECT_EQ(r.info.defaultUrl, "home.htm");
}

TEST(HtmlMapReader, MapInformationComesFromTrackingLinesNameAndImg) {
    Read r("<!-- #$AUTHOR:outside -->"
           "<IMG SRC=\"other.gif\" USEMAP=\"#other\"><IMG SRC=\"pics/shop.gif\" USEMAP=\"#Shop\">"
           "<MAP NAME=\"Shop\"><!-- #$TITLE:Ignored --><!-- #$AUTHOR:Ann -->"
           "<!-- #$DESCRIPTION:first --><!-- #$DESCRIPTION:second --><!-- #$GIF:old.gif -->"
           "<!-- #$DATE:Mon Jan  1 00:00:00 2001 --></MAP>");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.info.title, "Shop"); // the NAME overrides a TITLE line
    EXPECT_EQ(r.info.author, "Ann");
    EXPECT_EQ(r.info.description, "first second");
    EXPECT_EQ(r.info.imageFile, "pics/shop.gif"); // the IMG that uses the map wins over GIF
    EXPECT_TRUE(r.info.date.isEmpty());

    Read lower("<IMG SRC=\"a.gif\" USEMAP=\"#shop\"><MAP NAME=\"Shop\"><!-- #$GIF:b.gif --></MAP>");
    EXPECT_EQ(lower.info.imageFile, "b.gif"); // map names match exactly
}

TEST(HtmlMapReader, QuotEntitiesInValuesAreDoubleQuotes) {
    Read r("<IMG SRC=\"a&quot;b.gif\" USEMAP=\"#say &quot;hi&quot;\">"
           "<MAP NAME=\"say &quot;hi&quot;\">"
           "<AREA COORDS=\"1,1,5,5\" HREF=\"q.htm?x=&quot;1&quot;\" ALT=\"&quot;\" "
           "TARGET=\"&amp;&quot;\"></MAP>");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.info.title, "say \"hi\"");
    EXPECT_EQ(r.info.imageFile, "a\"b.gif");
    EXPECT_EQ(r.at(0).texts(), (AreaTexts{"q.htm?x=\"1\"", "&amp;\"", "\""}));
}

TEST(HtmlMapReader, PageWithoutACompleteMapFails) {
    EXPECT_FALSE(Read("<HTML><BODY></BODY></HTML>").ok);
    EXPECT_FALSE(Read("<MAP NAME=m><AREA COORDS=\"1,1,5,5\">").ok);
}

TEST(HtmlMapReader, SeveralMapsAskWhichWithTheirPictures) {
    FakeDocumentDialogs dialogs;
    dialogs.mapChoice = 1;
    Read side(kTwoMaps, &dialogs);
    ASSERT_TRUE(side.ok);
    ASSERT_EQ(dialogs.mapChoicesShown.size(), 4);
    EXPECT_EQ(dialogs.mapChoicesShown[0].graphic, "img/top.gif");
    EXPECT_EQ(dialogs.mapChoicesShown[1].graphic, "side.png");
    EXPECT_EQ(dialogs.mapChoicesShown[2].name, "Loose");
    EXPECT_EQ(dialogs.mapChoicesShown[2].graphic, "<unknown>");
    ASSERT_EQ(side.count(), 1);
    EXPECT_EQ(side.at(0).url(), "side.htm");
    // The chosen row is read, even where an earlier map has its name.
    dialogs.mapChoice = 3;
    Read second(kTwoMaps, &dialogs);
    ASSERT_TRUE(second.ok);
    ASSERT_EQ(second.count(), 1);
    EXPECT_EQ(second.at(0).imageRect(), (PixelRect{3, 3, 7, 7}));
    dialogs.mapChoice = 4; // no such row
    EXPECT_FALSE(Read(kTwoMaps, &dialogs).ok);

    dialogs.mapChoice.reset();
    EXPECT_FALSE(Read(kTwoMaps, &dialogs).ok);
    EXPECT_FALSE(Read(kTwoMaps).ok); // no dialogs: cancelled
}

TEST(HtmlMapReader, ConsumerFormReceivesEachShape) {
    const QByteArray text = "<MAP NAME=m><AREA COORDS=\"1,2,3,4\" HREF=r>"
                            "<AREA SHAPE=circle COORDS=\"10,10,5\" HREF=c>"
                            "<AREA SHAPE=poly COORDS=\"0,0,9,0,9,9,0,0\" HREF=p></MAP>";
    const HtmlPageScan scan = HtmlPageScan::scan(text);
    RecordingSink sink;
    MapInfo info;
    HtmlMapReader::loadMap(text, scan, 0, sink, info);
    EXPECT_EQ(sink.calls, QStringList({"rect r 1,2,3,4", "circle c 5,5,15,15", "begin",
                                       "vertex 0,0", "vertex 9,0", "vertex 9,9", "end p"}));
    EXPECT_EQ(info.title, "m");
}

namespace {

// One map of every case of the table, each area's ALT its index.
QByteArray casesPage() {
    QByteArray page = "<!DOCTYPE html>\n<meta charset=utf-8>\n<map name=\"m\">\n";
    int i = 0;
    for (const AreaParseCase& c : areaParseCases()) {
        page += "<area";
        if (c.shape)
            page += " shape=\"" + QByteArray(c.shape) + '"';
        page += " coords=\"" + c.coords + "\" href=\"#a" + QByteArray::number(i) + "\" alt=\"" +
                QByteArray::number(i) + "\">\n";
        ++i;
    }
    return page + "</map>\n";
}

} // namespace

TEST(HtmlMapReader, ReadsShapeAndCoordsAsBrowsersDo) {
    const QByteArray page = casesPage();
    Read r(page);
    ASSERT_TRUE(r.ok);
    const std::vector<AreaParseCase>& cases = areaParseCases();
    ASSERT_EQ(r.count(), int(cases.size()));
    for (int i = 0; i < r.count(); ++i) {
        const AreaParseCase& c = cases[i];
        const MapArea& a = r.at(i);
        SCOPED_TRACE(::testing::Message() << "case " << i << ": " << (c.shape ? c.shape : "-")
                                          << " / " << c.coords.toStdString());
        EXPECT_EQ(a.comment(), QByteArray::number(i));
        EXPECT_EQ(a.clickable(), c.kind != 'N');
        if (c.kind == 'R') {
            EXPECT_EQ(a.shape(), AreaShape::Rectangle);
            EXPECT_EQ(a.imageRect(), (PixelRect{c.v[0], c.v[1], c.v[2], c.v[3]}));
        } else if (c.kind == 'C') {
            EXPECT_EQ(a.shape(), AreaShape::Circle);
            EXPECT_EQ(a.circle(), (CircleGeometry{c.v[0], c.v[1], c.v[2]}));
        } else if (c.kind == 'P') {
            ASSERT_EQ(a.shape(), AreaShape::Polygon);
            QPolygon expected;
            for (size_t k = 0; k + 1 < c.v.size(); k += 2)
                expected << QPoint(c.v[k], c.v[k + 1]);
            EXPECT_EQ(a.vertices(), expected);
        } else {
            EXPECT_FALSE(a.contains(QPoint(20, 20)));
        }
    }
}

TEST(HtmlMapReader, RepeatedPointsAndAttributesReadAsBrowsersReadThem) {
    Read r("<MAP NAME=m>"
           "<AREA SHAPE=poly COORDS=\"1,1,1,1,9,1,9,1,9,9,9,9,1,1,1,1\" href=a Href=b "
           "shape=rect ALTX=x alt=A title=T Title=U data-a=1>"
           "<area coords=\"3,3,3,3,3,3,8,8,8,8,3,3\" shape=POLY>"
           "<AREA SHAPE=DEFAULT HREF=home.htm ALT=d TITLE=t SHAPE=x HREF=y>"
           "</MAP>");
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.count(), 2);
    // Each run of one point is a vertex, and the ring's closing (itself a
    // run) is none; the first of each attribute the editor writes counts
    // (its repeats go, as the writer writes it once), every other
    // attribute is kept in order.
    EXPECT_EQ(r.at(0).shape(), AreaShape::Polygon);
    EXPECT_EQ(r.at(0).vertices(), QPolygon({{1, 1}, {9, 1}, {9, 9}}));
    EXPECT_EQ(r.at(0).url(), "a");
    EXPECT_EQ(r.at(0).comment(), "A");
    EXPECT_EQ(r.at(0).title(), "T");
    QList<QByteArray> kept;
    for (const TagAttribute& a : r.at(0).attributes())
        kept << a.name + '=' + a.value;
    EXPECT_EQ(kept, (QList<QByteArray>{"ALTX=x", "data-a=1"}));
    // Two points once the repeats are gone: kept as written, not clickable.
    EXPECT_FALSE(r.at(1).clickable());
    EXPECT_EQ(r.at(1).vertices(), QPolygon({{3, 3}, {8, 8}}));
    // The default area keeps all but its SHAPE and HREF.
    EXPECT_EQ(r.info.defaultUrl, "home.htm");
    kept.clear();
    for (const TagAttribute& a : r.info.defaultAttributes)
        kept << a.name + '=' + a.value;
    EXPECT_EQ(kept, (QList<QByteArray>{"ALT=d", "TITLE=t"}));
}

TEST(HtmlMapReader, APolygonPastTheVerticesOneHoldsIsCutAndCounted) {
    // Read whole up to the limit; past it the area keeps the first
    // vertices, as drawing them one by one would, and the report says so.
    QByteArray coords;
    const int n = MapArea::kMaxVertices + 3;
    for (int i = 0; i < n; ++i)
        coords += QByteArray::number(i % 1000) + ',' + QByteArray::number(i / 1000) + ',';
    AreaCollector areas(16);
    MapInfo info;
    MapReadReport report;
    ASSERT_TRUE(HtmlMapReader::read("<map name=m><area shape=poly coords=\"" + coords +
                                        "\"><area shape=poly coords=\"1,1,5,1,5,5\"></map>",
                                    areas, info, nullptr, &report));
    ASSERT_EQ(areas.areas().size(), 2u);
    const MapArea& cut = *areas.areas()[0];
    ASSERT_EQ(cut.vertexCount(), MapArea::kMaxVertices);
    EXPECT_EQ(cut.vertex(MapArea::kMaxVertices - 1),
              QPoint((MapArea::kMaxVertices - 1) % 1000, (MapArea::kMaxVertices - 1) / 1000));
    EXPECT_EQ(report.polygonsCut, 1);
    EXPECT_EQ(areas.areas()[1]->vertices(), QPolygon({{1, 1}, {5, 1}, {5, 5}}));
}

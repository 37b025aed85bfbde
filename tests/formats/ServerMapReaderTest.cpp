#include "formats/ServerMapReader.h"
#include "formats/LineScan.h"
#include "formats/MappedFile.h"
#include "model/AreaCollector.h"
#include "model/MapInfo.h"
#include "support/RecordingSink.h"
#include "support/TempFiles.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

// Reads text into areas the way the document does.
struct ServerRead {
    explicit ServerRead(const QByteArray& text, int capacity = 1024) : areas(capacity) {
        ok = ServerMapReader().readText(text, areas, info);
    }
    int count() const { return int(areas.areas().size()); }
    const MapArea& at(int i) const { return *areas.areas().at(i); }

    AreaCollector areas;
    MapInfo info;
    bool ok = false;
};

} // namespace

TEST(ServerMapReader, BothLineFormsGiveTheSameRectangle) {
    ServerRead r("RECT home.htm 10,10 20,30\n"
                 "rect (10,10) (20,30) home.htm trailing words\n"
                 "Rectangle (20,30) (10,10) home.htm\n");
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(r.at(i).shape(), AreaShape::Rectangle);
        EXPECT_EQ(r.at(i).imageRect(), (PixelRect{10, 10, 20, 30}));
        EXPECT_EQ(r.at(i).url(), "home.htm");
        EXPECT_TRUE(r.at(i).target().isEmpty());
    }
}

TEST(ServerMapReader, CirclesFromCentreAndEdgePointOrRadius) {
    ServerRead r("circ a.htm 50,50 60,50\n"
                 "circ b.htm 50,50 51,51\n"   // radius below 3: dropped
                 "circle c.htm 50,50 60,55\n" // off the axes: an ellipse
                 "circle (50,50) 10 d.htm\n");
    ASSERT_EQ(r.count(), 3);
    EXPECT_EQ(r.at(0).shape(), AreaShape::Circle);
    EXPECT_EQ(r.at(0).imageRect(), (PixelRect{40, 40, 60, 60}));
    EXPECT_EQ(r.at(1).url(), "c.htm");
    EXPECT_EQ(r.at(1).imageRect(), (PixelRect{40, 45, 60, 55}));
    EXPECT_EQ(r.at(2).url(), "d.htm");
    EXPECT_EQ(r.at(2).imageRect(), (PixelRect{40, 40, 60, 60}));
}

TEST(ServerMapReader, PolygonsNeedThreeVertices) {
    ServerRead r("poly a.htm 1,1 10,1 10,10\n"
                 "poly b.htm 1,1 10,1\n"
                 "poly c.htm 1,1 1,1 10,1\n" // a repeated vertex counts once
                 "polygon (1,1) (10,1) (10,10) (1,10) d.htm\n");
    ASSERT_EQ(r.count(), 2);
    EXPECT_EQ(r.at(0).vertexCount(), 3);
    EXPECT_EQ(r.at(0).vertex(2), QPoint(10, 10));
    EXPECT_EQ(r.at(0).url(), "a.htm");
    EXPECT_EQ(r.at(1).vertexCount(), 4);
    EXPECT_EQ(r.at(1).url(), "d.htm");
}

TEST(ServerMapReader, PolygonVertexListEndsAtTheFirstPairThatDoesNotScan) {
    ServerRead r("poly a.htm 1,1 10,1 10,10 x,5 20,20\n"
                 "poly (1,1) (10,1) (10,10) (20 b.htm\n");
    ASSERT_EQ(r.count(), 2);
    EXPECT_EQ(r.at(0).vertexCount(), 3);
    EXPECT_EQ(r.at(1).vertexCount(), 3);
    EXPECT_TRUE(r.at(1).url().isEmpty()); // the rest, URL included, was dropped
}

// Polygons of hundreds of points read whole; only beyond the limit of
// vertices is one cut.
TEST(ServerMapReader, PolygonsBeyondTheLimitAreCut) {
    for (const int n : {70, 284, MapArea::kMaxVertices + 5}) {
        QByteArray line = "poly a.htm";
        for (int i = 0; i < n; ++i)
            line += " " + QByteArray::number(i) + "," + QByteArray::number(i % 2);
        ServerRead r(line);
        ASSERT_EQ(r.count(), 1);
        EXPECT_EQ(r.at(0).vertexCount(), std::min(n, MapArea::kMaxVertices));
    }
}

TEST(ServerMapReader, CommentsGoToTheNextAreaCreated) {
    ServerRead r("# Home%20page\n"
                 "rect a.htm 1,1 5,5\n"
                 "rect b.htm 1,1 5,5\n"
                 "#first\n"
                 "#: second\n"
                 "circ c.htm 10,10 11,11\n" // dropped: the comment waits
                 "rect d.htm x,1 5,5\n"     // does not scan: the comment waits
                 "rect e.htm 1,1 5,5\n");
    ASSERT_EQ(r.count(), 3);
    EXPECT_EQ(r.at(0).comment(), "Home page");
    EXPECT_TRUE(r.at(1).comment().isEmpty());
    EXPECT_EQ(r.at(2).url(), "e.htm");
    EXPECT_EQ(r.at(2).comment(), "second");
}

TEST(ServerMapReader, MapInformationLines) {
    ServerRead r("#$TITLE:Site map\n"
                 "#$ AUTHOR: Ann\n"
                 "#$DESCRIPTION:a\n"
                 "#$description:b\n"
                 "#$GIF:pic.gif\n"
                 "#$FORMAT:NCSA\n"
                 "#$VERSION:1.30\n"
                 "default http://example.com/ ignored\n");
    EXPECT_EQ(r.count(), 0);
    EXPECT_EQ(r.info.title, "Site map");
    EXPECT_EQ(r.info.author, "Ann");
    EXPECT_EQ(r.info.description, "a b");
    EXPECT_EQ(r.info.imageFile, "pic.gif");
    EXPECT_EQ(r.info.defaultUrl, "http://example.com/");
}

TEST(ServerMapReader, EncodedLinesCarryMapInformation) {
    ServerRead r("rect (4096,4096) (4096,4096) jq:#$TITLE:My%20map\n"
                 "RECT (4096,4096) (4096,4096) JQ:  #$GIF:a%20b.gif\n");
    EXPECT_EQ(r.count(), 0);
    EXPECT_EQ(r.info.title, "My map");
    EXPECT_EQ(r.info.imageFile, "a b.gif");
}

TEST(ServerMapReader, LineReadingSkipsBlanksAndShortLinesAndTurnsTabsToSpaces) {
    ServerRead r("\r\n\t  \n"
                 "rect\ta.htm\t1,1\t5,5\r\n"
                 "x\n"
                 "   circ b.htm 20,20 30,20\r");
    ASSERT_EQ(r.count(), 2);
    EXPECT_EQ(r.at(0).url(), "a.htm");
    EXPECT_EQ(r.at(1).url(), "b.htm");
}

TEST(ServerMapReader, FirstLineIsAnOrdinaryLineUnlessItIsHtml) {
    ServerRead area("rect a.htm 1,1 5,5\nrect b.htm 1,1 5,5\n");
    EXPECT_EQ(area.count(), 2); // the first line is not skipped

    // A page: the server-side line after the map is not an area.
    ServerRead page(
        "\n  <HTML><MAP NAME=\"m\"><AREA COORDS=\"1,1,5,5\"></MAP>\nrect a.htm 1,1 9,9\n");
    EXPECT_TRUE(page.ok);
    ASSERT_EQ(page.count(), 1);
    EXPECT_EQ(page.at(0).imageRect(), (PixelRect{1, 1, 5, 5}));
    EXPECT_EQ(page.info.title, "m");

    // A byte order mark before the first line does not hide the page.
    ServerRead marked("\xEF\xBB\xBF<HTML><MAP NAME=\"m\"><AREA COORDS=\"1,1,5,5\"></MAP>\n");
    EXPECT_EQ(marked.count(), 1);
    ServerRead markedMap("\xEF\xBB\xBF#$TITLE:t\n");
    EXPECT_EQ(markedMap.info.title, "t");

    ServerRead later("rect a.htm 1,1 5,5\n# see <b>here</b>\n");
    EXPECT_TRUE(later.ok);
    EXPECT_EQ(later.count(), 1);
    // Templates and scripts begin otherwise; their markup makes them pages.
    ServerRead tpl("{* header *}\n<div><map name=\"m\"><area coords=\"1,1,5,5\"></map></div>\n");
    EXPECT_EQ(tpl.count(), 1);
    EXPECT_EQ(tpl.info.title, "m");
    EXPECT_TRUE(ServerMapReader::isPage("{* x *}\n<p>", QStringLiteral("t.PHP")));
    EXPECT_FALSE(ServerMapReader::isPage("rect a.htm 1,1 5,5", QStringLiteral("a.htm")));
    EXPECT_FALSE(ServerMapReader::isPage("rect a.htm 1,1 5,5", QStringLiteral("a.map")));
}

TEST(ServerMapReader, TextEndsAtTheFirstNul) {
    ServerRead r(QByteArray("rect a.htm 1,1 5,5\n\0rect b.htm 1,1 5,5\n", 39));
    EXPECT_EQ(r.count(), 1);
}

TEST(ServerMapReader, StoresNoMoreAreasThanTheSinkHolds) {
    QByteArray text;
    for (int i = 0; i < 1100; ++i)
        text += "rect a" + QByteArray::number(i) + ".htm 1,1 5,5\n";
    text += "#$TITLE:After the areas\n";
    ServerRead r(text);
    EXPECT_EQ(r.count(), 1024);
    EXPECT_EQ(r.at(1023).url(), "a1023.htm");
    EXPECT_EQ(r.info.title, "After the areas");
}

TEST(ServerMapReader, HandsPolygonsToTheSinkAsBeginVerticesEnd) {
    RecordingSink sink;
    MapInfo info;
    ServerMapReader().readText("#tri\npoly t.htm 1,1 10,1\nrect r.htm 5,6 1,2\n", sink, info);
    EXPECT_EQ(sink.calls, QStringList({"begin", "vertex 1,1", "vertex 10,1", "end t.htm tri",
                                       "rect r.htm 5,6,1,2"}));
}

TEST(ServerMapReader, ReadOnlyFollowsTheFilesWriteProtection) {
    TempFiles files;
    // A file's text, like any map text, ends at its first NUL.
    const QString path =
        files.write("a.map", QByteArray("rect a.htm 1,1 5,5\n\0rect b 1,1 5,5", 34));
    QFile::setPermissions(path, QFile::ReadOwner);
    MappedFile file;
    ASSERT_TRUE(file.open(path));
    AreaCollector areas(1024);
    MapInfo info;
    EXPECT_TRUE(ServerMapReader().read(file, areas, info));
    EXPECT_TRUE(info.readOnly);
    EXPECT_EQ(areas.areas().size(), 1u);
}

TEST(ServerMapReader, HostileTextsNumbersAndPagesAreBoundedAndExplained) {
    // A comment that decodes to a NUL ends there, as map texts always have.
    ServerRead nul("# Save 50% on shoes\nrect a.htm 1,1 5,5\n");
    ASSERT_EQ(nul.count(), 1);
    EXPECT_EQ(nul.at(0).comment(), "Save 50");

    // Numbers beyond the int range saturate, and so do the circles and
    // boxes made of them, in both kinds of file.
    constexpr int kLimit = LineScan::kCoordinateLimit;
    ServerRead server("circ a.htm 2147483647,0 -2147483648,0\n"
                      "poly p.htm -2147483649,0 10,10 0,10\n");
    ASSERT_EQ(server.count(), 2);
    EXPECT_EQ(server.at(0).imageRect(), (PixelRect{0, -kLimit, kLimit, kLimit}));
    EXPECT_EQ(server.at(1).vertex(0), QPoint(-kLimit, 0));
    ServerRead page("<map name=m><area shape=circle coords=\"2147483647,2147483647,2147483647\">"
                    "<area shape=poly coords=\"-2147483649,0,10,10,0,10\"></map>");
    ASSERT_EQ(page.count(), 2);
    EXPECT_EQ(page.at(0).imageRect(), (PixelRect{0, 0, kLimit, kLimit}));
    EXPECT_EQ(page.at(1).vertex(0), QPoint(-kLimit, 0));

    // A page that gives no map says why, and where.
    const auto failure = [](const QByteArray& text) {
        ServerMapReader reader;
        AreaCollector areas(1024);
        MapInfo info;
        EXPECT_FALSE(reader.readText(text, areas, info));
        return reader.report().failureText().toStdString();
    };
    EXPECT_EQ(failure("<html>\n<body>\n<map name=m>\n<area coords=1,1,2,2>\n</body>"),
              "The MAP element that begins on line 3 is never closed.");
    EXPECT_EQ(failure("<html>\n<!--\n<map name=m></map> -->"),
              "The MAP element on line 3 lies inside a comment, script or style, which is not "
              "part of the page.");
    // A NUL is a character of the page like any other: the map before the
    // cut is read, and its end is what is missing.
    EXPECT_EQ(failure(QByteArray("<html>\n\n<p>\0<map name=m></map>", 28)),
              "The MAP element that begins on line 3 is never closed.");
    EXPECT_EQ(failure("<html><p>nothing</p></html>"), "The page holds no complete MAP element.");
}

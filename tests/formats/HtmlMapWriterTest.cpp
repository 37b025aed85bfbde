#include "formats/HtmlMapWriter.h"
#include "formats/HtmlMapReader.h"
#include "formats/HtmlPageScan.h"
#include "model/AreaCollector.h"
#include "model/MapArea.h"
#include "model/MapInfo.h"
#include "model/Settings.h"

#include <QRandomGenerator>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using Areas = std::vector<std::unique_ptr<MapArea>>;

std::unique_ptr<MapArea> rect(int l, int t, int r, int b, const AreaTexts& texts) {
    auto a = std::make_unique<MapArea>(AreaShape::Rectangle);
    a->setRect(l, t, r, b);
    a->setTexts(texts);
    return a;
}

std::unique_ptr<MapArea> polygon(std::initializer_list<QPoint> points, const AreaTexts& texts) {
    auto a = std::make_unique<MapArea>(AreaShape::Polygon);
    for (const QPoint& p : points)
        a->addVertex(p.x(), p.y());
    a->setTexts(texts);
    return a;
}

MapInfo mapInfo(const QByteArray& title = "Shop") {
    MapInfo info;
    info.title = title;
    info.imageFile = "shop.gif";
    info.date = "Mon Jan  1 00:00:00 2001";
    return info;
}

QByteArray write(QByteArrayView old, const MapInfo& info, const Areas& areas,
                 int insertOffset = -1) {
    HtmlMapWriter writer(old);
    writer.begin(info, insertOffset);
    for (const auto& a : areas)
        writer.writeArea(*a);
    writer.writeDefault(info);
    return writer.finish();
}

QByteArray write(QByteArrayView old, const MapInfo& info = mapInfo()) {
    Areas areas;
    areas.push_back(rect(1, 2, 30, 40, {"a.htm", {}, "A"}));
    return write(old, info, areas);
}

// The version line carries the build's version; tests compare it apart.
QByteArray withoutVersion(QByteArray page) {
    static const QRegularExpression line(
        QStringLiteral("<!-- #\\$VERSION:\\d+\\.\\d+(\\.\\d+)? -->"));
    QString text = QString::fromLatin1(page);
    EXPECT_EQ(text.count(line), 1);
    return text.replace(line, QStringLiteral("<!-- #$VERSION:V -->")).toLatin1();
}

const QByteArray kCredit = "<!-- #$-:Created by Tessary -->\r\n"
                           "<!-- #$-:https://tessary.corvane.net/ -->\r\n"
                           "<!-- #$VERSION:V -->\r\n";

} // namespace

TEST(HtmlMapWriter, NewFileGetsAFullPage) {
    MapInfo info = mapInfo();
    info.author = "Ann";
    info.description = "Two buttons";
    info.defaultUrl = "index.htm";
    Areas areas;
    areas.push_back(rect(1, 2, 30, 40, {"a.htm", "_top", "A"}));
    areas.push_back(polygon({{1, 1}, {10, 1}, {10, 10}}, {{}, {}, {}}));
    auto circle = std::make_unique<MapArea>(AreaShape::Circle);
    circle->setRect(40, 40, 60, 60);
    circle->setTexts({"c.htm", {}, {}});
    areas.push_back(std::move(circle));

    const QByteArray expected =
        "<HTML>\r\n<HEAD>\r\n<TITLE>\r\nShop image map page\r\n</TITLE>\r\n"
        "<META NAME=\"GENERATOR\" CONTENT=\"Tessary\">\r\n"
        "<META NAME=\"AUTHOR\" CONTENT=\"Ann\">\r\n"
        "</HEAD>\r\n<BODY>\r\n<P>\r\n\r\n"
        "<!-- Image tags modified by Tessary for Client Side Image Map "
        "insertion -->\r\n"
        "<IMG SRC=\"shop.gif\" USEMAP=\"#Shop\" BORDER=0></P>\r\n"
        "<!-- Start of Client Side Image Map information -->\r\n"
        "<MAP NAME=\"Shop\">\r\n" +
        kCredit +
        "<!-- #$DESCRIPTION:Two buttons -->\r\n"
        "<!-- #$AUTHOR:Ann -->\r\n"
        "<!-- #$DATE:Mon Jan  1 00:00:00 2001 -->\r\n"
        "<!-- #$GIF:shop.gif -->\r\n"
        "<AREA SHAPE=RECT COORDS=\"1,2,30,40\" HREF=\"a.htm\" "
        "TARGET=\"_top\" ALT=\"A\">\r\n"
        "<AREA SHAPE=POLY COORDS=\"1,1,10,1,10,10,1,1\" ALT=\"\">\r\n"
        "<AREA SHAPE=CIRCLE COORDS=\"50,50,10\" HREF=\"c.htm\" ALT=\"\">\r\n"
        "<AREA SHAPE=default HREF=\"index.htm\">\r\n"
        "</MAP>\r\n"
        "<!-- End of Client Side Image Map information -->\r\n"
        "</BODY>\r\n</HTML>\r\n";
    EXPECT_EQ(withoutVersion(write({}, info, areas)), expected);
}

TEST(HtmlMapWriter, SavingTwiceReplacesTheMapAndNothingElse) {
    const QByteArray page = "<HTML><BODY>\r\n<H1>Shop</H1>\r\n<IMG SRC=\"pics/shop.gif\">\r\n"
                            "<P>text</P>\r\n</BODY></HTML>\r\n";
    const QByteArray first = write(page);
    EXPECT_TRUE(first.startsWith("<HTML><BODY>\r\n<H1>Shop</H1>\r\n\r\n<!-- Image tags"));
    EXPECT_TRUE(first.contains("<IMG SRC=\"shop.gif\" USEMAP=\"#Shop\" BORDER=0>\r\n<P>text"));
    EXPECT_TRUE(first.endsWith("information -->\r\n</BODY></HTML>\r\n"));

    MapInfo info = mapInfo();
    info.date = "Tue Jan  2 00:00:00 2001";
    const QByteArray second = write(first, info);
    QByteArray expected = first;
    expected.replace("Mon Jan  1", "Tue Jan  2");
    EXPECT_EQ(second, expected);
    EXPECT_EQ(second.count("Start of Client Side"), 1);
    EXPECT_EQ(second.count("End of Client Side"), 1);
    EXPECT_EQ(second.count("Image tags modified"), 1);
}

TEST(HtmlMapWriter, PagesWithPlainLineFeedsDoNotGainMarkers) {
    QByteArray page = write("<BODY>\n<IMG SRC=shop.gif>\n</BODY>\n");
    page.replace("\r\n", "\n");
    const QByteArray again = write(page);
    EXPECT_EQ(again.count("Start of Client Side"), 1);
    EXPECT_EQ(again.count("End of Client Side"), 1);
    EXPECT_EQ(again.count("Image tags modified"), 1);
    EXPECT_TRUE(again.endsWith("</BODY>\n"));
}

TEST(HtmlMapWriter, ImgTagKeepsItsAttributesAndGainsUsemap) {
    const QByteArray carried = write("<BODY><img src=\"SHOP.GIF\" width=10 Height=\"20\" alt=\"x\" "
                                     "usemap=\"#Old\"></BODY>");
    // Edited in place: SRC names another file, USEMAP another map; the
    // rest stays as the page wrote it.
    EXPECT_TRUE(carried.contains(
        "<img src=\"shop.gif\" width=10 Height=\"20\" alt=\"x\" usemap=\"#Shop\" border=0>"));
    const QByteArray border = write("<BODY><IMG SRC=shop.gif border=\"3\" ISMAP></BODY>");
    EXPECT_TRUE(border.contains("<IMG SRC=shop.gif USEMAP=\"#Shop\" border=\"3\" ISMAP>"));
    // Where a bare 0 would run on into what follows (a "<" that cuts the
    // tag short, a stray quote that would then open a value reaching into
    // the map), the value is quoted.
    const QByteArray cut = write("<BODY><IMG SRC=\"shop.gif\"<P>x</P></BODY>");
    EXPECT_TRUE(cut.contains("<IMG SRC=\"shop.gif\" USEMAP=\"#Shop\" BORDER=\"0\"<P>x</P>"));
    const QByteArray stray = write("<BODY><IMG SRC=\"shop.gif\" a\" TARGET=\"_t></BODY>");
    EXPECT_TRUE(stray.contains("<IMG SRC=\"shop.gif\" USEMAP=\"#Shop\" a BORDER=\"0\"\" TARGET"));
    EXPECT_EQ(HtmlPageScan::scan(stray).maps.size(), 1u);
}

TEST(HtmlMapWriter, BestImgTagIsRewrittenWhereverItStands) {
    // The tag that uses the map (2) beats the one that only shows the
    // picture (1), even when it stands after the map.
    const QByteArray page = "<BODY><IMG SRC=shop.gif ID=first>"
                            "<MAP NAME=\"Shop\"></MAP>"
                            "<IMG SRC=x.gif USEMAP=\"#shop\" ID=second></BODY>";
    const QByteArray out = write(page);
    EXPECT_TRUE(out.startsWith("<BODY><IMG SRC=shop.gif ID=first><!-- Start"));
    EXPECT_TRUE(out.contains("<IMG SRC=shop.gif USEMAP=\"#Shop\" ID=second BORDER=0></BODY>"));

    // A map that names no picture leaves every IMG tag alone.
    MapInfo noPicture = mapInfo();
    noPicture.imageFile.clear();
    const QByteArray untouched = write("<BODY><IMG SRC=a.gif></BODY>", noPicture);
    EXPECT_TRUE(untouched.startsWith("<BODY><IMG SRC=a.gif><!-- Start"));
}

TEST(HtmlMapWriter, SecondMapGoesBeforeTheBodyEnd) {
    const QByteArray first = write("<BODY>\r\n<P>x</P>\r\n</BODY>\r\n</HTML>\r\n");
    const QByteArray both = write(first, mapInfo("Other"));
    EXPECT_TRUE(both.startsWith(first.left(first.indexOf("</BODY>"))));
    EXPECT_EQ(both.count("<MAP NAME=\"Shop\">"), 1);
    EXPECT_TRUE(both.contains("<!-- End of Client Side Image Map information -->\r\n"
                              "<!-- Start of Client Side Image Map information -->\r\n"
                              "<MAP NAME=\"Other\">"));
    EXPECT_TRUE(both.endsWith("</BODY>\r\n</HTML>\r\n"));
}

TEST(HtmlMapWriter, PagesWithoutBodyEndAreWrittenAnew) {
    for (const QByteArray& old : {QByteArray("<HTML><P>no body end</P>"),
                                  QByteArray("<BODY>\r\n<MAP NAME=\"x\"></MAP></BODY>")}) {
        HtmlMapWriter writer(old);
        writer.begin(mapInfo());
        EXPECT_TRUE(writer.isFreshPage());
        const QByteArray out = writer.finish();
        EXPECT_TRUE(out.startsWith("<HTML>\r\n<HEAD>\r\n"));
        EXPECT_FALSE(out.contains("no body end"));
        EXPECT_FALSE(out.contains("NAME=\"x\""));
    }
}

TEST(HtmlMapWriter, LongDescriptionsWrap) {
    MapInfo info = mapInfo();
    info.description = QByteArray(130, 'd');
    const QByteArray out = write({}, info);
    // Without a space the cut comes after 58 characters and drops the next.
    EXPECT_TRUE(out.contains("<!-- #$DESCRIPTION:" + QByteArray(58, 'd') +
                             " -->\r\n"
                             "<!-- #$DESCRIPTION:" +
                             QByteArray(58, 'd') +
                             " -->\r\n"
                             "<!-- #$DESCRIPTION:" +
                             QByteArray(12, 'd') +
                             " -->\r\n"
                             "<!-- #$DATE"));

    // Cut at the last space within the first 61 characters; words come back whole.
    info.description = QByteArray(50, 'a') + " " + QByteArray(9, 'b') + " " + QByteArray(20, 'c');
    const QByteArray spaced = write({}, info);
    EXPECT_TRUE(spaced.contains("#$DESCRIPTION:" + QByteArray(50, 'a') + " " + QByteArray(9, 'b') +
                                " -->\r\n<!-- #$DESCRIPTION:" + QByteArray(20, 'c') + " -->"));
    AreaCollector areas(1024);
    MapInfo back;
    ASSERT_TRUE(HtmlMapReader::read(spaced, areas, back, nullptr));
    EXPECT_EQ(back.description, info.description);
}

TEST(HtmlMapWriter, DoubleQuotesInValuesMakeTheRoundTrip) {
    MapInfo info = mapInfo("say \"hi\"");
    info.author = "A \"B\" C";
    info.defaultUrl = "d.htm?q=\"x\"";
    Areas areas;
    areas.push_back(rect(1, 2, 30, 40, {"a.htm?q=\"1\"", "f\"rame", "the \"best\" one"}));
    // Kept attributes whose values no longer allow their form are written
    // in double quotes; a name that cannot stand in a tag is left out, and
    // a value ends at a NUL.
    using Form = TagAttribute::Form;
    areas.push_back(rect(5, 5, 9, 9,
                         {"b.htm",
                          {},
                          {},
                          "a \"t\"",
                          {{"data-a", "it's", Form::SingleQuoted},
                           {"data-b", "a b", Form::Unquoted},
                           {"bad name", "v", Form::DoubleQuoted},
                           {"data-c", QByteArray("v\0w", 3), Form::Bare},
                           {"data-d", "q\"", Form::SingleQuoted}}}));
    const QByteArray out = write({}, info, areas);
    EXPECT_TRUE(out.contains("ALT=\"\" TITLE=\"a &quot;t&quot;\" data-a=\"it's\" data-b=\"a b\" "
                             "data-c=\"v\" data-d='q&quot;'>\r\n"))
        << out.constData();
    EXPECT_TRUE(out.contains("<MAP NAME=\"say &quot;hi&quot;\">"));
    EXPECT_TRUE(out.contains("USEMAP=\"#say &quot;hi&quot;\""));
    EXPECT_TRUE(out.contains("CONTENT=\"A &quot;B&quot; C\""));
    EXPECT_TRUE(out.contains("HREF=\"a.htm?q=&quot;1&quot;\" TARGET=\"f&quot;rame\" "
                             "ALT=\"the &quot;best&quot; one\">"));

    AreaCollector collected(1024);
    MapInfo back;
    ASSERT_TRUE(HtmlMapReader::read(out, collected, back, nullptr));
    EXPECT_EQ(back.title, info.title);
    EXPECT_EQ(back.defaultUrl, info.defaultUrl);
    EXPECT_EQ(collected.areas().at(0)->texts(), areas[0]->texts());
    // Saving again finds the map by its name and replaces it.
    EXPECT_EQ(write(out, info, areas), out);
}

TEST(HtmlMapWriter, DefaultAreaNeedsARealDefaultUrl) {
    MapInfo info = mapInfo();
    info.defaultUrl = "http://www."; // the lead the document offers
    EXPECT_FALSE(write({}, info).contains("SHAPE=default"));
    info.defaultUrl.clear();
    EXPECT_FALSE(write({}, info).contains("SHAPE=default"));
    Settings::app().defaultUrlLead = QStringLiteral("https://");
    info.defaultUrl = "http://www.";
    EXPECT_TRUE(write({}, info).contains("<AREA SHAPE=default HREF=\"http://www.\">"));
    Settings::app().defaultUrlLead = QStringLiteral("http://www.");
}

TEST(HtmlMapWriter, InsertionPointCountsCharactersOtherThanCarriageReturns) {
    const QByteArray page = "<BODY>\r\n<P>ab</P>\r\n</BODY>";
    // Caret 10 is after "<BODY>", the line break and "<P>": just before "ab".
    HtmlMapWriter writer(page);
    writer.begin(mapInfo(), 10);
    EXPECT_EQ(writer.imgScore(), 500);
    const QByteArray out = writer.finish();
    EXPECT_TRUE(out.startsWith("<BODY>\r\n<P>\r\n<!-- Image tags modified by Tessary for Client "
                               "Side Image Map insertion -->\r\n"
                               "<IMG SRC=\"shop.gif\" USEMAP=\"#Shop\" BORDER=0>ab</P>\r\n"
                               "<!-- Start"));
}

TEST(HtmlMapWriter, MapsOfTheDocumentsFullSizeReadBackWhole) {
    Areas areas;
    for (int i = 0; i < 1024; ++i)
        areas.push_back(rect(i % 400, i / 400, i % 400 + 5, i / 400 + 5,
                             {"a-page-with-a-longer-name.htm", {}, {}}));
    const QByteArray page = write({}, mapInfo(), areas);
    EXPECT_GT(page.size(), 65536); // beyond the writer's first reservation
    AreaCollector back(1024);
    MapInfo info;
    ASSERT_TRUE(HtmlMapReader::read(page, back, info, nullptr));
    ASSERT_EQ(back.areas().size(), 1024u);
    EXPECT_EQ(back.areas().back()->imageRect(), areas.back()->imageRect());
}

TEST(HtmlMapWriter, CoordinatesOfEveryLengthAndSignAreWrittenInDecimal) {
    // Numbers across every change of length the writer makes, both signs,
    // up to the coordinate limit.
    const int values[] = {0,       1,    9,     10,    99,    100,    999,
                          1000,    9999, 10000, 65535, 99999, 123456, 999999,
                          1000000, -1,   -9,    -10,   -9999, -10000, -1000000};
    QRandomGenerator random(7);
    Areas areas;
    std::vector<QByteArray> expected;
    for (int round = 0; round < 40; ++round) {
        auto area = std::make_unique<MapArea>(AreaShape::Polygon);
        QByteArray coords;
        for (int i = 0, count = 3 + random.bounded(40); i < count; ++i) {
            const QPoint p(values[random.bounded(int(std::size(values)))], i);
            if (area->addVertex(p.x(), p.y()))
                coords += QByteArray::number(p.x()) + ',' + QByteArray::number(p.y()) + ',';
        }
        coords += QByteArray::number(area->vertex(0).x()) + ",0";
        area->setTexts({"\"q\".htm", {}, QByteArray("a\0b", 3)});
        expected.push_back("<AREA SHAPE=POLY COORDS=\"" + coords +
                           "\" HREF=\"&quot;q&quot;.htm\" ALT=\"a\">");
        areas.push_back(std::move(area));
    }
    areas.push_back(rect(-10000, 9999, 10000, -1000000, {"r", "_top", {}, "t"}));
    expected.push_back(
        "<AREA SHAPE=RECT COORDS=\"-10000,-1000000,10000,9999\" HREF=\"r\" TARGET=\"_top\" "
        "ALT=\"\" TITLE=\"t\">");
    const QByteArray page = write("", mapInfo(), areas);
    qsizetype from = 0;
    for (const QByteArray& tag : expected) {
        const qsizetype at = page.indexOf(tag, from);
        ASSERT_GE(at, 0) << tag.constData();
        from = at + tag.size();
    }
}

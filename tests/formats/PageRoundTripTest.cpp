// Maps saved into pages written by others: whatever the page, a save
// changes only the map and its IMG tag, and the map reads back as written.
#include "formats/HtmlMapReader.h"
#include "formats/HtmlMapWriter.h"
#include "formats/HtmlPageScan.h"
#include "formats/HtmlText.h"
#include "formats/MapReadReport.h"
#include "model/AreaCollector.h"
#include "model/MapArea.h"
#include "model/MapInfo.h"
#include "support/PageDiff.h"

#include <QRandomGenerator>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using Areas = std::vector<std::unique_ptr<MapArea>>;

QByteArray pick(QRandomGenerator& random, std::initializer_list<const char*> choices) {
    return *(choices.begin() + random.bounded(int(choices.size())));
}

// Texts with the characters that trouble pages: both quotes, "&", "<",
// ">", spaces and bytes of UTF-8.
QByteArray randomText(QRandomGenerator& random, int maxLength) {
    static const QByteArray alphabet = "ab Z09\"'&<>/#=%\xc3\xa9";
    QByteArray text;
    for (int i = random.bounded(maxLength + 1); i > 0; --i)
        text += alphabet[random.bounded(int(alphabet.size()))];
    return text;
}

// Attributes a page may carry beside the editor's own, each in a form its
// value allows.
TagAttributes randomAttributes(QRandomGenerator& random) {
    using Form = TagAttribute::Form;
    TagAttributes list;
    for (int i = random.bounded(4); i > 0; --i) {
        TagAttribute a{pick(random, {"id", "class", "data-x", "onMouseOver", "aria-label",
                                     "download", "rel", "xml:lang"}),
                       randomText(random, 10), Form(random.bounded(4))};
        if (a.form == Form::Bare)
            a.value.clear();
        else if (a.form == Form::Unquoted)
            a.value = pick(random, {"x", "a-b_c.d:9", "%20", "#top"});
        else if (a.form == Form::SingleQuoted)
            a.value.replace('\'', "");
        list.append(a);
    }
    return list;
}

AreaTexts randomTexts(QRandomGenerator& random) {
    return {randomText(random, 12), randomText(random, 4), randomText(random, 12),
            randomText(random, 6), randomAttributes(random)};
}

Areas randomAreas(QRandomGenerator& random) {
    Areas areas;
    for (int n = random.bounded(12); n > 0; --n) {
        const int kind = random.bounded(3);
        auto area = std::make_unique<MapArea>(AreaShape(kind));
        if (kind == 2) {
            const int count = 3 + random.bounded(298); // country outlines run to hundreds
            for (int i = 0; i < count; ++i)            // distinct, so none is dropped
                area->addVertex(i * 7 + random.bounded(5), random.bounded(2000));
        } else {
            const int x = random.bounded(-50, 900), y = random.bounded(-50, 900);
            const int w = 2 * (1 + random.bounded(200)),
                      h = kind == 1 ? w : 1 + random.bounded(400);
            area->setRect(x, y, x + w, y + h);
        }
        area->setTexts(randomTexts(random));
        areas.push_back(std::move(area));
    }
    return areas;
}

// A page as others write them: upper or lower case, CRLF or LF, values in
// any quotes, XHTML tags, decoy maps inside comments, scripts and styles,
// other maps and pictures, and one IMG of the map's picture.
QByteArray randomPage(QRandomGenerator& random) {
    const QByteArray nl = pick(random, {"\r\n", "\n"});
    QByteArray page = pick(random, {"<!DOCTYPE html>", "<?xml version=\"1.0\"?>", "<HTML>", ""}) +
                      nl + "<body>" + nl;
    static const char* const decoys[] = {
        "<!-- <map name=\"M\"><area coords=\"1,1,2,2\"></map> -->",
        "<script>document.write('<map name=\"M\"><area coords=\"1,1,9,9\"></map>');"
        "if (a<b) x();</script>",
        "<STYLE>p > b { x: '<map name=M>' }</STYLE>",
        "<map name='other'><area shape='poly' coords='1,1 9,1 9,9' href='o.htm'/></map>",
        "<img src=\"images/other.png\" alt=\"\"/>",
        "<p class=x>caf\xc3\xa9 &amp; <b>tea</b></p>",
        "<a href='#'>link</a>",
        "text"};
    const auto decoy = [&]() -> QByteArray {
        return decoys[random.bounded(int(std::size(decoys)))] + nl;
    };
    for (int i = random.bounded(4); i > 0; --i)
        page += decoy();
    // The map's own picture, in one of the forms pages give it.
    const char q = pick(random, {"\"", "'", ""})[0];
    const QByteArray quote = q ? QByteArray(1, q) : QByteArray();
    const bool lower = random.bounded(2);
    QByteArray img = lower ? "<img src=" : "<IMG SRC=";
    img += quote + "images/p.png" + quote;
    if (random.bounded(2))
        img += pick(random, {" alt=\"\"", " ALT='a b'", " width=10", " data-x=\"1\" xml:lang=en"});
    if (random.bounded(2))
        img += (lower ? " usemap=" : " USEMAP=") + quote + "#old" + quote;
    if (random.bounded(2))
        img += lower ? " border=\"1\"" : " BORDER=2";
    // An unquoted value would take a "/" directly after it in.
    img += q ? pick(random, {">", " />", "/>"}) : pick(random, {">", " />"});
    page += img + nl;
    for (int i = random.bounded(4); i > 0; --i)
        page += decoy();
    return page + "</body>" + nl + pick(random, {"</html>", "</HTML>\r\n", ""});
}

QByteArray save(QByteArrayView old, const MapInfo& info, const Areas& areas) {
    HtmlMapWriter writer(old);
    writer.begin(info);
    for (const auto& a : areas)
        writer.writeArea(*a);
    writer.writeDefault(info);
    return writer.finish();
}

// The map of that name read back from page (the first one of the name).
Areas readBack(const QByteArray& page, const QByteArray& name, MapInfo& info) {
    const HtmlPageScan scan = HtmlPageScan::scan(page);
    AreaCollector collector(MapArea::kMaxAreas);
    for (int i = 0; i < int(scan.maps.size()); ++i) {
        if (HtmlText::unquote(scan.maps[i].name) == name) {
            MapReadReport report;
            HtmlMapReader::loadMap(page, scan, i, collector, info, &report);
            EXPECT_FALSE(report.lossy());
            return collector.take();
        }
    }
    ADD_FAILURE() << "no map " << name.constData();
    return {};
}

void expectSameAreas(const Areas& a, const Areas& b) {
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i]->shape(), b[i]->shape()) << i;
        EXPECT_EQ(a[i]->imageRect(), b[i]->imageRect()) << i;
        EXPECT_EQ(a[i]->texts(), b[i]->texts()) << i;
        ASSERT_EQ(a[i]->vertexCount(), b[i]->vertexCount()) << i;
        for (int v = 0; v < a[i]->vertexCount(); ++v)
            EXPECT_EQ(a[i]->vertex(v), b[i]->vertex(v));
    }
}

// The IMG tag of the map's picture, and the page with that tag and
// everything the writer adds (its marker comments and the map block) taken
// out.
const HtmlImg& pictureTag(const HtmlPageScan& scan) {
    for (const HtmlImg& img : scan.imgs) {
        if (img.src == "images/p.png")
            return img;
    }
    static const HtmlImg none;
    ADD_FAILURE() << "no IMG of the picture";
    return none;
}

QByteArray withoutWhatTheWriterOwns(const QByteArray& page) {
    const HtmlPageScan scan = HtmlPageScan::scan(page);
    const HtmlImg& img = pictureTag(scan);
    QByteArray rest = page.left(img.start) + "<IMG>" + page.mid(img.end);
    static const QRegularExpression owned(
        QStringLiteral("\\r\\n<!-- Image tags modified by Tessary for Client Side Image Map "
                       "insertion -->\\r\\n|"
                       "<!-- Start of Client Side Image Map information -->\\r\\n.*"
                       "<!-- End of Client Side Image Map information -->\\r\\n"),
        QRegularExpression::DotMatchesEverythingOption);
    return QString::fromLatin1(rest).remove(owned).toLatin1();
}

} // namespace

TEST(PageRoundTrip, RandomMapsInRandomPagesChangeOnlyTheMapAndItsImgTag) {
    QRandomGenerator random(2126);
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        MapInfo info;
        info.title = pick(random, {"M", "Shop front", "it's \"ours\"", "caf\xc3\xa9"});
        info.imageFile = "images/p.png";
        info.author = randomText(random, 6).trimmed(); // tracking comments are trimmed
        info.date = "Mon Jan  1 00:00:00 2001";
        info.defaultUrl = random.bounded(2) ? randomText(random, 8) : QByteArray();
        info.mapAttributes = randomAttributes(random);
        const Areas areas = randomAreas(random);
        const QByteArray page = randomPage(random);

        const QByteArray saved = save(page, info, areas);
        ASSERT_EQ(withoutWhatTheWriterOwns(saved).toStdString(),
                  withoutWhatTheWriterOwns(page).toStdString());
        EXPECT_FALSE(saved.contains('\0'));

        // The IMG tag keeps its form: every attribute as written, the map
        // named by USEMAP, a BORDER only added.
        const HtmlPageScan oldScan = HtmlPageScan::scan(page);
        const HtmlImg& before = pictureTag(oldScan);
        const HtmlPageScan scan = HtmlPageScan::scan(saved);
        const HtmlImg& after = pictureTag(scan);
        EXPECT_EQ(HtmlText::unquote(after.mapRef), info.title);
        EXPECT_EQ(after.selfClosing, before.selfClosing);
        EXPECT_EQ(after.srcAttribute.quote, before.srcAttribute.quote);
        ASSERT_GE(after.carried.size(), before.carried.size());
        for (size_t i = 0; i < before.carried.size(); ++i) {
            EXPECT_EQ(after.carried[i].name, before.carried[i].name);
            EXPECT_EQ(after.carried[i].value, before.carried[i].value);
            EXPECT_EQ(after.carried[i].quote, before.carried[i].quote);
        }

        // The map reads back as written, and a second save changes only
        // the date line.
        MapInfo readInfo;
        const Areas back = readBack(saved, info.title, readInfo);
        expectSameAreas(areas, back);
        EXPECT_EQ(readInfo.defaultUrl, info.defaultUrl);
        EXPECT_EQ(readInfo.imageFile, info.imageFile);
        EXPECT_EQ(readInfo.mapAttributes, info.mapAttributes);
        readInfo.date = "Tue Jan  2 00:00:00 2001";
        readInfo.formatVersion = info.formatVersion;
        const QByteArray again = save(saved, readInfo, back);
        EXPECT_EQ(QByteArray(again).replace("Tue Jan  2", "Mon Jan  1"), saved);
    }
}

TEST(PageRoundTrip, ForeignMarkupIsReadAsBrowsersReadIt) {
    // Single quotes, shape words of every spelling, COORDS of decimals,
    // spaces and semicolons, a script and a comment holding decoy maps.
    const QByteArray page =
        "<html><head><script>document.write('<map name=\"surf\"><area coords=\"0,0,1,1\">"
        "</map>');</script></head><body>\n<!-- <map name='surf'></map> -->\n"
        "<img src='https://img.example.com/a/b.jpg' usemap='#surf' alt=\"\"/>\n"
        "<map name='surf'>\n"
        "<area shape='polygon' coords='440,229 450.6,240;460 , 229' href='https://x/p'/>\n"
        "<area shape=RECTANGLE coords='1 2 30 40' href=r.htm>\n"
        "<area shape=Circ coords=\"50;50;10\" href='c.htm' alt='it&quot;s'/>\n"
        "<area shape='poly' coords='1,1,2,2' href='too-few.htm'/>\n"
        "<area shape='default' href='home.htm'/>\n"
        "</map>\n</body></html>\n";
    MapInfo info;
    MapReadReport report;
    AreaCollector collector(MapArea::kMaxAreas);
    ASSERT_TRUE(HtmlMapReader::read(page, collector, info, nullptr, &report));
    EXPECT_FALSE(report.lossy());
    EXPECT_EQ(info.title, "surf");
    EXPECT_EQ(info.imageFile, "https://img.example.com/a/b.jpg");
    EXPECT_EQ(info.defaultUrl, "home.htm");
    const Areas areas = collector.take();
    ASSERT_EQ(areas.size(), 4u); // the two-point polygon is kept, not clickable
    EXPECT_FALSE(areas[3]->clickable());
    EXPECT_EQ(areas[0]->vertexCount(), 3);
    EXPECT_EQ(areas[0]->vertex(1), QPoint(451, 240));
    EXPECT_EQ(areas[1]->imageRect(), (PixelRect{1, 2, 30, 40}));
    EXPECT_EQ(areas[2]->imageRect(), (PixelRect{40, 40, 60, 60}));
    EXPECT_EQ(areas[2]->comment(), "it\"s");

    // Saved back unedited: nothing of the page changes but the editor's
    // tracking comments (the IMG already shows the map and keeps its look).
    info.date = "d";
    const QByteArray saved = save(page, info, areas);
    EXPECT_EQ(withoutTracking(saved), page);
    EXPECT_TRUE(saved.contains("<map name='surf'>\n<!-- #$"));
    EXPECT_TRUE(saved.contains("</map>\n<!-- End of Client Side Image Map information -->\r\n"
                               "</body>"));

    // One area edited: its tag alone is written anew, in the writer's form
    // (and as XHTML, as the map was); a not-clickable one keeps its COORDS.
    areas[2]->setUrl("d.htm");
    areas[3]->setUrl("e.htm");
    QByteArray expected = page;
    expected.replace("<area shape=Circ coords=\"50;50;10\" href='c.htm' alt='it&quot;s'/>",
                     "<AREA SHAPE=\"CIRCLE\" COORDS=\"50,50,10\" HREF=\"d.htm\" "
                     "ALT=\"it&quot;s\" />");
    expected.replace("<area shape='poly' coords='1,1,2,2' href='too-few.htm'/>",
                     "<AREA SHAPE=\"poly\" COORDS=\"1,1,2,2\" HREF=\"e.htm\" ALT=\"\" />");
    EXPECT_EQ(withoutTracking(save(page, info, areas)), expected);
}

TEST(PageRoundTrip, WhatCannotBeHeldIsCountedNeverCutSilently) {
    QByteArray page = "<body>";
    for (int i = 0; i < 300; ++i) // maps and pictures beyond the old capacities
        page += "<img src=p" + QByteArray::number(i) + ".png><map name=m" + QByteArray::number(i) +
                "></map>";
    page += "<IMG";
    for (int i = 0; i < 100; ++i)
        page += " a" + QByteArray::number(i) + "=" + QByteArray::number(i);
    page += " SRC=big.png USEMAP=#big><map name=big>";
    for (int i = 0; i < MapArea::kMaxAreas + 76; ++i)
        page += "<area coords=\"" + QByteArray::number(i % 1000) + ",0,1,1\" href=a>";
    page += "<area shape=poly coords=\"";
    for (int i = 0; i < 70; ++i)
        page += QByteArray::number(i) + ",0 ";
    page += "\"><area shape=star coords=1,2,3><area shape=STAR coords=1,2,3 "
            "shape=x><area shape=oval coords=1></map></body>";

    const HtmlPageScan scan = HtmlPageScan::scan(page);
    ASSERT_EQ(scan.maps.size(), 301u);
    ASSERT_EQ(scan.imgs.size(), 301u);
    EXPECT_EQ(scan.imgs[300].carried.size(), 100u);
    EXPECT_EQ(scan.imgs[300].src, "big.png");
    EXPECT_EQ(scan.maps[300].areasBeyond, 80);

    AreaCollector collector(MapArea::kMaxAreas);
    MapInfo info;
    MapReadReport report;
    HtmlMapReader::loadMap(page, scan, 300, collector, info, &report);
    EXPECT_EQ(info.imageFile, "big.png");
    EXPECT_EQ(collector.areas().size(), size_t(MapArea::kMaxAreas));
    EXPECT_EQ(report.areasBeyond, 80);
    EXPECT_TRUE(report.lossy());
    EXPECT_EQ(report.lossList().toStdString(), "80 areas beyond the 100,000 a map holds");

    // Within the limit: the long polygon and the unknown shapes are named.
    QByteArray small = "<map name=s><area shape=poly coords=\"";
    for (int i = 0; i < MapArea::kMaxVertices + 6; ++i)
        small += QByteArray::number(i) + ",0 ";
    small += "\"><area shape=star coords=1,2,3><area shape=STAR coords=1,2,3>"
             "<area shape=oval coords=1><area coords=1,1,9,9";
    for (int i = 0; i < TagAttribute::kMaxPerTag + 6; ++i) // a hostile tag's attributes
        small += " d" + QByteArray::number(i);
    small += "></map>";
    MapReadReport smallReport;
    AreaCollector few(MapArea::kMaxAreas);
    ASSERT_TRUE(HtmlMapReader::read(small, few, info, nullptr, &smallReport));
    EXPECT_EQ(
        smallReport.lossList().toStdString(),
        "1 polygon of more than 100,000 points; 6 attributes beyond the 64 an area or map keeps");
    // Unknown shapes are rectangles, as browsers read them; too few numbers
    // make areas that are kept, not clickable.
    ASSERT_EQ(few.areas().size(), 5u);
    EXPECT_EQ(few.areas()[1]->shape(), AreaShape::Rectangle);
    EXPECT_FALSE(few.areas()[1]->clickable());
    EXPECT_FALSE(few.areas()[3]->clickable());
    EXPECT_TRUE(few.areas()[4]->clickable());
}

TEST(PageRoundTrip, KeptTagTextsOutliveThePageTheyWereReadFrom) {
    const QByteArray page = "<body>\n<map name=m>\n  <!-- a note -->\n"
                            "  <area shape=poly coords=\"1,1, 9,1, 9,9\" href=a.htm>\n"
                            "  <area shape=poly coords='1,1 &quot;2,2' href=b.htm alt='x'/>\n"
                            "  <area shape=\"Circle\" coords=\"5,5,3\">\n</map>\n</body>\n";
    // Read from a text of its own, overwritten and freed once read, by a
    // collector freed too: only copies of the areas are left to save.
    Areas copies;
    MapInfo info;
    {
        QByteArray text(page.constData(), page.size());
        AreaCollector collector(MapArea::kMaxAreas);
        ASSERT_TRUE(HtmlMapReader::read(text, collector, info, nullptr));
        text.fill('x');
        for (const auto& area : collector.areas()) {
            copies.push_back(std::make_unique<MapArea>());
            copies.back()->setPicture(area->picture());
        }
    }
    ASSERT_EQ(copies.size(), 3u);
    EXPECT_FALSE(copies[1]->clickable());
    info.date = "d";
    EXPECT_EQ(withoutTracking(save(page, info, copies)), page);
    // Edited, the area a browser gives no shape keeps its SHAPE and COORDS
    // as written.
    copies[1]->setUrl("c.htm");
    QByteArray expected = page;
    expected.replace("<area shape=poly coords='1,1 &quot;2,2' href=b.htm alt='x'/>",
                     "<AREA SHAPE=\"poly\" COORDS=\"1,1 &quot;2,2\" HREF=\"c.htm\" ALT=\"x\">");
    EXPECT_EQ(withoutTracking(save(page, info, copies)), expected);
}

// Maps that scale with their picture: the page's one script comes and goes
// with the maps that ask for it, and leaves the map and the page as they
// were; in a real browser it rescales every shape to the shown picture.
#include "formats/ResponsiveScript.h"
#include "formats/HtmlMapReader.h"
#include "formats/HtmlMapWriter.h"
#include "formats/HtmlPageScan.h"
#include "model/AreaCollector.h"
#include "model/MapArea.h"
#include "model/MapInfo.h"
#include "model/Strings.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

using Areas = std::vector<std::unique_ptr<MapArea>>;

// A rectangle, a circle and a polygon, at coordinates that divide by 4.
Areas threeShapes() {
    Areas areas;
    auto r = std::make_unique<MapArea>(AreaShape::Rectangle);
    r->setRect(8, 20, 100, 80);
    auto c = std::make_unique<MapArea>(AreaShape::Circle);
    c->setRect(60, 20, 140, 100); // centre 100,60, radius 40
    auto p = std::make_unique<MapArea>(AreaShape::Polygon);
    for (QPoint v : {QPoint(4, 8), QPoint(160, 8), QPoint(160, 96)})
        p->addVertex(v.x(), v.y());
    for (auto* a : {r.get(), c.get(), p.get()})
        a->setTexts({"a.htm", {}, "A"});
    areas.push_back(std::move(r));
    areas.push_back(std::move(c));
    areas.push_back(std::move(p));
    return areas;
}

MapInfo mapInfo(const QByteArray& title, bool scales) {
    MapInfo info;
    info.title = title;
    info.imageFile = "pic.png";
    info.date = "Mon Jan  1 00:00:00 2001";
    info.scalesWithPicture = scales;
    return info;
}

QByteArray save(QByteArrayView old, const QByteArray& title, bool scales,
                const Areas& areas = threeShapes()) {
    HtmlMapWriter writer(old);
    const MapInfo info = mapInfo(title, scales);
    writer.begin(info);
    for (const auto& a : areas)
        writer.writeArea(*a);
    writer.writeDefault(info);
    return writer.finish();
}

struct ReadMap {
    MapInfo info;
    // Per area: its shape, its rectangle and its vertices.
    std::vector<QList<int>> shapes;
};

ReadMap read(QByteArrayView page, int index) {
    ReadMap out;
    AreaCollector sink(1024);
    HtmlMapReader::loadMap(page, HtmlPageScan::scan(page), index, sink, out.info);
    for (const auto& a : sink.areas()) {
        const PixelRect r = a->imageRect();
        QList<int> shape = {int(a->shape()), r.left, r.top, r.right, r.bottom};
        for (int i = 0; i < a->vertexCount(); ++i)
            shape << a->vertex(i).x() << a->vertex(i).y();
        out.shapes.push_back(shape);
    }
    return out;
}

int count(const QByteArray& page, int id) {
    return int(page.count(Strings::raw(id)));
}

} // namespace

TEST(ResponsiveScript, OneScriptComesAndGoesWithTheMapsThatAskForIt) {
    // Someone else's page with plain line feeds, a script of its own and a
    // text right before its body end.
    const QByteArray page = "<html><head><script>var a = 1;</script></head>\n<body>\n"
                            "<img src=\"pic.png\" alt=\"\">\n<p>text</body>\n</html>\n";
    const QByteArray plain = save(page, "Shop", false);
    ASSERT_EQ(count(plain, Str::MarkerScaleScriptStart), 0);

    const QByteArray once = save(plain, "Shop", true);
    const QByteArray twice = save(once, "Shop", true);
    EXPECT_EQ(twice, once);
    EXPECT_EQ(count(twice, Str::MarkerScaleScriptStart), 1);
    EXPECT_EQ(count(twice, Str::MarkerScaleScriptEnd), 1);
    EXPECT_EQ(twice.count("<SCRIPT>"), 1);
    EXPECT_TRUE(twice.contains(ResponsiveScript::block() + "</body>"));
    // The script itself keeps XHTML pages well-formed.
    const QByteArray block = ResponsiveScript::block();
    const QByteArray body = block.mid(block.indexOf("<SCRIPT>") + 8);
    EXPECT_FALSE(body.left(body.indexOf("</SCRIPT>")).contains('<'));
    EXPECT_FALSE(body.contains('&'));

    // The page holds the picture's own pixels: the map reads back as written.
    const ReadMap plainMap = read(plain, 0), scaledMap = read(twice, 0);
    EXPECT_FALSE(plainMap.info.scalesWithPicture);
    EXPECT_TRUE(scaledMap.info.scalesWithPicture);
    EXPECT_EQ(scaledMap.shapes, plainMap.shapes);
    ASSERT_EQ(scaledMap.shapes.size(), 3u);

    // Off again: the page is byte for byte the one that never had it.
    EXPECT_EQ(save(twice, "Shop", false), plain);

    // One script serves two maps; it stays while either asks for it.
    const QByteArray both = save(twice, "Two", true);
    EXPECT_EQ(count(both, Str::MarkerScaleScriptStart), 1);
    const QByteArray twoOnly = save(both, "Shop", false);
    EXPECT_EQ(count(twoOnly, Str::MarkerScaleScriptStart), 1);
    EXPECT_FALSE(read(twoOnly, 0).info.scalesWithPicture);
    EXPECT_TRUE(read(twoOnly, 1).info.scalesWithPicture);
    EXPECT_EQ(save(twoOnly, "Two", false), save(plain, "Two", false));

    // A script block that lost its map (the map taken out by hand) goes.
    QByteArray orphan = twice;
    orphan.replace(ResponsiveScript::flagLine(), "#$OTHER:YES");
    EXPECT_EQ(count(save(orphan, "Other", false), Str::MarkerScaleScriptStart), 0);
}

TEST(ResponsiveScript, IsFoundWhereverItFallsInALargePage) {
    // A save looks for the script and the flags in pieces of the page; the
    // start marker and the flag line are placed across every boundary of
    // one piece and the next (pieces of 64 KiB) by text before them.
    const QByteArray head = "<html><body>\n<p>",
                     tail = "</p>\n<img src=\"pic.png\" alt=\"\">\n</body>\n</html>\n";
    const auto padded = [&](qsizetype fill) { return head + QByteArray(fill, 'x') + tail; };
    const QByteArray scaled = save(padded(0), "Shop", true);
    const qsizetype marker = scaled.indexOf(Strings::raw(Str::MarkerScaleScriptStart));
    const qsizetype flag = scaled.indexOf(ResponsiveScript::flagLine());
    ASSERT_GT(marker, 0);
    ASSERT_GT(flag, 0);
    constexpr qsizetype kPiece = 64 * 1024;
    for (const qsizetype across : {qsizetype(1), qsizetype(7), qsizetype(20), qsizetype(43)}) {
        // The old script goes when the map no longer asks for it...
        const QByteArray withScript = save(padded(kPiece - marker - across), "Shop", true);
        ASSERT_EQ(withScript.indexOf(Strings::raw(Str::MarkerScaleScriptStart)), kPiece - across);
        EXPECT_EQ(count(save(withScript, "Shop", false), Str::MarkerScaleScriptStart), 0) << across;
        // ...and a flag of a map the save does not write keeps one.
        QByteArray flagged = save(padded(kPiece - flag - across % 15), "Shop", true);
        flagged.replace(ResponsiveScript::block(), ""); // the flag alone asks for it
        ASSERT_EQ(flagged.indexOf(ResponsiveScript::flagLine()), kPiece - across % 15);
        EXPECT_EQ(count(save(flagged, "Other", false), Str::MarkerScaleScriptStart), 1) << across;
    }
}

// Renders a saved page in headless Chromium with CSS showing the picture
// at half its size, then at a quarter of its width and half its height,
// and reads the areas' coordinates the script left in the DOM.
TEST(ResponsiveScript, ScalesEveryShapeWithThePictureInChromium) {
    QString chromium;
    for (const char* name : {"chromium", "chromium-browser", "google-chrome"}) {
        if (chromium.isEmpty())
            chromium = QStandardPaths::findExecutable(QString::fromLatin1(name));
    }
    if (chromium.isEmpty())
        GTEST_SKIP() << "no Chromium installed (Debian package chromium): the page "
                        "script is not tried in a browser";

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage picture(200, 120, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(dir.filePath(QStringLiteral("pic.png"))));
    // The page reports the coordinates once the picture has loaded, then
    // squeezes the picture and reports again after a resize event (a
    // resize observer's delivery depends on frames that headless Chromium
    // under virtual time does not produce reliably).
    const QByteArray page =
        "<!DOCTYPE html>\n<html><head><style>img { width: 100px; height: auto; }</style>\n"
        "<script>\n"
        "function report() { var out = [document.images[0].width];\n"
        "  var areas = document.getElementsByTagName('area');\n"
        "  for (var i = 0; i != areas.length; i++) out.push(areas[i].getAttribute('coords'));\n"
        "  return out.join(' '); }\n"
        "window.addEventListener('load', function () { setTimeout(function () {\n"
        "  var half = report(), img = document.images[0];\n"
        "  img.style.width = '50px'; img.style.height = '60px';\n"
        "  window.dispatchEvent(new Event('resize'));\n"
        "  var pre = document.createElement('pre');\n"
        "  pre.id = 'result'; pre.textContent = half + ' / ' + report();\n"
        "  document.body.appendChild(pre); }, 0); });\n"
        "</script></head>\n<body>\n<img src=\"pic.png\" alt=\"\">\n</body>\n</html>\n";
    const QString pagePath = dir.filePath(QStringLiteral("page.htm"));
    QFile file(pagePath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(save(page, "Shop", true));
    file.close();

    QProcess browser;
    browser.setProcessChannelMode(QProcess::SeparateChannels);
    browser.start(chromium,
                  {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
                   QStringLiteral("--disable-gpu"),
                   QStringLiteral("--user-data-dir=") + dir.filePath("profile"),
                   QStringLiteral("--virtual-time-budget=5000"), QStringLiteral("--dump-dom"),
                   QUrl::fromLocalFile(pagePath).toString()});
    ASSERT_TRUE(browser.waitForStarted(5000)) << "Chromium did not start";
    if (!browser.waitForFinished(20000)) {
        browser.kill();
        browser.waitForFinished(2000);
        FAIL() << "Chromium did not finish within 20 s";
    }
    const QString dom = QString::fromUtf8(browser.readAllStandardOutput());
    const QRegularExpressionMatch result =
        QRegularExpression(QStringLiteral("<pre id=\"result\">([^<]*)</pre>")).match(dom);
    ASSERT_TRUE(result.hasMatch()) << "no result in the page; Chromium said:\n"
                                   << browser.readAllStandardError().right(2000).constData();

    // Expected: the written coordinates scaled per axis, a radius by the
    // smaller factor, rounded half up as the script rounds.
    const auto scaled = [](const QList<int>& v, double sx, double sy, bool circle) {
        QStringList out;
        for (int i = 0; i < v.size(); ++i) {
            const double f = circle ? (i == 2 ? std::min(sx, sy) : i ? sy : sx) : i % 2 ? sy : sx;
            out << QString::number(int(std::floor(v[i] * f + 0.5)));
        }
        return out.join(',');
    };
    const auto expected = [&](int width, double sx, double sy) {
        return QString::number(width) + ' ' + scaled({8, 20, 100, 80}, sx, sy, false) + ' ' +
               scaled({100, 60, 40}, sx, sy, true) + ' ' +
               scaled({4, 8, 160, 8, 160, 96, 4, 8}, sx, sy, false);
    };
    EXPECT_EQ(result.captured(1).toStdString(),
              (expected(100, 0.5, 0.5) + " / " + expected(50, 0.25, 0.5)).toStdString());
}

// The size the map was drawn on goes into the page twice (a tracking line
// for the editor, an attribute for the script) whenever the script serves
// the map, reads back, is never doubled, and goes with the flags; a map
// that only highlights brings the script as well.
TEST(ResponsiveScript, RecordsTheDrawnSizeBesideTheFlags) {
    const QByteArray page = "<html><body>\n<img src=\"pic.png\">\n</body></html>\n";
    const auto saveWith = [](QByteArrayView old, bool scales, bool highlights, int w, int h) {
        MapInfo info = mapInfo("Shop", scales);
        info.highlightsAreas = highlights;
        info.drawnWidth = w;
        info.drawnHeight = h;
        HtmlMapWriter writer(old);
        writer.begin(info);
        for (const auto& a : threeShapes())
            writer.writeArea(*a);
        return writer.finish();
    };
    const QByteArray plain = save(page, "Shop", false);
    const QByteArray both = saveWith(plain, true, true, 200, 120);
    EXPECT_TRUE(both.contains("<MAP NAME=\"Shop\" data-tessary-size=\"200x120\">\r\n"));
    EXPECT_TRUE(both.contains("<!-- #$RESPONSIVE:YES -->\r\n<!-- #$SIZE:200x120 -->\r\n"
                              "<!-- #$HIGHLIGHT:YES -->\r\n"));
    const ReadMap back = read(both, 0);
    EXPECT_TRUE(back.info.scalesWithPicture);
    EXPECT_TRUE(back.info.highlightsAreas);
    EXPECT_EQ(back.info.drawnWidth, 200);
    EXPECT_EQ(back.info.drawnHeight, 120);
    EXPECT_TRUE(back.info.mapAttributes.isEmpty()); // ours, not the page's
    // Saved again as read: byte for byte the same page.
    MapInfo asRead = back.info;
    asRead.date = mapInfo("Shop", true).date; // pages' dates are not read back
    HtmlMapWriter again(both);
    again.begin(asRead);
    for (const auto& a : threeShapes())
        again.writeArea(*a);
    EXPECT_EQ(again.finish(), both);

    // Highlighting alone brings the script; neither flag, no size at all.
    const QByteArray lit = saveWith(plain, false, true, 200, 120);
    EXPECT_EQ(count(lit, Str::MarkerScaleScriptStart), 1);
    EXPECT_FALSE(lit.contains("<!-- #$RESPONSIVE:YES -->"));
    EXPECT_EQ(saveWith(both, false, false, 200, 120), plain);

    // A page of an older save: the flag without a size reads as unknown
    // (the script then scales from the picture's natural size); the
    // attribute alone, as a page edited by hand may hold it, is taken.
    QByteArray older = both;
    older.replace("<!-- #$SIZE:200x120 -->\r\n", "");
    older.replace(" data-tessary-size=\"200x120\"", "");
    EXPECT_EQ(read(older, 0).info.drawnWidth, 0);
    EXPECT_TRUE(read(older, 0).info.scalesWithPicture);
    QByteArray byHand = older;
    byHand.replace("<MAP NAME=\"Shop\"", "<MAP NAME=\"Shop\" DATA-TESSARY-SIZE='64x48'");
    EXPECT_EQ(read(byHand, 0).info.drawnWidth, 64);
    EXPECT_EQ(read(byHand, 0).info.drawnHeight, 48);

    // Sizes that are no picture's are not taken.
    for (const char* bad : {"0x5", "12x", "x12", "12", "99999999x1", "12x12x", "-1x3", " 12x12",
                            "12x 12", "1e3x5", "2000000x2"}) {
        int w = 7, h = 9;
        EXPECT_FALSE(ResponsiveScript::readSize(bad, w, h)) << bad;
        EXPECT_EQ(w * 10 + h, 79) << bad;
    }
    int w = 0, h = 0;
    EXPECT_TRUE(ResponsiveScript::readSize("1048576x1", w, h));
    EXPECT_EQ(w, 1048576);
}

// The script stays small and within what pages of any kind can hold.
TEST(ResponsiveScript, ScriptIsSmallAndHoldsNoMarkupCharacters) {
    const QByteArray block = ResponsiveScript::block();
    const qsizetype from = block.indexOf("<SCRIPT>\r\n") + 10;
    const QByteArray script = block.mid(from, block.indexOf("\r\n</SCRIPT>") - from);
    EXPECT_LT(QByteArray(script).replace("\r\n", "\n").size(), 4096);
    EXPECT_FALSE(script.contains('<'));
    EXPECT_FALSE(script.contains('&'));
    EXPECT_TRUE(script.contains(ResponsiveScript::flagLine()));
    EXPECT_TRUE(script.contains(ResponsiveScript::highlightLine()));
}

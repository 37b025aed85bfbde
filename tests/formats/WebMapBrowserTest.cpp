// The page script of maps that scale with their picture and highlight
// their areas, in a real browser: headless Chromium over its DevTools
// pipe, in real time (resize observers, lazy loading, the mouse and the
// Tab key as a user meets them). Each case saves a page with the editor's
// writer, lays the picture out with CSS and asks the browser which area
// lies under probe points just inside and just outside every area.
#include "BrowserSession.h"
#include "WebPage.h"
#include "formats/SvgOverlayWriter.h"

#include <QJsonArray>
#include <QRectF>
#include <QStringList>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// What lies under a point of the viewport: an area's ALT text ("#default"
// for the default area, or an SVG link without a label), else "".
constexpr const char* kHitFunction =
    "window.hit = function (x, y) { var e = document.elementFromPoint(x, y);"
    " if (!e) return '';"
    " if (e.tagName === 'AREA') return e.alt || '#default';"
    " var a = e.closest ? e.closest('a') : null;"
    " return a ? a.getAttribute('aria-label') || '#default' : ''; };"
    "window.coordsOf = function (img) { var map = document.getElementsByName("
    " img.useMap.slice(1))[0];"
    " return [].map.call(map.areas, function (a) { return a.coords; }).join(' '); };"
    "window.settled = function (test) { return new Promise(function (done) { var n = 0;"
    " (function again() { if (test() || ++n > 100) done(test()); else setTimeout(again, 20); })(); "
    "}); };"
    "true";

#define SKIP_WITHOUT_CHROMIUM()                                                                    \
    if (BrowserSession::chromium().isEmpty())                                                      \
    GTEST_SKIP() << "no Chromium installed (Debian package chromium): the page script is not "     \
                    "tried in a browser"

class WebMapBrowser : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        WebPage::writePictures(m_dir);
    }

    // Saves body (with its style) as a page, the map written into it, and
    // opens it.
    void openPage(const QByteArray& style, const QByteArray& body, const MapInfo& info,
                  int width = 1000, int height = 700) {
        const QByteArray page = "<!DOCTYPE html>\n<html><head><style>body { margin: 0 }\n" + style +
                                "</style></head>\n<body>\n" + body + "\n</body>\n</html>\n";
        const QString path = WebPage::savePage(m_dir, QStringLiteral("page.htm"), page, info);
        ASSERT_TRUE(m_browser.open(QUrl::fromLocalFile(path).toString(), width, height))
            << m_browser.error().toStdString();
        ASSERT_TRUE(m_browser.evaluate(QString::fromLatin1(kHitFunction)).toBool())
            << m_browser.error().toStdString();
    }

    QString eval(const QString& expression) {
        const QJsonValue value = m_browser.evaluate(expression);
        EXPECT_FALSE(value.isUndefined())
            << expression.toStdString() << ": " << m_browser.error().toStdString();
        if (value.isBool())
            return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
        return value.isString() ? value.toString() : QString::number(value.toDouble());
    }

    // Loads the page anew (at the viewport it has now).
    void reload() {
        eval("window.oldPage = true; location.reload(); 'ok'");
        for (int i = 0; i < 100; ++i) {
            const QJsonValue state =
                m_browser.evaluate("window.oldPage ? 'old' : document.readyState");
            if (state.toString() == "complete")
                break;
            m_browser.evaluate("new Promise(function (done) { setTimeout(done, 50); })");
        }
        ASSERT_TRUE(m_browser.evaluate(QString::fromLatin1(kHitFunction)).toBool());
    }

    QString hit(QPointF at) { return eval(QStringLiteral("hit(%1, %2)").arg(at.x()).arg(at.y())); }

    // Every probe, with the picture drawn at picture (viewport pixels) and
    // only the part inside visible showing; a failure names the case.
    void expectProbes(const char* name, QRectF picture, QRectF visible = {}) {
        if (visible.isNull())
            visible = picture;
        const double sx = picture.width() / WebPage::kDrawnWidth;
        const double sy = picture.height() / WebPage::kDrawnHeight;
        for (const WebPage::Probe& p : WebPage::probes()) {
            const QPointF at(picture.left() + p.x * sx, picture.top() + p.y * sy);
            // Points near the box's edge are no test of the map.
            if (!visible.adjusted(1, 1, -1, -1).contains(at))
                continue;
            const QString expected = QString::fromLatin1(p.area);
            EXPECT_EQ(hit(at).toStdString(), expected.toStdString())
                << name << ": probe (" << p.x << ", " << p.y << ") at (" << at.x() << ", " << at.y()
                << ")";
        }
    }

    QTemporaryDir m_dir;
    BrowserSession m_browser;
};

// One map on six pictures of one page, each drawn another way: every one
// is hit where its own picture shows the areas.
TEST_F(WebMapBrowser, EveryPictureOfOneMapIsHitWhereItShowsTheAreas) {
    SKIP_WITHOUT_CHROMIUM();
    openPage("img { position: absolute; display: block }\n",
             // A file of twice the drawn size, chosen by srcset and shown at 150 pixels.
             "<img id=a src=\"pic.png\" srcset=\"pic2x.png 400w\" sizes=\"150px\" usemap=\"#Shop\""
             " style=\"left:0; top:0\">\n"
             // Border and padding around the picture's content box.
             "<img id=b src=\"pic.png\" usemap=\"#Shop\" style=\"left:250px; top:0;"
             " width:200px; border:7px solid red; padding:5px 9px\">\n"
             // Letterboxed into a square.
             "<img id=c src=\"pic.png\" usemap=\"#Shop\" style=\"left:500px; top:0;"
             " width:200px; height:200px; object-fit:contain\">\n"
             // Cut to a tall box, pushed 10 pixels in from its right.
             "<img id=d src=\"pic.png\" usemap=\"#Shop\" style=\"left:750px; top:0;"
             " width:100px; height:200px; object-fit:cover; object-position:right 10px top 0px\">\n"
             // Shown at half its laid-out size by a transform.
             "<img id=e src=\"pic.png\" usemap=\"#Shop\" style=\"left:0; top:300px; width:200px;"
             " transform:scale(0.5); transform-origin:0 0\">\n"
             // The server's double-size file, shown at the drawn size.
             "<img id=f src=\"pic2x.png\" usemap=\"#Shop\" style=\"left:250px; top:300px;"
             " width:200px\">\n",
             WebPage::info(true, false));
    ASSERT_EQ(eval("settled(function () { return [].every.call(document.images, function (i) {"
                   " return i.complete; }); })"),
              "true");
    expectProbes("srcset", {0, 0, 150, 90});
    expectProbes("border and padding", {250 + 7 + 9, 7 + 5, 200, 120});
    expectProbes("contain", {500, 40, 200, 120});
    const double coverScale = 200.0 / 120;
    expectProbes("cover", {750 + 100 - 200 * coverScale - 10, 0, 200 * coverScale, 200},
                 {750, 0, 100, 200});
    expectProbes("transform", {0, 300, 100, 60});
    expectProbes("double-size file", {250, 300, 200, 120});
    // A transform leaves the coordinates as laid out: here the saved ones.
    EXPECT_EQ(eval("coordsOf(document.getElementById('e'))"),
              "8,20,100,80 150,60,20 110,90,190,90,190,115,110,90 50,40,120,100");
    // Each further picture uses a copy of the map; the first keeps its own.
    EXPECT_EQ(eval("document.getElementById('a').useMap"), "#Shop");
    EXPECT_EQ(eval("[].map.call(document.images, function (i) { return i.useMap; })"
                   ".filter(function (m, i, all) { return all.indexOf(m) === i; }).length"),
              "6");
}

// Pictures without a size keep the saved coordinates and scale once they
// gain one, from the resize observer alone; thirty resizes end where one
// fresh load at the last size starts.
TEST_F(WebMapBrowser, PicturesScaleWhenTheyGainASizeAndNeverDrift) {
    SKIP_WITHOUT_CHROMIUM();
    openPage("img { position: absolute; display: block }\n",
             "<img id=hidden src=\"pic.png\" usemap=\"#Shop\" style=\"left:0; top:0;"
             " width:100px; display:none\">\n"
             "<img id=zero src=\"pic.png\" usemap=\"#Shop\" style=\"left:200px; top:0; width:0\">\n"
             "<img id=fluid src=\"pic.png\" usemap=\"#Shop\" style=\"left:0; top:200px;"
             " width:50%\">\n"
             "<img id=lazy src=\"pic2x.png\" loading=\"lazy\" usemap=\"#Shop\""
             " style=\"left:0; top:9000px; width:300px\">\n"
             "<div style=\"height:10000px\"></div>\n",
             WebPage::info(true, false), 800, 600);
    const QString saved = "8,20,100,80 150,60,20 110,90,190,90,190,115,110,90 50,40,120,100";
    for (const char* id : {"hidden", "zero", "lazy"}) {
        EXPECT_EQ(eval(QStringLiteral("coordsOf(document.getElementById('%1'))").arg(id)), saved)
            << id;
    }
    EXPECT_EQ(eval("document.getElementById('lazy').naturalWidth"), "0");

    // Shown, and given a width: nothing but the layout changes.
    eval("document.getElementById('hidden').style.display = 'block';"
         "document.getElementById('zero').style.width = '100px'; 'ok'");
    EXPECT_EQ(eval("settled(function () { return coordsOf(document.getElementById('zero'))"
                   " !== '" +
                   saved + "'; })"),
              "true");
    expectProbes("shown later", {0, 0, 100, 60});
    expectProbes("given a width", {200, 0, 100, 60});

    for (int i = 0; i < 30; ++i)
        m_browser.resizeViewport(500 + 37 * i, 600);
    m_browser.resizeViewport(640, 600);
    eval("settled(function () { return document.getElementById('fluid').offsetWidth === 320; })");
    eval("new Promise(function (done) { setTimeout(done, 300); })");
    const QString afterResizes = eval("coordsOf(document.getElementById('fluid'))");
    expectProbes("after thirty resizes", {0, 200, 320, 192});
    reload();
    eval("new Promise(function (done) { setTimeout(done, 300); })");
    EXPECT_EQ(eval("coordsOf(document.getElementById('fluid'))"), afterResizes);
    EXPECT_NE(afterResizes, saved);

    // The lazy picture loads when scrolled to, and scales then.
    eval("window.scrollTo(0, 8900); 'ok'");
    EXPECT_EQ(eval("settled(function () { return coordsOf(document.getElementById('lazy'))"
                   " !== '" +
                   saved + "'; })"),
              "true");
    expectProbes("lazy", {0, 100, 300, 180});
}

// The highlight follows the mouse and the keyboard focus, drawn where the
// area is (border, scaling) in an overlay that never takes the pointer,
// in the colour the map names.
TEST_F(WebMapBrowser, HighlightShowsTheHoveredAndTheFocusedArea) {
    SKIP_WITHOUT_CHROMIUM();
    MapInfo info = WebPage::info(true, true);
    info.mapAttributes.append(
        {"data-tessary-outline", "rgb(200, 0, 0)", TagAttribute::Form::DoubleQuoted});
    openPage("img { position: absolute; display: block }\n",
             "<img id=pic src=\"pic.png\" usemap=\"#Shop\" style=\"left:20px; top:30px;"
             " width:100px; border:3px solid black\">\n",
             info);
    eval("settled(function () { return document.images[0].complete; })");
    const QString outline =
        "(function () { var svg = document.querySelector('svg'), p = svg.firstChild;"
        " if (getComputedStyle(svg).display === 'none' || !p.getAttribute('d')) return 'none';"
        " var r = p.getBoundingClientRect();"
        " return [r.left, r.top, r.right, r.bottom].map(Math.round).join(',') + ' '"
        " + getComputedStyle(p).stroke; })()";
    EXPECT_EQ(eval(outline), "none");

    // The mouse over R: its outline at R's place, 23 + half its pixels.
    m_browser.moveMouse(23 + 13 / 2.0, 33 + 25 / 2.0);
    eval("settled(function () { return getComputedStyle(document.querySelector('svg')).display"
         " !== 'none'; })");
    EXPECT_EQ(eval(outline), "27,43,73,73 rgb(200, 0, 0)");
    // The overlay lies above the picture, but the area still takes the pointer.
    EXPECT_EQ(hit({23 + 6.5, 33 + 12.5}), "R");
    EXPECT_EQ(eval("getComputedStyle(document.querySelector('svg')).pointerEvents"), "none");
    m_browser.moveMouse(600, 600);
    EXPECT_EQ(eval(outline), "none");

    // Tab to the first area, then the second: the circle's box.
    m_browser.pressTab();
    EXPECT_EQ(eval("document.activeElement.alt"), "R");
    EXPECT_EQ(eval(outline), "27,43,73,73 rgb(200, 0, 0)");
    m_browser.pressTab();
    EXPECT_EQ(eval("document.activeElement.alt"), "C");
    EXPECT_EQ(eval(outline), "88,53,108,73 rgb(200, 0, 0)");
}

// The SVG overlay, shown at three sizes, is hit as the image map is at
// the picture's own size: the same area at every probe (the first area on
// top where two overlap, the default link beneath them all).
TEST_F(WebMapBrowser, SvgOverlayAtThreeSizesHitsWhatTheImageMapHits) {
    SKIP_WITHOUT_CHROMIUM();
    const MapInfo info = WebPage::info(false, false, true);
    SvgOverlayWriter svg(info, WebPage::kDrawnWidth, WebPage::kDrawnHeight, "pic.png");
    for (const auto& a : WebPage::areas())
        svg.writeArea(*a);
    QByteArray text = svg.finish();
    text.remove(0, text.indexOf('\n') + 1); // inline: no XML declaration
    const int lefts[] = {250, 400, 650}, widths[] = {100, 200, 350};
    QByteArray body = "<img src=\"pic.png\" usemap=\"#Shop\" style=\"left:0; top:0\">\n";
    for (int i = 0; i < 3; ++i) {
        body += "<div style=\"left:" + QByteArray::number(lefts[i]) +
                "px; top:0; width:" + QByteArray::number(widths[i]) + "px\">" + text + "</div>\n";
    }
    openPage("img, div { position: absolute; display: block } svg { display: block }\n", body,
             info);
    eval("settled(function () { return document.images[0].complete; })");
    for (const WebPage::Probe& p : WebPage::probes()) {
        const QString inMap = hit({p.x, p.y});
        EXPECT_EQ(inMap.toStdString(), *p.area ? p.area : "#default")
            << "image map, probe (" << p.x << ", " << p.y << ")";
        for (int i = 0; i < 3; ++i) {
            const double f = widths[i] / double(WebPage::kDrawnWidth);
            EXPECT_EQ(hit({lefts[i] + p.x * f, p.y * f}).toStdString(), inMap.toStdString())
                << "SVG " << widths[i] << " wide, probe (" << p.x << ", " << p.y << ")";
        }
    }
}

} // namespace

// The SVG overlay of a map: well-formed whatever the map's texts hold, the
// areas last to first (the first on top) over a default link, and the
// picture linked relative to the SVG or embedded.
#include "formats/SvgOverlayWriter.h"
#include "model/MapArea.h"
#include "model/MapInfo.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct Element {
    QString name;
    QXmlStreamAttributes attributes;
    QString text; // of a <title>
    int depth;
};

// Every element of the document; fails the test when it is not well-formed.
std::vector<Element> parse(const QByteArray& svg) {
    std::vector<Element> out;
    QXmlStreamReader xml(svg);
    int depth = 0;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            out.push_back({xml.name().toString(), xml.attributes(), {}, depth++});
            if (xml.name() == QLatin1String("title")) {
                out.back().text = xml.readElementText();
                --depth;
            }
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString() << " at line "
                                 << xml.lineNumber() << ":\n"
                                 << svg.constData();
    return out;
}

QString attr(const Element& e, const char* name) {
    return e.attributes.value(QString::fromLatin1(name)).toString();
}

TEST(SvgOverlayWriter, WritesWellFormedAreasFirstOnTopOverTheDefault) {
    std::vector<std::unique_ptr<MapArea>> areas;
    auto r = std::make_unique<MapArea>(AreaShape::Rectangle);
    r->setRect(8, 20, 100, 80);
    // Texts no XML may hold raw: markup, quotes, a CDATA end, a control
    // character and bytes that are not UTF-8 (Latin-1 "café").
    r->setTexts({"a.htm?x=1&y=\"2\"", "_blank", "Tom & \"Jerry\" <b>]]>\x01 caf\xe9"});
    auto c = std::make_unique<MapArea>(AreaShape::Circle);
    c->setRect(130, 40, 170, 80);
    c->setTexts({"c.htm", {}, "Circle alt", "Circle title"});
    auto p = std::make_unique<MapArea>(AreaShape::Polygon);
    for (QPoint v : {QPoint(110, 90), QPoint(190, 90), QPoint(190, 115)})
        p->addVertex(v.x(), v.y());
    areas.push_back(std::move(r));
    areas.push_back(std::move(c));
    areas.push_back(std::move(p)); // no URL: an <a> without href

    MapInfo info;
    info.title = "Shop <1>";
    info.defaultUrl = "home.htm";
    info.mapAttributes.append({"data-tessary-fill", "rgba(1, 2, 3, .5)", {}});
    info.mapAttributes.append({"data-tessary-outline", "red;} a{display:none", {}});
    SvgOverlayWriter writer(info, 200, 120, "../pic.png");
    for (const auto& a : areas)
        writer.writeArea(*a);
    const QByteArray svg = writer.finish();
    const std::vector<Element> all = parse(svg);
    ASSERT_FALSE(all.empty());

    EXPECT_EQ(all[0].name, "svg");
    EXPECT_EQ(attr(all[0], "viewBox"), "0 0 200 120");
    std::vector<const Element*> links, shapes;
    const Element* image = nullptr;
    const Element* style = nullptr;
    for (const Element& e : all) {
        if (e.name == "a")
            links.push_back(&e);
        else if (e.name == "rect" || e.name == "circle" || e.name == "polygon")
            shapes.push_back(&e);
        else if (e.name == "image")
            image = &e;
        else if (e.name == "style")
            style = &e;
    }
    ASSERT_TRUE(image && style);
    EXPECT_EQ(attr(*image, "href"), "../pic.png");
    EXPECT_EQ(attr(*image, "width"), "200");

    // The default link first (beneath), then the areas last to first.
    ASSERT_EQ(links.size(), 4u);
    ASSERT_EQ(shapes.size(), 4u);
    EXPECT_EQ(attr(*links[0], "href"), "home.htm");
    EXPECT_EQ(attr(*shapes[0], "width"), "200");
    EXPECT_EQ(attr(*links[1], "href"), "");
    EXPECT_EQ(attr(*shapes[1], "points"), "110,90 190,90 190,115");
    EXPECT_EQ(attr(*links[2], "aria-label"), "Circle alt");
    EXPECT_EQ(attr(*shapes[2], "cx") + ' ' + attr(*shapes[2], "cy") + ' ' + attr(*shapes[2], "r"),
              "150 60 20");
    EXPECT_EQ(attr(*links[3], "href"), "a.htm?x=1&y=\"2\"");
    EXPECT_EQ(attr(*links[3], "target"), "_blank");
    EXPECT_EQ(attr(*links[3], "aria-label"), QString::fromUtf8("Tom & \"Jerry\" <b>]]> café"));
    EXPECT_EQ(attr(*shapes[3], "x") + ' ' + attr(*shapes[3], "y") + ' ' +
                  attr(*shapes[3], "width") + ' ' + attr(*shapes[3], "height"),
              "8 20 92 60");
    // Titles: the area's title, else its comment; none for no text.
    QStringList titles;
    for (const Element& e : all) {
        if (e.name == "title")
            titles << e.text;
    }
    EXPECT_EQ(titles, QStringList({"Shop <1>", "Circle title",
                                   QString::fromUtf8("Tom & \"Jerry\" <b>]]> café")}));
    // The map's own fill colour; an outline that would break out of the
    // style sheet is not taken.
    EXPECT_TRUE(svg.contains("fill:rgba(1, 2, 3, .5)"));
    EXPECT_FALSE(svg.contains("display:none"));
    EXPECT_FALSE(svg.contains("<script"));
}

TEST(SvgOverlayWriter, LinksThePictureRelativeToTheSvgOrEmbedsIt) {
    EXPECT_EQ(SvgOverlayWriter::pictureLink("/site/maps/shop.svg", "/site/img/a b.png"),
              "../img/a%20b.png");
    EXPECT_EQ(SvgOverlayWriter::pictureLink("/site/shop.svg", "/site/pic.png"), "pic.png");

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString png = dir.filePath("pic.png");
    ASSERT_TRUE(picture.save(png));
    std::vector<std::unique_ptr<MapArea>> areas;
    areas.push_back(std::make_unique<MapArea>(AreaShape::Rectangle));
    areas.back()->setRect(0, 0, 2, 2);
    MapInfo info;
    const QString out = dir.filePath("out.svg");
    ASSERT_TRUE(SvgOverlayWriter::save(out, info, areas, png, 4, 3, true));
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::vector<Element> all = parse(file.readAll());
    QString href;
    for (const Element& e : all) {
        if (e.name == "image")
            href = attr(e, "href");
    }
    ASSERT_TRUE(href.startsWith("data:image/png;base64,")) << href.left(40).toStdString();
    QImage back;
    ASSERT_TRUE(back.loadFromData(QByteArray::fromBase64(href.mid(22).toLatin1())));
    EXPECT_EQ(back.size(), QSize(4, 3));

    // An unwritable target fails and writes nothing; so does a picture
    // that cannot be read for embedding.
    EXPECT_FALSE(SvgOverlayWriter::save(dir.filePath("no/such/folder/out.svg"), info, areas, png, 4,
                                        3, false));
    EXPECT_FALSE(SvgOverlayWriter::save(dir.filePath("b.svg"), info, areas,
                                        dir.filePath("missing.png"), 4, 3, true));
    EXPECT_FALSE(QFile::exists(dir.filePath("b.svg")));
}

} // namespace

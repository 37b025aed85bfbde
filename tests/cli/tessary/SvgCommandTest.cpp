#include "CliRun.h"

#include <QBuffer>
#include <QImage>
#include <QXmlStreamReader>

namespace {

QByteArray png(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

// The SVG's viewBox and its picture reference; empty when it is not
// well-formed XML.
QString viewBoxAndImage(const QByteArray& svg) {
    QXmlStreamReader xml(svg);
    QString viewBox, href;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("svg"))
            viewBox = xml.attributes().value("viewBox").toString();
        if (xml.name() == QLatin1String("image"))
            href = xml.attributes().value("href").toString();
    }
    return xml.hasError() ? QString() : viewBox + ' ' + href.left(30);
}

} // namespace

TEST_F(Cli, SvgWritesAnOverlayOfTheMapsPicture) {
    write("pics/pic.png", png(40, 30));
    const QString map = write("site.map", "#$TITLE:Shop\n#$GIF:pics/pic.png\n"
                                          "rect a.htm 1,1 5,5\ncirc b.htm 20,15 25,15\n");
    QDir(dir.path()).mkdir("out");
    const QString out = dir.filePath("out/shop.svg");

    EXPECT_EQ(run({"svg", map}).exitCode, 2);
    EXPECT_EQ(run({"svg", map, dir.filePath("out/shop.htm")}).exitCode, 2);
    EXPECT_EQ(run({"svg", map, out, "--bogus"}).exitCode, 2);

    const Outcome linked = run({"svg", map, out});
    ASSERT_EQ(linked.exitCode, 0) << linked.err.constData();
    EXPECT_TRUE(linked.out.isEmpty());
    EXPECT_EQ(viewBoxAndImage(read("out/shop.svg")), "0 0 40 30 ../pics/pic.png");
    EXPECT_TRUE(read("out/shop.svg").contains("<circle cx=\"20\" cy=\"15\" r=\""));

    ASSERT_EQ(run({"svg", map, out, "--embed-picture"}).exitCode, 0);
    EXPECT_EQ(viewBoxAndImage(read("out/shop.svg")), "0 0 40 30 data:image/png;base64,iVBORw0K");

    // Without its picture the overlay has no size: nothing is written.
    const QString lost = write("lost.map", "#$TITLE:Lost\n#$GIF:nowhere.png\nrect a.htm 1,1 5,5\n");
    const Outcome missing = run({"svg", lost, dir.filePath("out/lost.svg")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "tessary-cli: the map's picture was not found\n");
    EXPECT_FALSE(QFile::exists(dir.filePath("out/lost.svg")));
    // A folder that does not exist.
    EXPECT_EQ(run({"svg", map, dir.filePath("none/shop.svg")}).exitCode, 1);

    // convert --highlight records the picture's size for the page's script.
    ASSERT_EQ(run({"convert", map, dir.filePath("out/shop.htm"), "--highlight"}).exitCode, 0);
    const QByteArray page = read("out/shop.htm");
    EXPECT_TRUE(page.contains("<MAP NAME=\"Shop\" data-tessary-size=\"40x30\">"));
    EXPECT_TRUE(page.contains("<!-- #$SIZE:40x30 -->\r\n<!-- #$HIGHLIGHT:YES -->"));
    EXPECT_EQ(page.count("<!-- Start of Tessary map scaling script -->"), 1);
}

#include "WebPage.h"

#include "formats/HtmlMapWriter.h"

#include <QFile>
#include <QImage>
#include <QPainter>

namespace WebPage {

Areas areas() {
    Areas out;
    const auto add = [&out](std::unique_ptr<MapArea> a, const char* alt) {
        a->setTexts({QByteArray(alt).toLower() + ".htm", {}, alt});
        out.push_back(std::move(a));
    };
    auto r = std::make_unique<MapArea>(AreaShape::Rectangle);
    r->setRect(8, 20, 100, 80);
    add(std::move(r), "R");
    auto c = std::make_unique<MapArea>(AreaShape::Circle);
    c->setRect(130, 40, 170, 80); // centre 150,60, radius 20
    add(std::move(c), "C");
    auto p = std::make_unique<MapArea>(AreaShape::Polygon);
    for (QPoint v : {QPoint(110, 90), QPoint(190, 90), QPoint(190, 115)})
        p->addVertex(v.x(), v.y());
    add(std::move(p), "P");
    auto o = std::make_unique<MapArea>(AreaShape::Rectangle);
    o->setRect(50, 40, 120, 100);
    add(std::move(o), "O");
    return out;
}

MapInfo info(bool scales, bool highlights, bool withDefault) {
    MapInfo info;
    info.title = "Shop";
    info.imageFile = "pic.png";
    info.date = "Mon Jan  1 00:00:00 2001";
    if (withDefault)
        info.defaultUrl = "elsewhere.htm";
    info.scalesWithPicture = scales;
    info.highlightsAreas = highlights;
    info.drawnWidth = kDrawnWidth;
    info.drawnHeight = kDrawnHeight;
    return info;
}

const std::vector<Probe>& probes() {
    static const std::vector<Probe> list = {
        {13, 25, "R"},  {3, 25, ""},                                   // R's left edge
        {60, 50, "R"},                                                 // where R lies over O
        {110, 95, "O"}, {125, 95, ""},                                 // O's right edge
        {150, 60, "C"}, {150, 45, "C"}, {150, 35, ""},  {175, 60, ""}, // C's top and right
        {180, 95, "P"}, {180, 86, ""},  {195, 100, ""},                // P's top and right
    };
    return list;
}

void writePictures(const QTemporaryDir& dir) {
    for (int scale : {1, 2}) {
        QImage picture(kDrawnWidth * scale, kDrawnHeight * scale, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        picture.save(
            dir.filePath(scale == 1 ? QStringLiteral("pic.png") : QStringLiteral("pic2x.png")));
    }
}

QString savePage(const QTemporaryDir& dir, const QString& name, const QByteArray& old,
                 const MapInfo& info) {
    HtmlMapWriter writer(old);
    writer.begin(info);
    for (const auto& a : areas())
        writer.writeArea(*a);
    writer.writeDefault(info);
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(writer.finish());
    return path;
}

} // namespace WebPage

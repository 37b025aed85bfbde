#pragma once

#include <QByteArray>
#include <QString>

class MapArea;
struct MapInfo;

// A map published as a standalone SVG overlay of its picture, needing no
// script: the viewBox is the picture's size, the picture an <image> (a
// link or a data URL), each area an <a> (HREF, TARGET, aria-label from its
// ALT text) holding its <title> (the area's title, else its comment) and
// its <rect>, <circle> or <polygon>. Later elements are drawn on top, so
// the areas are written last to first: the first area of the map wins a
// click where areas overlap, as in an image map. The default URL becomes a
// link of the picture's full size beneath every area. Hover and focus are
// styled by the SVG's own <style>, in the colours of the map's
// data-tessary-outline and data-tessary-fill attributes when it has them.
//
// Texts are the map's bytes shown as the editor shows them (UTF-8, else
// Latin-1), escaped for XML; characters XML cannot hold are left out, so
// the result is always well-formed.
//
// Calling order: the constructor, writeArea per area in map order, finish.
class SvgOverlayWriter {
public:
    SvgOverlayWriter(const MapInfo& info, int pictureWidth, int pictureHeight,
                     const QByteArray& pictureHref);
    void writeArea(const MapArea& area);
    QByteArray finish();

    // The picture as the SVG at svgPath links it: relative to the SVG's
    // folder, percent-encoded as a URL path.
    static QByteArray pictureLink(const QString& svgPath, const QString& picturePath);
    // The picture's bytes as a data URL of their MIME type.
    static QByteArray dataUrl(const QByteArray& pictureBytes);
    // The SVG of a map written in one go; false when the file could not be
    // written (an existing file is then kept as it was). picturePath is
    // the picture: linked, or embedded when embed is set (false when it
    // cannot be read then).
    template <typename Areas>
    static bool save(const QString& svgPath, const MapInfo& info, const Areas& areas,
                     const QString& picturePath, int width, int height, bool embed);

private:
    static bool commit(const QString& svgPath, const QByteArray& text);
    static bool pictureHref(const QString& svgPath, const QString& picturePath, bool embed,
                            QByteArray& href);

    QByteArray m_head;
    QByteArray m_areas; // each area goes before those written so far
    QByteArray m_defaultUrl;
    int m_width;
    int m_height;
};

template <typename Areas>
bool SvgOverlayWriter::save(const QString& svgPath, const MapInfo& info, const Areas& areas,
                            const QString& picturePath, int width, int height, bool embed) {
    QByteArray href;
    if (!pictureHref(svgPath, picturePath, embed, href))
        return false;
    SvgOverlayWriter writer(info, width, height, href);
    for (const auto& area : areas)
        writer.writeArea(*area);
    return commit(svgPath, writer.finish());
}

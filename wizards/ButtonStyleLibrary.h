#pragma once

#include <QImage>
#include <QList>
#include <QPainterPath>
#include <QRect>
#include <QString>

// One button style of a style library: the union of the shapes of the
// library map's areas that share its HREF.
struct ButtonStyle {
    QString caption;     // the ALT text of its first area, shown in the style list
    QByteArray key;      // the HREF of its first area
    bool joined = false; // later areas were added to it
    QPainterPath shape;  // in library picture pixels, winding fill
    QRect box() const { return shape.boundingRect().toAlignedRect(); }
};

// A style library: an HTML page whose first client-side map cuts button
// shapes out of the map's picture. Areas with the same non-empty HREF make
// one style; an area without HREF always starts a style of its own.
class ButtonStyleLibrary {
public:
    static constexpr int kMaxStyles = 256;
    static constexpr int kMaxPolygonPoints = 64;

    // Reads the library page at path and loads its picture (named relative
    // to the page's folder). False, with no styles, when the page cannot be
    // read, holds no map or its picture cannot be loaded.
    bool load(const QString& path);

    const QList<ButtonStyle>& styles() const { return m_styles; }
    const QImage& picture() const { return m_picture; }
    const QString& path() const { return m_path; }
    // The index of the style whose key or caption is name (keys first), -1
    // for none.
    int find(const QString& name) const;

    // What the builder is given for style i: the part of the picture under
    // its bounding box, and its shape moved so that the box starts at (0, 0).
    QImage pattern(int i) const;
    QPainterPath shapeAtOrigin(int i) const;

    // The library that ships with the program: Buttons/Buttons.htm in its
    // data folder.
    static QString defaultPath(const QString& programFolder);

private:
    QList<ButtonStyle> m_styles;
    QImage m_picture;
    QString m_path;
};

#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainterPath>
#include <QRect>
#include <QString>

#include <array>

// The caption font of button pictures: a face name and a size in tenths of a
// point (the font dialog's unit, so that 10.5 points stays 10.5).
struct ButtonFont {
    QString family = QStringLiteral("Arial");
    int tenths = 120;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const ButtonFont&) const = default;
};

// Draws a grid of captioned buttons into one picture: every button is a
// stretched copy of the style's pattern cut to the style's shape, with its
// caption centred in an outlined font. Windowless; the Image wizard's
// preview, its saved picture and tessary-cli buttons all draw through it, so
// that they agree pixel for pixel.
//
// Fill it in this order: grid, pattern, button size, spacing and offsets,
// font, colours, captions, shape; then build().
class ButtonImageBuilder {
public:
    static constexpr int kMaxGrid = 10;
    // A picture larger than this either way is refused by build(): a
    // layout of huge fonts or spacings would otherwise fail much later,
    // when the picture is saved.
    static constexpr int kMaxImageSide = 8000;

    ButtonImageBuilder();

    void setGrid(int columns, int rows);
    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    // The style's picture, exactly the shape's bounding box.
    void setPattern(const QImage& pattern);
    void setButtonSize(int width, int height);
    void setSpacing(int horizontal, int vertical);
    void setOffsets(int horizontal, int vertical);
    void setFont(const ButtonFont& font = ButtonFont());
    // Colours are 0x00BBGGRR references, as the settings keep them.
    void setColors(quint32 text, quint32 outline, quint32 filler);
    // Stores the caption of the button at (column, row) and measures it in
    // the current font.
    void setCaption(const QString& text, int column, int row);
    QString caption(int column, int row) const;
    // The style's shape with its bounding box at the origin.
    void setShape(const QPainterPath& shape);

    // Lays the buttons out and draws them. False, with no picture, when the
    // grid is empty or the picture would exceed kMaxImageSide either way.
    bool build();

    // The drawn picture's size, empty before a successful build.
    QSize imageSize() const { return m_image.size(); }
    QSize buttonSize() const { return {m_buttonWidth, m_buttonHeight}; }
    QRect buttonBox(int column, int row) const { return m_buttonBoxes[index(column, row)]; }
    QRect textBox(int column, int row) const { return m_textBoxes[index(column, row)]; }
    // The drawn picture (Format_RGB32), null before a successful build.
    const QImage& image() const { return m_image; }
    // The picture as the packed bitmap the raster component takes.
    QByteArray packed() const;

    // A colour reference as a Qt colour.
    // The pixel height of a size in tenths of a point on the 96-dot-per-inch
    // device every button picture is drawn for, rounded to the nearest pixel.
    static int pixelHeight(int tenths);

private:
    static int index(int column, int row) { return column + kMaxGrid * row; }
    QFont font() const;
    QRect measure(const QString& text) const;
    void layOut();
    QImage cutPattern() const;
    void draw(int width, int height);

    std::array<QString, kMaxGrid * kMaxGrid> m_captions;
    std::array<QRect, kMaxGrid * kMaxGrid> m_textBoxes;
    std::array<QRect, kMaxGrid * kMaxGrid> m_buttonBoxes;
    ButtonFont m_font;
    QImage m_pattern;
    QPainterPath m_shape;
    QImage m_image;
    int m_columns = 0, m_rows = 0;
    int m_buttonWidth = 0, m_buttonHeight = 0;
    int m_spacingX = 0, m_spacingY = 0;
    int m_offsetX = 0, m_offsetY = 0;
    quint32 m_text = 0x00FFFFFF, m_outline = 0, m_filler = 0x00FFFF00;
};

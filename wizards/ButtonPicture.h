#pragma once

#include "wizards/ButtonImageBuilder.h"

#include <QList>
#include <QString>
#include <QStringList>

class ButtonStyleLibrary;

// Everything that decides a button picture: the style, the captions and the
// layout values. The Image wizard's pages and tessary-cli buttons both fill
// one and draw it through the same builder, so that equal choices give
// equal pixels.
struct ButtonPicture {
    enum class Result { Ok, NoStyle, TooLarge };

    QString library;             // the style library page
    QString style;               // a style's key or caption; empty for the first style
    QString styleCaption;        // out: the caption of the style drawn
    QList<QStringList> captions; // rows of captions, top row first
    int buttonWidth = 96;
    int buttonHeight = 32;
    int spacingX = 5, spacingY = 5;
    int offsetX = 0, offsetY = 0;
    ButtonFont font;
    quint32 textColor = 0x00FFFFFF;    // white
    quint32 outlineColor = 0x00000000; // black
    quint32 fillerColor = 0x00FFFF00;  // cyan

    // Columns: the longest row; rows: the number of rows (each at most 10).
    int columns() const;
    int rows() const;

    // Fills builder in the order it asks for, from style `index` of library,
    // and builds. NoStyle when the library has no such style.
    Result build(const ButtonStyleLibrary& library, int index, ButtonImageBuilder& builder) const;
    // The same for the style named by `style` (the first when empty).
    Result build(const ButtonStyleLibrary& library, ButtonImageBuilder& builder);

    // The raster component's format code for a picture file's extension
    // (GIF 2, JPEG 10, PNG 75), -1 for another; and the bits it is written
    // with (8 for GIF, else 24).
    static qint16 formatOf(const QString& path);
    static qint16 bitsOf(qint16 format);
    // Writes the built picture through the raster component's codec in the
    // given format, replacing path only once the new file is complete.
    // False when there is no picture or the file cannot be written.
    static bool write(const ButtonImageBuilder& builder, const QString& path, qint16 format);
};

#include "wizards/ButtonImageBuilder.h"

#include "model/ColorRef.h"
#include "raster/PackedDib.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Word-wrapped, centred, without mnemonic processing: how captions are both
// measured and drawn.
constexpr int kTextFlags = Qt::TextWordWrap | Qt::AlignHCenter;
// 96 dots per inch in dots per metre: pictures are drawn for that device.
constexpr int kDotsPerMetre = 3780;

QImage deviceImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    return image;
}

// The device captions are measured on, so that measuring and drawing agree.
const QImage& measuringDevice() {
    static const QImage device = deviceImage(1, 1);
    return device;
}

} // namespace

ButtonImageBuilder::ButtonImageBuilder() = default;

int ButtonImageBuilder::pixelHeight(int tenths) {
    return std::max(1, int(std::lround(tenths * 96.0 / 720.0)));
}

void ButtonImageBuilder::setGrid(int columns, int rows) {
    m_columns = std::clamp(columns, 0, kMaxGrid);
    m_rows = std::clamp(rows, 0, kMaxGrid);
}

void ButtonImageBuilder::setPattern(const QImage& pattern) {
    m_pattern = pattern.convertToFormat(QImage::Format_RGB32);
}

void ButtonImageBuilder::setButtonSize(int width, int height) {
    m_buttonWidth = std::max(0, width);
    m_buttonHeight = std::max(0, height);
}

void ButtonImageBuilder::setSpacing(int horizontal, int vertical) {
    m_spacingX = std::max(0, horizontal);
    m_spacingY = std::max(0, vertical);
}

void ButtonImageBuilder::setOffsets(int horizontal, int vertical) {
    m_offsetX = horizontal;
    m_offsetY = vertical;
}

void ButtonImageBuilder::setFont(const ButtonFont& font) {
    m_font = font;
}

void ButtonImageBuilder::setColors(quint32 text, quint32 outline, quint32 filler) {
    m_text = text;
    m_outline = outline;
    m_filler = filler;
}

void ButtonImageBuilder::setCaption(const QString& text, int column, int row) {
    if (column < 0 || row < 0 || column >= kMaxGrid || row >= kMaxGrid)
        return;
    m_captions[index(column, row)] = text;
    m_textBoxes[index(column, row)] = measure(text);
}

QString ButtonImageBuilder::caption(int column, int row) const {
    if (column < 0 || row < 0 || column >= kMaxGrid || row >= kMaxGrid)
        return {};
    return m_captions[index(column, row)];
}

void ButtonImageBuilder::setShape(const QPainterPath& shape) {
    m_shape = shape;
}

QFont ButtonImageBuilder::font() const {
    QFont font(m_font.family);
    font.setPixelSize(pixelHeight(m_font.tenths));
    font.setBold(m_font.bold);
    font.setItalic(m_font.italic);
    font.setUnderline(m_font.underline);
    font.setStrikeOut(m_font.strikeOut);
    // The picture must not depend on the display's font settings, so that
    // the editor and tessary-cli draw the same pixels.
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The rectangle the caption needs inside a button, grown by 3 pixels left
// and right and 2 above and below.
QRect ButtonImageBuilder::measure(const QString& text) const {
    const QFontMetrics metrics(font(), &measuringDevice());
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, m_buttonWidth, m_buttonHeight), kTextFlags, text);
    return QRect(0, 0, needed.width() + 6, needed.height() + 4);
}

void ButtonImageBuilder::layOut() {
    int width = std::max(m_buttonWidth, m_pattern.width());
    int height = std::max(m_buttonHeight, m_pattern.height());
    // A caption of more lines than the button holds grows it, keeping the
    // room above and below that a one-line caption has on this button.
    const int lineBox = measure(QStringLiteral("X")).height();
    const int margin = std::max(0, height - lineBox);
    int tallest = 0;
    for (int r = 0; r < m_rows; ++r) {
        for (int c = 0; c < m_columns; ++c) {
            width = std::max(width, m_textBoxes[index(c, r)].width());
            tallest = std::max(tallest, m_textBoxes[index(c, r)].height());
        }
    }
    if (tallest > lineBox)
        height = std::max(height, tallest + margin);
    m_buttonWidth = width;
    m_buttonHeight = height;
    int y = 0;
    for (int r = 0; r < m_rows; ++r) {
        int x = 0;
        for (int c = 0; c < m_columns; ++c) {
            QRect& text = m_textBoxes[index(c, r)];
            m_buttonBoxes[index(c, r)] = QRect(x, y, width, height);
            text.moveTopLeft(
                QPoint(x + (width - text.width()) / 2, y + (height - text.height()) / 2));
            x += width + m_spacingX;
        }
        y += height + m_spacingY;
    }
}

// The pattern with everything of its box outside the shape painted in the
// filler colour. Without a shape the whole pattern counts.
QImage ButtonImageBuilder::cutPattern() const {
    QImage cut = m_pattern;
    if (cut.isNull() || m_shape.isEmpty())
        return cut;
    QPainterPath outside;
    outside.addRect(QRectF(cut.rect()));
    outside = outside.subtracted(m_shape);
    QPainter painter(&cut);
    painter.fillPath(outside, colorOfColorRef(m_filler));
    return cut;
}

void ButtonImageBuilder::draw(int width, int height) {
    m_image = deviceImage(width, height);
    m_image.fill(rgbOfColorRef(m_filler));
    const QImage pattern = cutPattern();
    QPainter painter(&m_image);
    painter.setFont(font());
    static constexpr QPoint kOutline[] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    for (int r = 0; r < m_rows; ++r) {
        for (int c = 0; c < m_columns; ++c) {
            const int i = index(c, r);
            if (!pattern.isNull())
                painter.drawImage(m_buttonBoxes[i], pattern);
            const QRect text = m_textBoxes[i].translated(m_offsetX, m_offsetY);
            painter.setPen(colorOfColorRef(m_outline));
            for (const QPoint& shift : kOutline)
                painter.drawText(text.translated(shift), kTextFlags, m_captions[i]);
            painter.setPen(colorOfColorRef(m_text));
            painter.drawText(text, kTextFlags, m_captions[i]);
        }
    }
}

bool ButtonImageBuilder::build() {
    m_image = QImage();
    if (m_columns < 1 || m_rows < 1)
        return false;
    layOut();
    const qint64 width = qint64(m_buttonWidth) * m_columns + qint64(m_spacingX) * (m_columns - 1);
    const qint64 height = qint64(m_buttonHeight) * m_rows + qint64(m_spacingY) * (m_rows - 1);
    if (width < 1 || height < 1 || width > kMaxImageSide || height > kMaxImageSide)
        return false;
    draw(int(width), int(height));
    return true;
}

QByteArray ButtonImageBuilder::packed() const {
    return m_image.isNull() ? QByteArray() : PackedDib::fromImage(m_image);
}

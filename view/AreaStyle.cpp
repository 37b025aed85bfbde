#include "view/AreaStyle.h"

#include "model/Settings.h"
#include "model/SettingsNotifier.h"
#include "view/ViewPatterns.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include <memory>

namespace {

// Textures repeat their pattern across about this many columns: Qt blends a
// tiled texture one tile row at a time, so wide tiles fill spans in long
// runs instead of eight pixels per call.
constexpr int kTileWidth = 256;

// A dotted line's texture: the dot, then kDotPeriod - 1 gaps, laid along
// x (horizontal, repeated across a wide tile; see kTileWidth) or y.
QBrush dots(QColor dot, QColor gap, bool horizontal) {
    const int n = AreaStyle::kDotPeriod;
    const int length = horizontal ? kTileWidth / n * n : n;
    QImage image(horizontal ? length : 1, horizontal ? 1 : length,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(gap);
    for (int i = 0; i < length; i += n)
        image.setPixelColor(horizontal ? i : 0, horizontal ? 0 : i, dot);
    return QBrush(image);
}

// An 8 x 8 pattern as a wide tile: the same pixels at the same brush origin.
QBrush wideTile(const QImage& pattern) {
    QImage tile(kTileWidth, pattern.height(), QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    QPainter painter(&tile);
    painter.fillRect(tile.rect(), QBrush(pattern));
    painter.end();
    return QBrush(tile);
}

// A hatch style as a texture, opaque where Qt's pattern draws and
// transparent elsewhere.
QBrush hatchTexture(QColor color, Qt::BrushStyle style) {
    QImage pattern(8, 8, QImage::Format_ARGB32_Premultiplied);
    pattern.fill(Qt::transparent);
    QPainter painter(&pattern);
    painter.fillRect(pattern.rect(), QBrush(color, style));
    painter.end();
    return wideTile(pattern);
}

std::unique_ptr<AreaStyle>& instance() {
    static std::unique_ptr<AreaStyle> style;
    return style;
}

} // namespace

const AreaStyle& AreaStyle::shared() {
    if (!instance())
        rebuild();
    return *instance();
}

void AreaStyle::rebuild() {
    // Kept current even while no view is open to ask for it.
    static const bool following = [] {
        QObject::connect(&Settings::notifier(), &SettingsNotifier::changed, [] { refresh(); });
        return true;
    }();
    (void)following;
    instance() = std::make_unique<AreaStyle>(Settings::app());
}

bool AreaStyle::darkPalette() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return false;
    const QPalette palette = QGuiApplication::palette();
    return palette.color(QPalette::Window).lightness() <
           palette.color(QPalette::WindowText).lightness();
}

bool AreaStyle::refresh() {
    if (instance() && instance()->m_source == sourceOf(Settings::app()))
        return false;
    rebuild();
    return true;
}

std::array<quint32, 12> AreaStyle::sourceOf(const Settings& s) {
    return {
        s.defaultColor,      s.defaultBack,          s.flybyColor,        s.flybyBack,
        s.selectedColor,     s.selectedBack,         s.fillColor,         quint32(s.fillArea),
        quint32(s.fillType), quint32(s.showHandles), quint32(s.grabSize), quint32(darkPalette())};
}

AreaStyle::AreaStyle(const Settings& s) : m_source(sourceOf(s)) {
    const quint32 colors[3][2] = {{s.defaultColor, s.defaultBack},
                                  {s.flybyColor, s.flybyBack},
                                  {s.selectedColor, s.selectedBack}};
    for (int i = 0; i < 3; ++i) {
        StatePens& pens = m_states[i];
        pens.color = colorOfColorRef(colors[i][0]);
        pens.back = colorOfColorRef(colors[i][1]);
        pens.dotted = QPen(pens.color, 1, Qt::DotLine, Qt::FlatCap, Qt::MiterJoin);
        pens.dotted.setCosmetic(true);
        pens.solidBack = QPen(pens.back, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        pens.solidBack.setCosmetic(true);
        pens.horizontal = dots(pens.color, pens.back, true);
        pens.vertical = dots(pens.color, pens.back, false);
    }
    m_fill = s.fillArea;
    m_hatch = hatchTexture(colorOfColorRef(s.fillColor), hatchStyle(s.fillType));
    m_showHandles = s.showHandles;
    m_handleBrush = QBrush(ViewPatterns::handle());
    m_background = wideTile(ViewPatterns::background(darkPalette()));
    const QColor grey = colorOfColorRef(0x808080);
    m_gridHorizontal = dots(grey, Qt::transparent, true);
    m_gridVertical = dots(grey, Qt::transparent, false);
}

Qt::BrushStyle AreaStyle::hatchStyle(int fillType) {
    static constexpr Qt::BrushStyle styles[6] = {Qt::HorPattern,   Qt::VerPattern,
                                                 Qt::FDiagPattern, Qt::BDiagPattern,
                                                 Qt::CrossPattern, Qt::DiagCrossPattern};
    return fillType >= 0 && fillType < 6 ? styles[fillType] : Qt::DiagCrossPattern;
}

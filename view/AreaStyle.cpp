#include "view/AreaStyle.h"

#include "model/Settings.h"
#include "view/ViewPatterns.h"

#include <QImage>

#include <memory>

namespace {

// A dotted line's texture: the dot, then kDotPeriod - 1 gaps, laid along
// x (horizontal) or y.
QBrush dots(QColor dot, QColor gap, bool horizontal) {
    const int n = AreaStyle::kDotPeriod;
    QImage image(horizontal ? n : 1, horizontal ? 1 : n, QImage::Format_ARGB32_Premultiplied);
    image.fill(gap);
    image.setPixelColor(0, 0, dot);
    return QBrush(image);
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
    instance() = std::make_unique<AreaStyle>(Settings::app());
}

AreaStyle::AreaStyle(const Settings& s) {
    const quint32 colors[3][2] = {{s.defaultColor, s.defaultBack},
                                  {s.flybyColor, s.flybyBack},
                                  {s.selectedColor, s.selectedBack}};
    for (int i = 0; i < 3; ++i) {
        StatePens& pens = m_states[i];
        pens.color = fromColorRef(colors[i][0]);
        pens.back = fromColorRef(colors[i][1]);
        pens.dotted = QPen(pens.color, 1, Qt::DotLine, Qt::FlatCap, Qt::MiterJoin);
        pens.dotted.setCosmetic(true);
        pens.horizontal = dots(pens.color, pens.back, true);
        pens.vertical = dots(pens.color, pens.back, false);
    }
    m_fill = s.fillArea;
    m_hatch = QBrush(fromColorRef(s.fillColor), hatchStyle(s.fillType));
    m_showHandles = s.showHandles;
    m_handleBrush = QBrush(ViewPatterns::handle());
    m_background = QBrush(ViewPatterns::background());
    const QColor grey = fromColorRef(0x808080);
    m_gridHorizontal = dots(grey, Qt::transparent, true);
    m_gridVertical = dots(grey, Qt::transparent, false);
}

QColor AreaStyle::fromColorRef(quint32 ref) {
    return QColor(int(ref & 0xff), int((ref >> 8) & 0xff), int((ref >> 16) & 0xff));
}

Qt::BrushStyle AreaStyle::hatchStyle(int fillType) {
    static constexpr Qt::BrushStyle styles[6] = {Qt::HorPattern,   Qt::VerPattern,
                                                 Qt::FDiagPattern, Qt::BDiagPattern,
                                                 Qt::CrossPattern, Qt::DiagCrossPattern};
    return fillType >= 0 && fillType < 6 ? styles[fillType] : Qt::DiagCrossPattern;
}

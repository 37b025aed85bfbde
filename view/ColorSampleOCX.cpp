#include "view/ColorSampleOCX.h"

#include "model/ColorRef.h"
#include "view/AreaStyle.h"

#include <QPainter>

namespace {

constexpr int kLineWidth = 3;
constexpr int kInset = 6;

} // namespace

CColorSampleOCX::CColorSampleOCX(QWidget* parent) : QWidget(parent) {}

void CColorSampleOCX::setForeColor(ColorRef color) {
    m_fore = color & 0xffffff;
    update();
}

void CColorSampleOCX::setBackColor(ColorRef color) {
    m_back = color & 0xffffff;
    update();
}

QSize CColorSampleOCX::sizeHint() const {
    return {64, 32};
}

// The outline is drawn thicker than in the map so that both colours read:
// a band of the background with the dots of the foreground along it.
void CColorSampleOCX::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QRect line = rect().adjusted(kInset, kInset, -kInset - 1, -kInset - 1);
    QPen back(colorOfColorRef(m_back), kLineWidth);
    back.setJoinStyle(Qt::MiterJoin);
    painter.setPen(back);
    painter.drawRect(line);
    QPen dots(colorOfColorRef(m_fore), kLineWidth, Qt::DotLine, Qt::FlatCap);
    dots.setJoinStyle(Qt::MiterJoin);
    painter.setPen(dots);
    painter.drawRect(line);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

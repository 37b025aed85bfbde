#include "view/ColorPicker.h"

#include "model/ColorRef.h"
#include "model/Strings.h"
#include "view/AreaStyle.h"

#include <QColorDialog>
#include <QPainter>

namespace {

constexpr int kSwatchInset = 5;

} // namespace

CColorPicker::CColorPicker(QWidget* parent) : QPushButton(parent) {
    connect(this, &QPushButton::clicked, this, &CColorPicker::chooseColor);
}

void CColorPicker::setColor(ColorRef color) {
    m_color = color & 0xffffff;
    update();
}

void CColorPicker::setHatchStyle(int style) {
    m_hatch = style;
    update();
}

void CColorPicker::chooseColor() {
    QColorDialog dialog(colorOfColorRef(m_color), this);
    dialog.setWindowTitle(Strings::text(Str::ColorPickerTitle));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    setColor(colorRefOf(dialog.selectedColor()));
    emit colorChosen(m_color);
}

QSize CColorPicker::sizeHint() const {
    return {48, 24};
}

void CColorPicker::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    QPainter painter(this);
    const QRect swatch =
        rect().adjusted(kSwatchInset, kSwatchInset, -kSwatchInset - 1, -kSwatchInset - 1);
    const QColor color = colorOfColorRef(m_color);
    if (m_hatch >= 0) {
        painter.fillRect(swatch, Qt::white);
        painter.fillRect(swatch, QBrush(color, AreaStyle::hatchStyle(m_hatch)));
    } else {
        painter.fillRect(swatch, isEnabled() ? color : palette().color(QPalette::Button));
    }
    painter.setPen(palette().color(isEnabled() ? QPalette::WindowText : QPalette::Mid));
    painter.drawRect(swatch);
}

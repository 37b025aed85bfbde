#pragma once

#include "model/Settings.h"

#include <QPushButton>

// A button that shows a colour and lets the user choose another through
// the colour dialog. Its colour is a colour reference 0x00BBGGRR, as the
// settings keep colours. A button for a hatch colour may carry a hatch
// style (0 to 5) as well; it then shows the colour hatched on white.
class CColorPicker : public QPushButton {
    Q_OBJECT
public:
    explicit CColorPicker(QWidget* parent = nullptr);

    ColorRef color() const { return m_color; }
    void setColor(ColorRef color);
    // -1 (the default) for a plain colour.
    int hatchStyle() const { return m_hatch; }
    void setHatchStyle(int style);

    // Opens the colour dialog on the button's colour; a colour chosen there
    // becomes the button's and is announced.
    void chooseColor();

    QSize sizeHint() const override;

signals:
    // The user chose a colour (not sent by setColor).
    void colorChosen(ColorRef color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColorRef m_color = 0;
    int m_hatch = -1;
};

#pragma once

#include "model/Settings.h"

#include <QWidget>

// A sample of an area outline's two colours: the dotted line in its
// foreground colour over its background colour, both colour references
// 0x00BBGGRR.
class CColorSampleOCX : public QWidget {
    Q_OBJECT
public:
    explicit CColorSampleOCX(QWidget* parent = nullptr);

    ColorRef foreColor() const { return m_fore; }
    ColorRef backColor() const { return m_back; }
    void setForeColor(ColorRef color);
    void setBackColor(ColorRef color);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColorRef m_fore = 0;
    ColorRef m_back = 0xffffff;
};

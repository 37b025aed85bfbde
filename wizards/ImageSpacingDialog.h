#pragma once

#include <QDialog>

class CColorPicker;
class QSpinBox;

// "Image Spacing": the filler colour, the spacing between buttons (0 to 99
// pixels either way) and the shift of every caption (-99 to 99).
class ImageSpacingDialog : public QDialog {
    Q_OBJECT
public:
    explicit ImageSpacingDialog(QWidget* parent = nullptr);

    void setValues(quint32 filler, int spacingX, int spacingY, int offsetX, int offsetY);
    quint32 fillerColor() const;
    int spacingX() const;
    int spacingY() const;
    int offsetX() const;
    int offsetY() const;

private:
    CColorPicker* m_filler;
    QSpinBox* m_spacingX;
    QSpinBox* m_spacingY;
    QSpinBox* m_offsetX;
    QSpinBox* m_offsetY;
};

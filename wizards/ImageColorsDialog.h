#pragma once

#include <QDialog>

class CColorPicker;
class QWidget;

// "Colors for the Image": the captions' text and outline colours and the
// filler colour, with a sample of an outlined caption that follows every
// change at once. Colours are 0x00BBGGRR references.
class ImageColorsDialog : public QDialog {
    Q_OBJECT
public:
    ImageColorsDialog(quint32 text, quint32 outline, quint32 filler, QWidget* parent = nullptr);

    quint32 textColor() const;
    quint32 outlineColor() const;
    quint32 fillerColor() const;

private:
    CColorPicker* m_text;
    CColorPicker* m_outline;
    CColorPicker* m_filler;
    QWidget* m_sample;
};

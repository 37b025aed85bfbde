#include "wizards/ImageColorsDialog.h"

#include "model/ColorRef.h"
#include "model/Strings.h"
#include "view/ColorPicker.h"
#include "wizards/ButtonImageBuilder.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace {

// The dialog's sample: its text in the outline colour at the four diagonal
// one-pixel offsets, then in the text colour, centred on one line.
class CaptionSample : public QWidget {
public:
    CaptionSample(const ImageColorsDialog& dialog, QWidget* parent)
        : QWidget(parent), m_dialog(dialog) {
        setMinimumSize(160, 40);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), colorOfColorRef(m_dialog.fillerColor()));
        const QString text = Strings::text(Str::ImgWizSampleText);
        const int flags = Qt::AlignCenter | Qt::TextSingleLine;
        painter.setPen(colorOfColorRef(m_dialog.outlineColor()));
        for (const QPoint shift : {QPoint(-1, -1), QPoint(1, -1), QPoint(-1, 1), QPoint(1, 1)})
            painter.drawText(rect().translated(shift), flags, text);
        painter.setPen(colorOfColorRef(m_dialog.textColor()));
        painter.drawText(rect(), flags, text);
    }

private:
    const ImageColorsDialog& m_dialog;
};

} // namespace

ImageColorsDialog::ImageColorsDialog(quint32 text, quint32 outline, quint32 filler, QWidget* parent)
    : QDialog(parent), m_text(new CColorPicker(this)), m_outline(new CColorPicker(this)),
      m_filler(new CColorPicker(this)), m_sample(new CaptionSample(*this, this)) {
    setWindowTitle(Strings::text(Str::ImgWizColorsTitle));
    m_text->setColor(text);
    m_outline->setColor(outline);
    m_filler->setColor(filler);
    auto* form = new QFormLayout;
    form->addRow(Strings::text(Str::ImgWizTextColor), m_text);
    form->addRow(Strings::text(Str::ImgWizOutlineColor), m_outline);
    form->addRow(Strings::text(Str::ImgWizFillerColor), m_filler);
    for (CColorPicker* picker : {m_text, m_outline, m_filler})
        connect(picker, &CColorPicker::colorChosen, m_sample, qOverload<>(&QWidget::update));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_sample);
    layout->addWidget(buttons);
}

quint32 ImageColorsDialog::textColor() const {
    return m_text->color();
}

quint32 ImageColorsDialog::outlineColor() const {
    return m_outline->color();
}

quint32 ImageColorsDialog::fillerColor() const {
    return m_filler->color();
}

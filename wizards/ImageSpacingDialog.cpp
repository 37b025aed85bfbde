#include "wizards/ImageSpacingDialog.h"

#include "model/Strings.h"
#include "view/ColorPicker.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QSpinBox* spin(int low, int high, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(low, high);
    return box;
}

} // namespace

ImageSpacingDialog::ImageSpacingDialog(QWidget* parent)
    : QDialog(parent), m_filler(new CColorPicker(this)), m_spacingX(spin(0, 99, this)),
      m_spacingY(spin(0, 99, this)), m_offsetX(spin(-99, 99, this)),
      m_offsetY(spin(-99, 99, this)) {
    setWindowTitle(Strings::text(Str::ImgWizSpacingTitle));
    auto* form = new QFormLayout;
    form->addRow(Strings::text(Str::ImgWizFillerColor), m_filler);
    form->addRow(Strings::text(Str::ImgWizSpacingH), m_spacingX);
    form->addRow(Strings::text(Str::ImgWizSpacingV), m_spacingY);
    form->addRow(Strings::text(Str::ImgWizOffsetH), m_offsetX);
    form->addRow(Strings::text(Str::ImgWizOffsetV), m_offsetY);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void ImageSpacingDialog::setValues(quint32 filler, int spacingX, int spacingY, int offsetX,
                                   int offsetY) {
    m_filler->setColor(filler);
    m_spacingX->setValue(spacingX);
    m_spacingY->setValue(spacingY);
    m_offsetX->setValue(offsetX);
    m_offsetY->setValue(offsetY);
}

quint32 ImageSpacingDialog::fillerColor() const {
    return m_filler->color();
}

int ImageSpacingDialog::spacingX() const {
    return m_spacingX->value();
}

int ImageSpacingDialog::spacingY() const {
    return m_spacingY->value();
}

int ImageSpacingDialog::offsetX() const {
    return m_offsetX->value();
}

int ImageSpacingDialog::offsetY() const {
    return m_offsetY->value();
}

#include "app/dialogs/GridSettingsDialog.h"

#include "model/Strings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int kSpinMaximum = 999;

} // namespace

GridSettingsDialog::GridSettingsDialog(const GridSettings& grid, QWidget* parent)
    : QDialog(parent), m_enabled(new QCheckBox(Strings::text(Str::GridEnabled), this)) {
    setWindowTitle(Strings::text(Str::GridTitle));
    m_enabled->setObjectName(QStringLiteral("enabled"));
    m_enabled->setChecked(grid.enabled);

    auto* visibility = new QGroupBox(Strings::text(Str::GridVisibility), this);
    auto* radios = new QHBoxLayout(visibility);
    const int texts[3] = {Str::GridHidden, Str::GridLines, Str::GridCrosses};
    const char* names[3] = {"hidden", "lines", "crosses"};
    for (int i = 0; i < 3; ++i) {
        m_visibility[i] = new QRadioButton(Strings::text(texts[i]), visibility);
        m_visibility[i]->setObjectName(QLatin1String(names[i]));
        radios->addWidget(m_visibility[i]);
    }
    m_visibility[qBound(0, grid.visible, 2)]->setChecked(true);

    auto* spacing = new QGroupBox(Strings::text(Str::GridSpacing), this);
    auto* form = new QFormLayout(spacing);
    m_sizeX = addSpin("width", grid.sizeX);
    m_sizeY = addSpin("height", grid.sizeY);
    m_offX = addSpin("offsetLeft", grid.offX);
    m_offY = addSpin("offsetTop", grid.offY);
    form->addRow(Strings::text(Str::GridWidth), m_sizeX);
    form->addRow(Strings::text(Str::GridHeight), m_sizeY);
    form->addRow(Strings::text(Str::GridOffsetLeft), m_offX);
    form->addRow(Strings::text(Str::GridOffsetTop), m_offY);
    m_dependents = {visibility, spacing};

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_enabled, &QCheckBox::clicked, this, &GridSettingsDialog::updateEnabled);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_enabled);
    layout->addWidget(visibility);
    layout->addWidget(spacing);
    layout->addWidget(buttons);
    updateEnabled();
}

QSpinBox* GridSettingsDialog::addSpin(const char* name, int value) {
    auto* spin = new QSpinBox(this);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(0, kSpinMaximum);
    spin->setValue(value);
    return spin;
}

void GridSettingsDialog::updateEnabled() {
    for (QWidget* widget : m_dependents)
        widget->setEnabled(m_enabled->isChecked());
}

GridSettings GridSettingsDialog::result() const {
    GridSettings grid;
    grid.enabled = m_enabled->isChecked();
    for (int i = 0; i < 3; ++i) {
        if (m_visibility[i]->isChecked())
            grid.visible = i;
    }
    grid.sizeX = qMax(1, m_sizeX->value());
    grid.sizeY = qMax(1, m_sizeY->value());
    grid.offX = m_offX->value();
    grid.offY = m_offY->value();
    return grid;
}

#pragma once

#include "model/GridSettings.h"

#include <QDialog>

class QCheckBox;
class QRadioButton;
class QSpinBox;

// "Grid Settings" (dialog 221): the snap flag, the visibility (hidden, lines,
// crosses) and the grid's width, height and offsets from the left and top,
// each an edit with a spin control of range 0 to 999. Everything but the
// check box is enabled only while the box is ticked; the values are taken
// on OK whether enabled or not.
class GridSettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit GridSettingsDialog(const GridSettings& grid, QWidget* parent = nullptr);

    // The values as entered, with sizes below 1 taken as 1.
    GridSettings result() const;

private:
    QSpinBox* addSpin(const char* name, int value);
    void updateEnabled();

    QCheckBox* m_enabled;
    QRadioButton* m_visibility[3];
    QSpinBox* m_sizeX;
    QSpinBox* m_sizeY;
    QSpinBox* m_offX;
    QSpinBox* m_offY;
    QList<QWidget*> m_dependents;
};

#include "app/dialogs/GridSettingsDialog.h"
#include "support/QtTestApp.h"
#include "support/WidgetParts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void typeInto(QSpinBox* spin, const char* text) {
    spin->selectAll();
    QTest::keyClicks(spin, text);
}

} // namespace

TEST(GridSettingsDialog, ShowsTheGridAndEnteringZeroAsWidthStoresOne) {
    qtTestApp();
    GridSettings grid;
    grid.enabled = true;
    grid.visible = 2;
    grid.sizeX = 20;
    grid.offY = 4;
    GridSettingsDialog dialog(grid);
    dialog.show();
    EXPECT_TRUE(part<QRadioButton>(dialog, "crosses")->isChecked());
    EXPECT_EQ(part<QSpinBox>(dialog, "width")->value(), 20);
    typeInto(part<QSpinBox>(dialog, "width"), "0");
    typeInto(part<QSpinBox>(dialog, "offsetLeft"), "0");
    const GridSettings result = dialog.result();
    EXPECT_EQ(result.sizeX, 1);
    EXPECT_EQ(result.sizeY, 15);
    EXPECT_EQ(result.offX, 0); // offsets are taken as typed
    EXPECT_EQ(result.offY, 4);
    EXPECT_EQ(result.visible, 2);
}

TEST(GridSettingsDialog, ClearingTheBoxDisablesTheRestButKeepsTheirValues) {
    qtTestApp();
    GridSettings grid;
    grid.enabled = true;
    GridSettingsDialog dialog(grid);
    dialog.show();
    QSpinBox* height = part<QSpinBox>(dialog, "height");
    typeInto(height, "33");
    QTest::mouseClick(part<QCheckBox>(dialog, "enabled"), Qt::LeftButton);
    EXPECT_FALSE(height->isEnabled());
    EXPECT_FALSE(part<QRadioButton>(dialog, "lines")->isEnabled());
    const GridSettings result = dialog.result();
    EXPECT_FALSE(result.enabled);
    EXPECT_EQ(result.sizeY, 33);
    QTest::mouseClick(part<QCheckBox>(dialog, "enabled"), Qt::LeftButton);
    EXPECT_TRUE(height->isEnabled());
}

TEST(GridSettingsDialog, EachSpinRunsFrom0To999) {
    qtTestApp();
    GridSettingsDialog dialog(GridSettings{});
    for (const char* name : {"width", "height", "offsetLeft", "offsetTop"}) {
        QSpinBox* spin = part<QSpinBox>(dialog, name);
        ASSERT_TRUE(spin) << name;
        EXPECT_EQ(spin->minimum(), 0);
        EXPECT_EQ(spin->maximum(), 999);
    }
}

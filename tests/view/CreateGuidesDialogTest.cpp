// "Create Guides" (222), driven offscreen: which grids OK accepts, the
// bounds shown, the digit filter, and the remembered values.
#include "view/CreateGuidesDialog.h"
#include "model/Settings.h"
#include "support/QtTestApp.h"
#include "support/WhenShown.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class CreateGuides : public ::testing::Test {
protected:
    void SetUp() override {
        qtTestApp();
        Settings::setStoreFolder(dir.path());
    }
    static QLineEdit* edit(QWidget& d, const char* name) {
        return d.findChild<QLineEdit*>(QLatin1String(name));
    }
    static QString bounds(QWidget& d) { return d.findChild<QLabel*>("bounds")->text(); }
    static void type(QWidget& d, const char* name, const QString& text) {
        QLineEdit* e = edit(d, name);
        e->selectAll();
        QTest::keyClicks(e, text);
    }
    static void grid(QWidget& d, int across, int down, int width, int height) {
        type(d, "across", QString::number(across));
        type(d, "down", QString::number(down));
        type(d, "width", QString::number(width));
        type(d, "height", QString::number(height));
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(CreateGuides, OkOnlyForGridsThePictureHolds) {
    CreateGuidesDialog d(400, 80, GuideValues::load());
    EXPECT_EQ(d.findChild<QLabel*>("imageSize")->text(), "400 x 80");
    EXPECT_EQ(edit(d, "width")->text(), "32"); // the defaults: no guides across or down
    EXPECT_EQ(bounds(d), "0,0 to 0,0 (0 areas)");
    EXPECT_FALSE(d.okEnabled());
    const QColor normal = d.palette().color(QPalette::WindowText);
    QColor refused = normal;
    refused.setRed(255 - normal.red());
    EXPECT_EQ(d.findChild<QLabel*>("bounds")->palette().color(QPalette::WindowText), refused);

    grid(d, 8, 4, 50, 20);
    EXPECT_EQ(bounds(d), "0,0 to 400,80 (32 areas)");
    EXPECT_TRUE(d.okEnabled());
    EXPECT_EQ(d.findChild<QLabel*>("bounds")->palette().color(QPalette::WindowText), normal);
    type(d, "across", "9");
    EXPECT_FALSE(d.okEnabled());

    // Left before top, in both corners.
    grid(d, 2, 1, 10, 10);
    type(d, "leftStart", "30");
    type(d, "topStart", "5");
    EXPECT_EQ(bounds(d), "30,5 to 50,15 (2 areas)");
    EXPECT_TRUE(d.okEnabled());
    type(d, "height", "0"); // guides without pixels: Replace would only delete
    EXPECT_FALSE(d.okEnabled());

    CreateGuidesDialog big(6000, 6000, GuideValues::load());
    grid(big, 33, 32, 1, 1); // 1,056 areas: past the old limit, well in the new
    EXPECT_TRUE(big.okEnabled());
    grid(big, 317, 316, 1, 1); // 100,172 areas: more than a map holds
    EXPECT_FALSE(big.okEnabled());
    grid(big, 1, 1, 5000, 10); // numbers past 4,095 are taken whole
    EXPECT_TRUE(big.okEnabled());
    EXPECT_EQ(big.values().width, 5000);
    type(big, "width", "70000"); // beyond the picture: refused, not cut
    EXPECT_FALSE(big.okEnabled());
    EXPECT_EQ(big.values().width, 70000);
}

// The Image wizard's bar of 4 buttons of 100 x 41, 5 apart, is 415 wide:
// guides of the same numbers fit it, and OK is enabled.
TEST_F(CreateGuides, GuidesFitTheImageWizardsButtonBar) {
    CreateGuidesDialog d(415, 41, GuideValues::load());
    grid(d, 4, 1, 100, 41);
    type(d, "spacingX", "5");
    EXPECT_EQ(bounds(d), "0,0 to 415,41 (4 areas)");
    EXPECT_TRUE(d.okEnabled());
    type(d, "spacingX", "6");
    EXPECT_FALSE(d.okEnabled());
}

TEST_F(CreateGuides, NumberEditsTakeDigitsOnly) {
    CreateGuidesDialog d(400, 80, GuideValues::load());
    type(d, "across", "1x2");
    EXPECT_EQ(edit(d, "across")->text(), "12");
    edit(d, "down")->setText("-3");
    EXPECT_EQ(edit(d, "down")->text(), "3");
}

TEST_F(CreateGuides, AcceptedValuesAreRememberedForTheNextUse) {
    whenShown<CreateGuidesDialog>([](CreateGuidesDialog& d) {
        grid(d, 8, 4, 50, 20);
        type(d, "spacingY", "0");
        edit(d, "baseUrl")->setText("page%d.htm");
        d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    GuideValues values;
    ASSERT_TRUE(CreateGuidesDialog::run(400, 80, values));
    EXPECT_EQ(values.across, 8);
    EXPECT_EQ(values.baseUrl, "page%d.htm");

    whenShown<CreateGuidesDialog>([](CreateGuidesDialog& d) {
        EXPECT_EQ(edit(d, "across")->text(), "8");
        EXPECT_EQ(edit(d, "height")->text(), "20");
        EXPECT_EQ(edit(d, "baseUrl")->text(), "page%d.htm");
        type(d, "across", "2");
        d.reject();
    });
    EXPECT_FALSE(CreateGuidesDialog::run(400, 80, values));
    EXPECT_EQ(GuideValues::load().across, 8); // Cancel remembers nothing
}

#include "app/shell/Appearance.h"
#include "model/Settings.h"
#include "support/QtTestApp.h"
#include "view/AreaStyle.h"

#include <QApplication>
#include <QStyle>

#include <gtest/gtest.h>

namespace {

QRgb backgroundPixel() {
    return AreaStyle::shared().background().textureImage().pixel(0, 0);
}

int lightness(QRgb rgb) {
    return QColor(rgb).lightness();
}

} // namespace

// Dark and light apply at once and System gives the desktop's look back;
// the map view's own painting follows the palette's darkness, while the
// user's outline colours stay as chosen.
TEST(Appearance, DarkAndLightFollowThePaletteAndSystemRestoresTheDesktop) {
    qtTestApp();
    const QString desktopStyle = QApplication::style()->name();
    const QPalette desktop = QApplication::palette();
    const QColor outline = AreaStyle::shared().state(AreaDrawState::Selected).color;

    Appearance::apply(Appearance::Dark);
    AreaStyle::refresh();
    EXPECT_EQ(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
    const QPalette dark = QApplication::palette();
    EXPECT_LT(dark.color(QPalette::Window).lightness(), 80);
    EXPECT_GT(dark.color(QPalette::WindowText).lightness(), 180);
    EXPECT_GT(dark.color(QPalette::Text).lightness() - dark.color(QPalette::Base).lightness(), 150);
    EXPECT_TRUE(AreaStyle::darkPalette());
    EXPECT_LT(lightness(backgroundPixel()), 80);
    EXPECT_EQ(AreaStyle::shared().state(AreaDrawState::Selected).color, outline);

    Appearance::apply(Appearance::Light);
    AreaStyle::refresh();
    EXPECT_FALSE(AreaStyle::darkPalette());
    EXPECT_GT(lightness(backgroundPixel()), 160);

    Appearance::apply(Appearance::System);
    AreaStyle::refresh();
    EXPECT_EQ(QApplication::style()->name(), desktopStyle);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), desktop.color(QPalette::Window));
    Settings::app() = Settings();
}

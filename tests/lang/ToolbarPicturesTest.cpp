#include "app/commands/ActionTable.h"
#include "support/QtTestApp.h"

#include <QAction>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The picture as the SVG renderer draws it straight at a pixel size.
QImage drawn(const QString& path, QSize pixels) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

} // namespace

// Every toolbar picture is drawn anew at 100 %, 150 % and 200 %: the
// pixels the toolbar gets are those of the SVG drawn at that size, never a
// smaller bitmap scaled up.
TEST(ToolbarPictures, AreDrawnAtEveryDevicePixelRatio) {
    qtTestApp();
    ActionTable actions;
    int pictures = 0;
    for (QAction* action : actions.all()) {
        if (action->icon().isNull())
            continue;
        ++pictures;
    }
    ASSERT_GE(pictures, 27);
    for (int index = 0; index < 27; ++index) {
        const QString path = ActionTable::toolbarPicturePath(index);
        ASSERT_TRUE(QSvgRenderer(path).isValid()) << path.toStdString();
        const QIcon icon = ActionTable::toolbarIcon(index);
        for (qreal ratio : {1.0, 1.5, 2.0}) {
            SCOPED_TRACE(path.toStdString() + " at " + std::to_string(ratio));
            const QPixmap pixmap = icon.pixmap(QSize(16, 15), ratio);
            // The engine keeps the picture's 16:15 shape: at 150 % it may
            // round a row away.
            const QSize ideal(int(std::lround(16 * ratio)), int(std::lround(15 * ratio)));
            ASSERT_EQ(pixmap.width(), ideal.width());
            ASSERT_LE(std::abs(pixmap.height() - ideal.height()), 1);
            EXPECT_EQ(pixmap.devicePixelRatio(), ratio);
            const QSize pixels = pixmap.size();
            const QImage expected = drawn(path, pixels);
            EXPECT_EQ(pixmap.toImage().convertToFormat(expected.format()), expected);
        }
    }
}

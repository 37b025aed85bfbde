#include "wizards/ButtonImageBuilder.h"
#include "wizards/ButtonPicture.h"
#include "wizards/ButtonStyleLibrary.h"

#include "support/QtTestApp.h"
#include "support/TempFiles.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

const QString kLibrary = QStringLiteral(TESSARY_SOURCE_DIR "/res/Buttons/Buttons.htm");

class ButtonBuilderTest : public ::testing::Test {
protected:
    void SetUp() override { qtTestApp(); }

    // A builder filled as the wizard fills it: a plain pattern of the given
    // size, the default font and colours, one row of captions.
    static ButtonImageBuilder filled(const QStringList& captions, QSize pattern = {40, 20},
                                     int spacing = 5) {
        ButtonImageBuilder b;
        b.setGrid(int(captions.size()), 1);
        QImage p(pattern, QImage::Format_RGB32);
        p.fill(qRgb(200, 0, 0));
        b.setPattern(p);
        b.setButtonSize(96, 32);
        b.setSpacing(spacing, spacing);
        b.setFont();
        b.setColors(0x00FFFFFF, 0x00000000, 0x00FFFF00);
        for (int c = 0; c < captions.size(); ++c)
            b.setCaption(captions[c], c, 0);
        QPainterPath shape;
        shape.addRect(QRectF(QPointF(0, 0), QSizeF(pattern)));
        b.setShape(shape);
        return b;
    }
};

TEST_F(ButtonBuilderTest, LayoutGrowsButtonsToTheLargestCaptionAndCentresEveryCaption) {
    ButtonImageBuilder bar = filled({"Home", "About", "Contact", "Shop"});
    ASSERT_TRUE(bar.build());
    EXPECT_EQ(bar.imageSize(), QSize(399, 32)); // 4 x 96 + 3 x 5
    EXPECT_EQ(bar.image().size(), QSize(399, 32));
    EXPECT_EQ(bar.buttonBox(3, 0), QRect(303, 0, 96, 32));

    // A caption wider than a button wraps into more lines: every button
    // grows to its height, and each caption stays centred on its button.
    ButtonImageBuilder wrapped =
        filled({"Home", "A caption far too long to stand on one button line"});
    ASSERT_TRUE(wrapped.build());
    const int height = wrapped.buttonSize().height();
    EXPECT_GT(height, 32);
    EXPECT_EQ(wrapped.imageSize().height(), height);
    for (int c = 0; c < 2; ++c) {
        const QRect button = wrapped.buttonBox(c, 0);
        const QRect text = wrapped.textBox(c, 0);
        EXPECT_EQ(button.height(), height);
        EXPECT_LE(std::abs(button.center().x() - text.center().x()), 1);
        EXPECT_LE(std::abs(button.center().y() - text.center().y()), 1);
    }
    // The grown button keeps the room above and below its caption that a
    // one-line caption has, so that the lines stay off the button's edge;
    // two lines typed on two lines keep it too.
    const int oneLineRoom = bar.textBox(0, 0).top() - bar.buttonBox(0, 0).top();
    ASSERT_GT(oneLineRoom, 4);
    const QRect button = wrapped.buttonBox(1, 0);
    const QRect text = wrapped.textBox(1, 0);
    EXPECT_GE(text.top() - button.top(), oneLineRoom - 1);
    EXPECT_GE(button.bottom() - text.bottom(), oneLineRoom - 1);
    ButtonImageBuilder typed = filled({"Our\nProducts", "Home"});
    ASSERT_TRUE(typed.build());
    EXPECT_GT(typed.buttonSize().height(), 32);
    EXPECT_GE(typed.textBox(0, 0).top() - typed.buttonBox(0, 0).top(), oneLineRoom - 1);
    EXPECT_GE(typed.textBox(1, 0).top() - typed.buttonBox(1, 0).top(), oneLineRoom - 1);
    // A pattern larger than 96 x 32 sets the button size.
    ButtonImageBuilder big = filled({"A", "B"}, {120, 50}, 0);
    ASSERT_TRUE(big.build());
    EXPECT_EQ(big.imageSize(), QSize(240, 50));
}

TEST_F(ButtonBuilderTest, DrawsPatternCutToShapeFillerAroundAndOutlinedCaptions) {
    ButtonImageBuilder b;
    b.setGrid(2, 1);
    QImage pattern(40, 40, QImage::Format_RGB32);
    pattern.fill(qRgb(0, 0, 200));
    b.setPattern(pattern);
    b.setButtonSize(40, 40);
    b.setSpacing(10, 0);
    b.setFont(ButtonFont{QStringLiteral("Arial"), 200, true});
    b.setColors(0x0000FF00, 0x000000FF, 0x00FFFF00); // green text, red outline, cyan filler
    b.setCaption(QStringLiteral("I"), 0, 0);
    b.setCaption(QString(), 1, 0);
    QPainterPath circle;
    circle.addEllipse(QRectF(0, 0, 40, 40));
    b.setShape(circle);
    ASSERT_TRUE(b.build());
    const QImage& img = b.image();
    const QRgb cyan = qRgb(0, 255, 255), blue = qRgb(0, 0, 200);
    EXPECT_EQ(img.pixel(1, 1), cyan);   // a corner outside the circle
    EXPECT_EQ(img.pixel(45, 20), cyan); // the spacing between buttons
    EXPECT_EQ(img.pixel(60, 20), blue); // inside the second, captionless circle
    EXPECT_EQ(img.pixel(55, 2), cyan);
    // The caption of the first button: its text colour and its outline.
    bool green = false, red = false;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            green |= img.pixel(x, y) == qRgb(0, 255, 0);
            red |= img.pixel(x, y) == qRgb(255, 0, 0);
        }
    EXPECT_TRUE(green);
    EXPECT_TRUE(red);
}

TEST_F(ButtonBuilderTest, OffsetsMoveCaptionsOffTheirButtonsAndHugeLayoutsAreRefused) {
    ButtonImageBuilder moved = filled({"Home"});
    moved.setOffsets(-99, -99);
    ASSERT_TRUE(moved.build());
    EXPECT_EQ(moved.imageSize(), QSize(96, 32)); // the picture keeps its size
    for (int x = 0; x < 96; ++x)                 // the caption left the button
        EXPECT_EQ(moved.image().pixel(x, 20), qRgb(200, 0, 0)) << x;

    ButtonImageBuilder huge = filled({"A", "B", "C"});
    huge.setButtonSize(3000, 32);
    for (int c = 0; c < 3; ++c)
        huge.setCaption(QStringLiteral("x"), c, 0);
    EXPECT_FALSE(huge.build()); // 9,010 pixels wide
    EXPECT_TRUE(huge.image().isNull());
}

TEST_F(ButtonBuilderTest, StyleLibraryJoinsAreasOfOneHrefAndKeepsAreasWithoutHrefApart) {
    TempFiles files;
    QImage picture(100, 40, QImage::Format_RGB32);
    picture.fill(qRgb(10, 20, 30));
    ASSERT_TRUE(picture.save(files.path("lib.png")));
    files.write("lib.htm", "<html><body><img src=\"lib.png\" usemap=\"#L\">\n"
                           "<map name=\"L\">\n"
                           "<area shape=\"rect\" coords=\"0,0,20,20\" href=\"pill\" alt=\"Pill\">\n"
                           "<area shape=\"circle\" coords=\"30,10,10\" href=\"pill\" alt=\"x\">\n"
                           "<area shape=\"rect\" coords=\"50,0,60,10\" href=\"\" alt=\"Loose\">\n"
                           "<area shape=\"rect\" coords=\"70,0,80,10\" href=\"\" alt=\"Loose\">\n"
                           "</map></body></html>\n");
    ButtonStyleLibrary library;
    ASSERT_TRUE(library.load(files.path("lib.htm")));
    ASSERT_EQ(library.styles().size(), 3);
    const ButtonStyle& pill = library.styles()[0];
    EXPECT_EQ(pill.caption, "Pill");
    EXPECT_TRUE(pill.joined);
    EXPECT_EQ(pill.box(), QRect(0, 0, 40, 20));
    EXPECT_FALSE(library.styles()[1].joined);
    EXPECT_EQ(library.pattern(0).size(), QSize(40, 20));
    EXPECT_EQ(library.shapeAtOrigin(2).boundingRect(), QRectF(0, 0, 10, 10));
    EXPECT_EQ(library.find("pill"), 0);
    EXPECT_EQ(library.find("Loose"), 1);

    EXPECT_FALSE(library.load(files.path("missing.htm")));
    EXPECT_TRUE(library.styles().isEmpty());
}

TEST_F(ButtonBuilderTest, TheBundledLibraryOffersEightStylesAndDrawsEachOfThem) {
    ButtonStyleLibrary library;
    ASSERT_TRUE(library.load(kLibrary));
    QStringList captions;
    for (const ButtonStyle& style : library.styles())
        captions << style.caption;
    EXPECT_EQ(captions, QStringList({"Rounded", "Pill", "Tab", "Circle", "Arrow", "Bevelled",
                                     "Flat", "Glossy"}));
    EXPECT_TRUE(library.styles()[1].joined); // a rectangle and two circles
    for (int i = 0; i < library.styles().size(); ++i) {
        ButtonPicture picture;
        picture.captions = {{"Home", "About", "Contact"}};
        ButtonImageBuilder builder;
        ASSERT_EQ(picture.build(library, i, builder), ButtonPicture::Result::Ok) << i;
        EXPECT_EQ(builder.imageSize().height(), std::max(32, library.styles()[i].box().height()));
    }
}

} // namespace

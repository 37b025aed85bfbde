#include "CliRun.h"

#include "support/QtTestApp.h"
#include "wizards/ButtonImageBuilder.h"
#include "wizards/ButtonPicture.h"
#include "wizards/ButtonStyleLibrary.h"

#include <QImage>

namespace {

const QString kLibrary = QStringLiteral(TESSARY_SOURCE_DIR "/res/Buttons/Buttons.htm");

class ButtonsCommand : public Cli {};

// The command draws exactly what the wizard's builder draws for the same
// choices, and reports the picture's layout.
TEST_F(ButtonsCommand, WritesTheBuildersPicturePixelForPixel) {
    qtTestApp();
    const QString out = path("bar.png");
    const Outcome r = run({"buttons", out, "--library", kLibrary, "--style", "Pill", "--row",
                           "Home|About|Contact", "--size", "10.5", "--bold", "--text-color",
                           "FFFF00", "--spacing", "7,3", "--offset", "2,-1"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject json = r.json();
    EXPECT_EQ(json["style"].toString(), "Pill");
    EXPECT_EQ(json["columns"].toInt(), 3);
    EXPECT_EQ(json["rows"].toInt(), 1);

    ButtonPicture picture;
    picture.style = "Pill";
    picture.captions = {{"Home", "About", "Contact"}};
    picture.font.tenths = 105;
    picture.font.bold = true;
    picture.textColor = 0x0000FFFF;
    picture.spacingX = 7;
    picture.spacingY = 3;
    picture.offsetX = 2;
    picture.offsetY = -1;
    ButtonStyleLibrary library;
    ASSERT_TRUE(library.load(kLibrary));
    ButtonImageBuilder builder;
    ASSERT_EQ(picture.build(library, builder), ButtonPicture::Result::Ok);
    const QImage written = QImage(out).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(written.size(), builder.imageSize());
    EXPECT_EQ(json["width"].toInt(), written.width());
    EXPECT_EQ(written, builder.image());
}

TEST_F(ButtonsCommand, RefusesWhatItCannotDrawWithAReason) {
    const QString out = path("x.png");
    const Outcome noStyle =
        run({"buttons", out, "--library", kLibrary, "--style", "Nope", "--row", "A"});
    EXPECT_EQ(noStyle.exitCode, 1);
    EXPECT_EQ(noStyle.err, "tessary-cli: the library has no style \"Nope\"\n");
    const Outcome huge =
        run({"buttons", out, "--library", kLibrary, "--button", "3000x32", "--row", "A|B|C"});
    EXPECT_EQ(huge.exitCode, 1);
    EXPECT_TRUE(huge.err.contains("8000")) << huge.err.toStdString();
    EXPECT_EQ(run({"buttons", out, "--library", kLibrary}).exitCode, 2); // no --row
    EXPECT_EQ(run({"buttons", path("x.bmp"), "--row", "A"}).exitCode, 2);
    EXPECT_EQ(run({"buttons", out, "--row", "A", "--text-color", "red"}).exitCode, 2);
    EXPECT_EQ(run({"buttons", out, "--library", path("none.htm"), "--row", "A"}).exitCode, 1);
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(run({"buttons", path("no/such/folder/x.gif"), "--library", kLibrary, "--row", "A"})
                  .exitCode,
              1);
}

} // namespace

#include "raster/ImageLoadTexts.h"
#include "model/Strings.h"

#include <gtest/gtest.h>

TEST(ImageLoadTexts, ErrorMessagesWordForWord) {
    EXPECT_EQ(ImageLoadTexts::imageErrorText(ImageLoadTexts::NotFound),
              "Unable to open image file: unable to locate file. Press OK to abort loading.");
    EXPECT_EQ(ImageLoadTexts::imageErrorText(ImageLoadTexts::EmptyName),
              "Unable to open image file: filename is empty. Press OK to abort loading.");
    EXPECT_EQ(ImageLoadTexts::imageErrorText(ImageLoadTexts::FormatBad),
              "Unable to open image file: data format bad. Press OK to abort loading.");
}

TEST(ImageLoadTexts, MissingImageNamesTheFileInQuotesOrLeavesABlank) {
    EXPECT_EQ(ImageLoadTexts::missingImageText("map.jpg"),
              "Tessary is unable to locate the image file \" 'map.jpg' \" that goes with this map. "
              "You will have to manually locate it.");
    EXPECT_EQ(ImageLoadTexts::missingImageText(QString()),
              "Tessary is unable to locate the image file \" \" that goes with this map. "
              "You will have to manually locate it.");
}

TEST(ImageLoadTexts, LoadingLines) {
    EXPECT_EQ(ImageLoadTexts::sizeLine(640.9f, 480.2f, 8), "640 by 480, 256 colors");
    EXPECT_EQ(ImageLoadTexts::sizeLine(2, 2, 1), "2 by 2, 2 colors");
    EXPECT_EQ(ImageLoadTexts::sizeLine(2, 2, 24), "2 by 2, 16777216 colors");
    EXPECT_EQ(ImageLoadTexts::formatLine(2, 1234), "GIF format, 1234 bytes long");
    EXPECT_EQ(ImageLoadTexts::formatLine(10, 5), "JPG format, 5 bytes long");
    EXPECT_EQ(ImageLoadTexts::formatLine(75, 5), "PNG format, 5 bytes long");
    EXPECT_EQ(ImageLoadTexts::formatLine(0, 5), "Unknown format, 5 bytes long");
}

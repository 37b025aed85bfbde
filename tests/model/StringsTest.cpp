#include "model/Strings.h"

#include <gtest/gtest.h>

TEST(Strings, LookUpByIdAndName) {
    EXPECT_EQ(Strings::text(7037), QStringLiteral("Settings"));
    EXPECT_EQ(Strings::bytes(Str::MarkerStart),
              QByteArray("<!-- Start of Client Side Image Map information -->"));
    EXPECT_TRUE(Strings::contains(Str::KwEncodedLead));
}

TEST(Strings, UnknownIdIsEmpty) {
    EXPECT_FALSE(Strings::contains(1));
    EXPECT_STREQ(Strings::raw(1), "");
}

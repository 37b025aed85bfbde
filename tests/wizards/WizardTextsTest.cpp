// What the wizards show a newcomer: format names as they are known, the
// map-name rule as it is checked.
#include "model/Strings.h"
#include "wizards/MapNameValues.h"

#include <gtest/gtest.h>

TEST(WizardTexts, FormatsAndTheMapNameRuleReadAsTheyAreMeant) {
    EXPECT_EQ(Strings::text(Str::ImgWizFormatPng), "PNG");
    const QString rule = Strings::text(Str::MapNameRule);
    EXPECT_FALSE(rule.contains("punctuation"));
    EXPECT_TRUE(rule.contains("spaces") && rule.contains("double quotes") && rule.contains("\"#\""))
        << rule.toStdString();
    // The rule says what the check refuses, and what it takes.
    EXPECT_FALSE(MapNameValues::isValid("a b"));
    EXPECT_FALSE(MapNameValues::isValid("a\"b"));
    EXPECT_FALSE(MapNameValues::isValid("a#b"));
    EXPECT_TRUE(MapNameValues::isValid("nav-bar.2_(x)"));
}

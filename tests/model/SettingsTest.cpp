#include "model/Settings.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        Settings::setStoreFolder(dir.path());
    }
    QString iniPath() const { return dir.path() + "/Corvane/Tessary.ini"; }
    QTemporaryDir dir;
};

} // namespace

TEST_F(SettingsStore, MissingStoreGivesDefaults) {
    Settings s;
    s.load();
    EXPECT_EQ(s.fillType, 5);
    EXPECT_EQ(s.defaultColor, 0xffff00u);
    EXPECT_EQ(s.grid.sizeX, 15);
    EXPECT_EQ(s.defaultUrlLead, QStringLiteral("http://www."));
    EXPECT_EQ(s.handleSize(), 5);
}

TEST_F(SettingsStore, RoundTripUnderTheSystemsNames) {
    Settings s;
    s.grabSize = true;
    s.selectedBack = 0x123456;
    s.grid.offY = 7;
    s.lastMapFolder = QStringLiteral("/tmp/maps");
    s.save();

    QSettings raw(iniPath(), QSettings::IniFormat);
    EXPECT_EQ(raw.value("Settings/GrabSize").toInt(), 1);
    EXPECT_EQ(raw.value("Settings/Selected Back").toUInt(), 0x123456u);
    EXPECT_EQ(raw.value("Settings/Grid OffY").toInt(), 7);

    Settings back;
    back.load();
    EXPECT_TRUE(back.grabSize);
    EXPECT_EQ(back.handleSize(), 9);
    EXPECT_EQ(back.selectedBack, 0x123456u);
    EXPECT_EQ(back.grid.offY, 7);
    EXPECT_EQ(back.lastMapFolder, QStringLiteral("/tmp/maps"));
}

TEST_F(SettingsStore, DndAndCwgrAreReadButNeverWritten) {
    {
        QSettings raw(iniPath(), QSettings::IniFormat);
        raw.setValue("Settings/DND", 1);
    }
    Settings s;
    s.load();
    EXPECT_EQ(s.dnd, 1);
    s.cwgr = 1;
    QFile::remove(iniPath());
    s.save();
    QSettings raw(iniPath(), QSettings::IniFormat);
    EXPECT_FALSE(raw.contains("Settings/DND"));
    EXPECT_FALSE(raw.contains("Settings/CWGR"));
    EXPECT_TRUE(raw.contains("Settings/Fill Type"));
}

TEST_F(SettingsStore, SingleValuesGoStraightToTheStore) {
    EXPECT_EQ(Settings::readInt(1025, 32), 32);
    Settings::writeInt(1025, 50);
    EXPECT_EQ(Settings::readInt(1025, 32), 50);
    Settings::writeText(1037, QStringLiteral("page%d.htm"));
    EXPECT_EQ(Settings::readText(1037), QStringLiteral("page%d.htm"));
}

// The Trace tool's values keep their bounds whatever the store holds.
TEST_F(SettingsStore, TraceValuesRoundTripWithinTheirBounds) {
    Settings s;
    EXPECT_EQ(s.traceTolerance, 32);
    EXPECT_DOUBLE_EQ(s.tracePrecision, 1.5);
    s.traceTolerance = 7;
    s.tracePrecision = 2.25;
    s.save();
    {
        QSettings raw(iniPath(), QSettings::IniFormat);
        EXPECT_EQ(raw.value("Settings/Trace Tolerance").toInt(), 7);
        EXPECT_DOUBLE_EQ(raw.value("Settings/Trace Precision").toDouble(), 2.25);
    }
    Settings back;
    back.load();
    EXPECT_EQ(back.traceTolerance, 7);
    EXPECT_DOUBLE_EQ(back.tracePrecision, 2.25);
    {
        QSettings raw(iniPath(), QSettings::IniFormat);
        raw.setValue("Settings/Trace Tolerance", 999);
        raw.setValue("Settings/Trace Precision", "0.01");
    }
    back.load();
    EXPECT_EQ(back.traceTolerance, 255);
    EXPECT_DOUBLE_EQ(back.tracePrecision, 0.5);
    {
        QSettings raw(iniPath(), QSettings::IniFormat);
        raw.setValue("Settings/Trace Tolerance", -4);
        raw.setValue("Settings/Trace Precision", "lots");
    }
    back.load();
    EXPECT_EQ(back.traceTolerance, 0);
    EXPECT_DOUBLE_EQ(back.tracePrecision, 0.5); // kept from before
}

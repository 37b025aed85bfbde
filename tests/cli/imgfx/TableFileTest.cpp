// Table files of imgfx-cli: 256 levels, separated by white space or commas.
#include "TableFile.h"

#include "CliTestSupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using imgfxcli::readTableFile;

namespace {

QString write(const QTemporaryDir& dir, const QByteArray& text) {
    return imgfxclitest::writeFile(dir.filePath(QStringLiteral("table.txt")), text);
}

QByteArray levels(int count, const char* separator) {
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += QByteArray::number(255 - i % 256) + separator;
    return text;
}

} // namespace

TEST(TableFile, ReadsTwoHundredFiftySixLevelsInAnyLayout) {
    QTemporaryDir dir;
    for (const char* separator : {" ", "\n", ", ", "\t,\r\n"}) {
        std::vector<uint8_t> table;
        QString error;
        ASSERT_TRUE(readTableFile(write(dir, levels(256, separator)), &table, &error))
            << error.toStdString();
        ASSERT_EQ(table.size(), 256u);
        EXPECT_EQ(table[0], 255);
        EXPECT_EQ(table[255], 0);
    }
}

TEST(TableFile, RejectsWrongCountsBadLevelsAndMissingFiles) {
    QTemporaryDir dir;
    const QByteArray bad[] = {levels(255, " "),         levels(257, " "),
                              levels(255, " ") + "256", levels(255, " ") + "-1",
                              levels(255, " ") + "x",   QByteArray()};
    for (const QByteArray& text : bad) {
        std::vector<uint8_t> table;
        QString error;
        EXPECT_FALSE(readTableFile(write(dir, text), &table, &error)) << text.right(8).data();
        EXPECT_TRUE(error.contains(QStringLiteral("table.txt")));
    }
    std::vector<uint8_t> table;
    QString error;
    EXPECT_FALSE(readTableFile(dir.filePath(QStringLiteral("none.txt")), &table, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("cannot read")));
}

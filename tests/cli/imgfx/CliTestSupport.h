// What the imgfx-cli tests share: running the tool in a process of its own
// and writing small input files (tables, filter records, pictures as bytes).
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace imgfxclitest {

struct Result {
    int exitCode;
    QString out;
    QString err;
};

inline Result run(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(TESSARY_BINARY_DIR "/bin/imgfx-cli"), args);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// Writes bytes to path, replacing what was there; returns path.
inline QString writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    EXPECT_EQ(file.write(bytes), bytes.size()) << path.toStdString();
    return path;
}

} // namespace imgfxclitest

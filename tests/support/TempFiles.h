#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A temporary folder for the files a test reads and writes; it is removed
// with the test.
class TempFiles {
public:
    // name is relative to the folder; an absolute path stands as it is.
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }

    // Writes bytes as name (making its folders) and returns the full path;
    // a write that fails fails the test, which would otherwise go on to
    // test the wrong file.
    QString write(const QString& name, const QByteArray& bytes) const {
        const QString full = path(name);
        QDir().mkpath(QFileInfo(full).absolutePath());
        QFile f(full);
        const bool written = f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
        EXPECT_TRUE(written) << "cannot write " << full.toStdString();
        return full;
    }
    // The bytes of name, or none when it cannot be read.
    QByteArray read(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
};

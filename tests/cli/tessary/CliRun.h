#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Runs tessary-cli in a process of its own, with user settings in a
// temporary folder, and writes input files into another.

struct Outcome {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
};

class Cli : public ::testing::Test {
protected:
    Outcome run(const QStringList& args) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", config.path()); // no user settings
        p.setProcessEnvironment(env);
        p.start(TESSARY_CLI, args);
        p.waitForFinished(30000);
        return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
    }
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }

    QByteArray read(const QString& name) const {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Stores settings values ("Name=value" lines of the INI file).
    void settings(const QByteArray& lines) {
        QDir(config.path()).mkpath("Corvane");
        QFile ini(config.filePath("Corvane/Tessary.ini"));
        ini.open(QIODevice::WriteOnly);
        ini.write("[Settings]\n" + lines);
    }

    QTemporaryDir dir;
    QTemporaryDir config;
};

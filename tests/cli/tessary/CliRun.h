#pragma once

#include "support/TempFiles.h"

#include <QDir>
#include <QFile>
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

class Cli : public ::testing::Test, protected TempFiles {
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
    // Stores settings values ("Name=value" lines of the INI file).
    void settings(const QByteArray& lines) {
        QDir(config.path()).mkpath("Corvane");
        QFile ini(config.filePath("Corvane/Tessary.ini"));
        ini.open(QIODevice::WriteOnly);
        ini.write("[Settings]\n" + lines);
    }

    QTemporaryDir config;
};

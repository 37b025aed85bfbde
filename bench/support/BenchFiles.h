// Plain whole-file reads and writes: the yardstick the page benchmarks
// compare the editor's reading and safe saving against.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

inline QByteArray readFile(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

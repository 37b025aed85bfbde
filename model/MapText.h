#pragma once

#include <QByteArray>
#include <QString>

// Texts of maps are bytes exactly as in the file. The user interface and the
// command-line tool's JSON show them as UTF-8, or as Latin-1 when the bytes
// are not valid UTF-8; edited text is stored back as UTF-8.
namespace MapText {

QString toDisplay(const QByteArray& bytes);
inline QByteArray fromDisplay(const QString& text) {
    return text.toUtf8();
}

} // namespace MapText

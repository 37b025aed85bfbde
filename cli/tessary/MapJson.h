#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

class CImageMapDoc;

// The JSON form of an opened map that `tessary-cli read` prints (README.md,
// section tessary-cli): one object, its keys in a fixed order, one area per
// line. Coordinates are image pixels; texts of the map are UTF-8, or Latin-1
// where their bytes are not valid UTF-8.
namespace MapJson {

// Members a command's options add after "areas": key and JSON value.
using Members = QList<std::pair<QByteArray, QByteArray>>;

QByteArray document(const CImageMapDoc& doc, const Members& extra = {});
// A JSON string literal of text, quotes included.
QByteArray quote(const QString& text);
// A JSON string literal of a map's text (bytes as MapText shows them).
QByteArray mapText(const QByteArray& bytes);

} // namespace MapJson

#pragma once

#include <QByteArray>
#include <QString>

class CImageMapDoc;

// The JSON form of an opened map that `tessary-cli read` prints (README.md,
// section tessary-cli): one object, its keys in a fixed order, one area per
// line. Coordinates are image pixels; texts of the map are UTF-8, or Latin-1
// where their bytes are not valid UTF-8.
namespace MapJson {

QByteArray document(const CImageMapDoc& doc);
// A JSON string literal of text, quotes included.
QByteArray quote(const QString& text);

} // namespace MapJson

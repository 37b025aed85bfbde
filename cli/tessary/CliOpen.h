#pragma once

#include <QString>

#include <optional>

class CImageMapDoc;

// Opens path in doc as the editor's Open does, without loading the picture
// (imagePath, when given, is the picture the map is to use), and with the
// map named wantedMap when the file is a page of several maps. On failure
// writes the reason to standard error: what the Open's result says failed,
// or, when the map choice failed, the maps there are to choose from.
// A wanted map that the opened file does not hold fails too.
bool openForCli(CImageMapDoc& doc, const QString& path, const std::optional<QString>& wantedMap,
                const QString& imagePath = {});

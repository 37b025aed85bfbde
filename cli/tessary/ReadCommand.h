#pragma once

#include <QStringList>

// `tessary-cli read FILE [--map NAME] [--image-info]`: opens FILE as the
// editor's Open does, without loading its picture, and prints the map as
// JSON. A page of several maps needs --map. With --image-info the map's
// picture is located and queried too (ImageInfo). Returns the exit code: 0
// when read, 1 (with the reason on standard error) when the file cannot be
// opened or read, 2 for wrong arguments.
int runReadCommand(const QStringList& arguments);

#pragma once

#include <QStringList>

// `tessary-cli read FILE`: opens FILE as the editor's Open does, without its
// picture, and prints the map as JSON. Returns the exit code: 0 when read, 1
// (with one line on standard error) when the file cannot be opened or read.
int runReadCommand(const QStringList& arguments);

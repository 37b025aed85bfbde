#pragma once

#include <QStringList>

// `tessary-cli read [--image-info] FILE`: opens FILE as the editor's Open
// does, without loading its picture, and prints the map as JSON; with
// --image-info the map's picture is located and queried too (ImageInfo).
// Returns the exit code: 0 when read, 1 (with one line on standard error)
// when the file cannot be opened or read.
int runReadCommand(const QStringList& arguments);
// Whether arguments (those after "read") have the form above.
bool isReadCall(const QStringList& arguments);

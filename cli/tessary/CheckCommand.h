#pragma once

#include <QStringList>

// `tessary-cli check FILE [--map NAME] [--image PICTURE | --size WxH] [--image-info]`: opens
// FILE as `read` does, runs one complete map check and prints its findings
// as JSON (README.md, tessary-cli). Returns the exit code: 0 when the map is
// clean, 3 when the check found a problem (a missing URL, an obscured area,
// an area beyond the picture), 1 when the file or picture cannot be read or
// holds no map of that name, 2 for a bad command line.
int runCheckCommand(const QStringList& arguments);

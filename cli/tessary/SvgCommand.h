#pragma once

#include <QStringList>

// `svg IN OUT.svg [--map NAME] [--embed-picture]`: the map as a standalone
// SVG overlay of its picture (README.md, tessary-cli). Returns the exit code.
int runSvgCommand(const QStringList& arguments);

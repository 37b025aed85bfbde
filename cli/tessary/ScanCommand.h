#pragma once

#include <QStringList>

// `tessary-cli scan FILE`: prints what the page scan finds in FILE (its IMG
// tags, complete MAP blocks and body end) as JSON. Returns 0, 1 when the
// file cannot be read, 2 for wrong arguments.
int runScanCommand(const QStringList& arguments);

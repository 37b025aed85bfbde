#pragma once

#include <QStringList>

// `tessary-cli convert IN OUT [--map NAME] [--title T] [--image FILE]`:
// opens IN as `read` does, gives the map title T and picture FILE when
// asked, then saves it to the page OUT through the editor's own save (OUT
// given, so nothing prompts for a path). Questions are answered No or
// Cancel and every question and message goes to standard error; a dialog
// that would open counts as cancelled. Returns 0 when saved, 1 when IN
// cannot be read or the save fails, 2 for wrong arguments.
int runConvertCommand(const QStringList& arguments);

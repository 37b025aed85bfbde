#pragma once

#include <QCursor>

// The program's own mouse cursors, from its pictures (res/cursors) with
// their hot spots, by the ids the editor knows them by.
namespace ProgramCursors {

enum Id : int {
    GridBoth = 30979,       // over a vertical and a horizontal grid line
    GridVertical = 30980,   // over a vertical grid line
    GridHorizontal = 30981, // over a horizontal grid line
};

// The cursor of id; the standard arrow for an id the program has no
// picture for.
QCursor cursor(int id);

} // namespace ProgramCursors

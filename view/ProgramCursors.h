#pragma once

#include <QCursor>

// The program's own mouse cursors by the ids the editor knows them by: the
// grid cursors from pictures (res/cursors) with their hot spots, the tool
// cursors drawn in code (a cross hair with the tool's shape beside it).
// Standard cursor shapes travel as ids too (standard()), so that a tool
// names any cursor with one number.
namespace ProgramCursors {

enum Id : int {
    CircleTool = 9000,      // the circle tool over no area
    RectangleTool = 9001,   // the rectangle tool over no area
    PolygonTool = 9002,     // the polygon tool over no area
    VertexDrag = 9003,      // over a polygon's vertex
    TraceTool = 9004,       // the trace tool over no area
    GridBoth = 30979,       // over a vertical and a horizontal grid line
    GridVertical = 30980,   // over a vertical grid line
    GridHorizontal = 30981, // over a horizontal grid line
};

// The id of a standard shape.
constexpr int standard(Qt::CursorShape shape) {
    return 100 + int(shape);
}

// The cursor of id; the standard arrow for an id the program has no
// picture for.
QCursor cursor(int id);

} // namespace ProgramCursors

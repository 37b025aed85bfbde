#include "view/ShapeTool.h"

#include "view/CircleCreation.h"
#include "view/FrameDrag.h"
#include "view/ProgramCursors.h"

std::unique_ptr<ViewInteraction> ShapeTool::draw(QPoint window) {
    if (m_shape == AreaShape::Circle)
        return CircleCreation::begin(m_host, window);
    return FrameDrag::create(m_host, window);
}

int ShapeTool::idleCursor() const {
    return m_shape == AreaShape::Circle ? ProgramCursors::CircleTool
                                        : ProgramCursors::RectangleTool;
}

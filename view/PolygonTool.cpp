#include "view/PolygonTool.h"

#include "view/PolygonRubberBand.h"
#include "view/ProgramCursors.h"

std::unique_ptr<ViewInteraction> PolygonTool::draw(QPoint window) {
    return PolygonRubberBand::begin(m_host, window);
}

int PolygonTool::idleCursor() const {
    return ProgramCursors::PolygonTool;
}

#include "view/TraceTool.h"

#include "view/ProgramCursors.h"
#include "view/TraceProposal.h"

std::unique_ptr<ViewInteraction> TraceTool::draw(QPoint window) {
    return TraceProposal::begin(m_host, window);
}

int TraceTool::idleCursor() const {
    return ProgramCursors::TraceTool;
}

#include "document/AreaReplaceCommand.h"

#include "document/ImageMapDoc.h"

void AreaReplaceCommand::redo() {
    m_doc.replaceAreas(m_after);
}

void AreaReplaceCommand::undo() {
    m_doc.replaceAreas(m_before);
}

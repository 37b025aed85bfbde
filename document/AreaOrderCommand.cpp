#include "document/AreaOrderCommand.h"

#include "document/ImageMapDoc.h"

void AreaOrderCommand::redo() {
    m_doc.reorderArea(m_from, m_to);
}

void AreaOrderCommand::undo() {
    m_doc.reorderArea(m_to, m_from);
}

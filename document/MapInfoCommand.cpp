#include "document/MapInfoCommand.h"

#include "document/ImageMapDoc.h"

void MapInfoCommand::redo() {
    m_doc.applyMapInfo(m_after);
}

void MapInfoCommand::undo() {
    m_doc.applyMapInfo(m_before);
}

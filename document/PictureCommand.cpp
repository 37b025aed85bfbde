#include "document/PictureCommand.h"

// The areas first, then the picture, so that views hear of the new picture
// last, with the areas already as they go with it.
void PictureCommand::redo() {
    if (m_clips)
        m_doc.replaceAreas(m_areasAfter);
    m_doc.applyPicture(m_after);
}

void PictureCommand::undo() {
    if (m_clips)
        m_doc.replaceAreas(m_areasBefore);
    m_doc.applyPicture(m_before);
}

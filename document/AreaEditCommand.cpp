#include "document/AreaEditCommand.h"

#include "document/ImageMapDoc.h"

AreaEditCommand::AreaEditCommand(CImageMapDoc& doc, int index, const PictureArea& before,
                                 const PictureArea& after, const QString& text, bool nudge)
    : QUndoCommand(text), m_doc(doc), m_index(index), m_before(before), m_after(after),
      m_nudge(nudge), m_time(std::chrono::steady_clock::now()) {}

void AreaEditCommand::redo() {
    m_doc.applyAreaPicture(m_index, m_after);
}

void AreaEditCommand::undo() {
    m_doc.applyAreaPicture(m_index, m_before);
}

// The stack offers the next nudge while this one is the latest step (and
// not the saved one); a nudge of the same area without a pause joins it. The
// merged step goes from where the first nudge started to where the last
// one ended, and vanishes when they cancel out.
bool AreaEditCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const AreaEditCommand*>(other);
    if (!next || !m_nudge || !next->m_nudge || next->m_index != m_index ||
        next->m_time - m_time > kNudgePause)
        return false;
    m_after = next->m_after;
    m_time = next->m_time;
    setObsolete(m_after == m_before);
    return true;
}

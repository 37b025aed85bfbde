#include "document/AreaGroupEditCommand.h"

#include "document/AreaEditCommand.h"
#include "document/ImageMapDoc.h"

AreaGroupEditCommand::AreaGroupEditCommand(CImageMapDoc& doc, std::vector<Change> changes,
                                           const QString& text, bool nudge)
    : QUndoCommand(text), m_doc(doc), m_changes(std::move(changes)), m_nudge(nudge),
      m_time(std::chrono::steady_clock::now()) {}

void AreaGroupEditCommand::redo() {
    for (const Change& c : m_changes)
        m_doc.applyAreaPicture(c.index, c.after);
}

void AreaGroupEditCommand::undo() {
    for (auto c = m_changes.rbegin(); c != m_changes.rend(); ++c)
        m_doc.applyAreaPicture(c->index, c->before);
}

// The next nudge joins this one when it moves the same areas without a
// pause; the step vanishes when the nudges cancel out.
bool AreaGroupEditCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const AreaGroupEditCommand*>(other);
    if (!next || !m_nudge || !next->m_nudge || next->m_changes.size() != m_changes.size() ||
        next->m_time - m_time > AreaEditCommand::kNudgePause)
        return false;
    for (std::size_t i = 0; i < m_changes.size(); ++i) {
        if (next->m_changes[i].index != m_changes[i].index)
            return false;
    }
    bool same = true;
    for (std::size_t i = 0; i < m_changes.size(); ++i) {
        m_changes[i].after = next->m_changes[i].after;
        same = same && m_changes[i].after == m_changes[i].before;
    }
    m_time = next->m_time;
    setObsolete(same);
    return true;
}

#include "document/AreaInsertCommand.h"

#include "document/ImageMapDoc.h"

AreaInsertCommand::AreaInsertCommand(CImageMapDoc& doc, Kind kind, int index,
                                     std::unique_ptr<MapArea> area, const QString& text,
                                     QUndoCommand* parent)
    : QUndoCommand(text, parent), m_doc(doc), m_kind(kind), m_index(index),
      m_first(std::move(area)) {
    if (m_first)
        m_area = m_first->picture();
    else if (const MapArea* a = doc.area(index))
        m_area = a->picture();
}

AreaInsertCommand::~AreaInsertCommand() = default;

void AreaInsertCommand::insert() {
    std::unique_ptr<MapArea> area = m_first ? std::move(m_first) : m_doc.areaOf(m_area);
    m_doc.insertAreaAt(m_index, std::move(area));
}

void AreaInsertCommand::remove() {
    m_doc.takeAreaAt(m_index);
}

void AreaInsertCommand::redo() {
    m_kind == Kind::Insert ? insert() : remove();
}

void AreaInsertCommand::undo() {
    m_kind == Kind::Insert ? remove() : insert();
}

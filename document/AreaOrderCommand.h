#pragma once

#include <QUndoCommand>

class CImageMapDoc;

// One area taking another place in the map's order (Bring to Front, Send
// to Back): the areas in between shift by one.
class AreaOrderCommand : public QUndoCommand {
public:
    // A parent makes it one part of a step over several areas.
    AreaOrderCommand(CImageMapDoc& doc, int from, int to, const QString& text,
                     QUndoCommand* parent = nullptr)
        : QUndoCommand(text, parent), m_doc(doc), m_from(from), m_to(to) {}

    void redo() override;
    void undo() override;

private:
    CImageMapDoc& m_doc;
    int m_from;
    int m_to;
};

#pragma once

#include <QUndoCommand>

class CImageMapDoc;

// One area taking another place in the map's order (Bring to Front, Send
// to Back): the areas in between shift by one.
class AreaOrderCommand : public QUndoCommand {
public:
    AreaOrderCommand(CImageMapDoc& doc, int from, int to, const QString& text)
        : QUndoCommand(text), m_doc(doc), m_from(from), m_to(to) {}

    void redo() override;
    void undo() override;

private:
    CImageMapDoc& m_doc;
    int m_from;
    int m_to;
};

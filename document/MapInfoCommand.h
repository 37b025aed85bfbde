#pragma once

#include "model/MapInfo.h"

#include <QUndoCommand>

class CImageMapDoc;

// New map information (Edit Map Info, the title asked for on save): the
// information before and after. The save date and the read-only flag are
// not the user's edits and stay as they are.
class MapInfoCommand : public QUndoCommand {
public:
    MapInfoCommand(CImageMapDoc& doc, const MapInfo& before, const MapInfo& after,
                   const QString& text)
        : QUndoCommand(text), m_doc(doc), m_before(before), m_after(after) {}

    void redo() override;
    void undo() override;

private:
    CImageMapDoc& m_doc;
    MapInfo m_before;
    MapInfo m_after;
};

#pragma once

#include "model/PictureArea.h"

#include <QUndoCommand>

#include <memory>

class CImageMapDoc;
class MapArea;

// One area coming into the map at an index or leaving it: drawing, paste,
// delete and cut, and the undoing of each.
class AreaInsertCommand : public QUndoCommand {
public:
    enum class Kind { Insert, Remove };

    // Insert: redo puts the area at index (the first redo puts the given
    // MapArea itself there, as the tool made it). Remove: redo takes the
    // area at index out.
    // A parent makes it one part of a step over several areas.
    AreaInsertCommand(CImageMapDoc& doc, Kind kind, int index, std::unique_ptr<MapArea> area,
                      const QString& text, QUndoCommand* parent = nullptr);
    ~AreaInsertCommand() override;

    void redo() override;
    void undo() override;

private:
    void insert();
    void remove();

    CImageMapDoc& m_doc;
    Kind m_kind;
    int m_index;
    PictureArea m_area;
    std::unique_ptr<MapArea> m_first; // the area of the first insert
};

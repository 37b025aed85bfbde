#pragma once

#include "document/ImageMapDoc.h"

#include <QUndoCommand>

#include <vector>

// Change Image: the picture of the map exchanged, with the areas it clipped
// when the user agreed to clip them. The decoded pictures before and after
// are shared, never copied.
class PictureCommand : public QUndoCommand {
public:
    PictureCommand(CImageMapDoc& doc, CImageMapDoc::PictureState before,
                   CImageMapDoc::PictureState after, const QString& text)
        : QUndoCommand(text), m_doc(doc), m_before(std::move(before)), m_after(std::move(after)) {}

    // The areas before and after the clipping the new picture brought.
    void setClipping(std::vector<PictureArea> before, std::vector<PictureArea> after) {
        m_areasBefore = std::move(before);
        m_areasAfter = std::move(after);
        m_clips = true;
    }

    void redo() override;
    void undo() override;

private:
    CImageMapDoc& m_doc;
    CImageMapDoc::PictureState m_before;
    CImageMapDoc::PictureState m_after;
    bool m_clips = false;
    std::vector<PictureArea> m_areasBefore;
    std::vector<PictureArea> m_areasAfter;
};

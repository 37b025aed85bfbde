#pragma once

#include "model/PictureArea.h"

#include <QUndoCommand>

#include <vector>

class CImageMapDoc;

// Many areas changed at once (Create Guides, Clip Areas to Image, deleting
// them all): one step holding the whole list before and after, in picture
// pixels, rather than a step per area.
class AreaReplaceCommand : public QUndoCommand {
public:
    AreaReplaceCommand(CImageMapDoc& doc, std::vector<PictureArea> before,
                       std::vector<PictureArea> after, const QString& text)
        : QUndoCommand(text), m_doc(doc), m_before(std::move(before)), m_after(std::move(after)) {}

    void redo() override;
    void undo() override;

private:
    CImageMapDoc& m_doc;
    std::vector<PictureArea> m_before;
    std::vector<PictureArea> m_after;
};

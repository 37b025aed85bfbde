#pragma once

#include "model/PictureArea.h"

#include <QUndoCommand>

#include <chrono>
#include <vector>

class CImageMapDoc;

// One change of several areas' geometry or texts at once (a group moved,
// nudged or arranged, texts set over several areas), kept as each area
// before and after in picture pixels. Nudges of the same areas merge into
// one step while they follow each other without a pause, as one area's do.
class AreaGroupEditCommand : public QUndoCommand {
public:
    struct Change {
        int index = -1;
        PictureArea before;
        PictureArea after;
    };
    static constexpr int kNudgeId = 2;

    AreaGroupEditCommand(CImageMapDoc& doc, std::vector<Change> changes, const QString& text,
                         bool nudge);

    void redo() override;
    void undo() override;
    int id() const override { return m_nudge ? kNudgeId : -1; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    CImageMapDoc& m_doc;
    std::vector<Change> m_changes;
    bool m_nudge;
    std::chrono::steady_clock::time_point m_time; // of the latest nudge
};

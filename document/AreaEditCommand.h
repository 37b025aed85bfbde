#pragma once

#include "model/PictureArea.h"

#include <QUndoCommand>

#include <chrono>

class CImageMapDoc;

// One change of one area's geometry or texts (a drag, a vertex inserted or
// deleted, Area Settings, a URL drop, a nudge), kept as the area before and
// after in picture pixels. Nudges of the same area merge into one step
// while they follow each other without a pause.
class AreaEditCommand : public QUndoCommand {
public:
    static constexpr int kNudgeId = 1;
    // The longest pause between two nudges of one step (a held arrow key
    // repeats every few tens of milliseconds; taps come a few a second).
    static constexpr std::chrono::milliseconds kNudgePause{1000};

    AreaEditCommand(CImageMapDoc& doc, int index, const PictureArea& before,
                    const PictureArea& after, const QString& text, bool nudge);

    void redo() override;
    void undo() override;
    int id() const override { return m_nudge ? kNudgeId : -1; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    CImageMapDoc& m_doc;
    int m_index;
    PictureArea m_before;
    PictureArea m_after;
    bool m_nudge;
    std::chrono::steady_clock::time_point m_time; // of the latest nudge
};

#pragma once

#include "model/AreaSelection.h"
#include "model/PixelRect.h"
#include "view/ViewInteraction.h"

#include <QRect>

#include <memory>

class ToolHost;

// The selection rectangle of the arrow tool: a drag that starts outside
// every area draws a dashed rectangle, and every area whose box lies wholly
// inside it (in picture pixels, the pixel under the mouse included) is
// selected while the mouse moves, added to the areas that were selected at
// the press (Shift) or alone. Cancelling puts the selection at the press
// back.
class SelectionBand : public ViewInteraction {
public:
    static std::unique_ptr<SelectionBand> begin(ToolHost& host, QPoint press,
                                                const AreaSelection& kept);
    ~SelectionBand() override;

    void move(QPoint at, Qt::KeyboardModifiers modifiers) override;
    void release(QPoint at) override;
    void cancel() override;

    // The band in picture pixels.
    PixelRect pictureRect() const;

private:
    SelectionBand(ToolHost& host, QPoint press, const AreaSelection& kept);
    QRect windowBand() const;
    void repaintFeedback() const;
    void select();
    void end();

    ToolHost& m_host;
    QPoint m_press; // window points
    QPoint m_now;
    AreaSelection m_kept;
    bool m_ended = false;
};

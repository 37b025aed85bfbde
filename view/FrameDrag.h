#pragma once

#include "view/AreaGeometry.h"
#include "view/FrameGeometry.h"
#include "view/ViewInteraction.h"

#include <QRect>

#include <memory>
#include <optional>

class ToolHost;

// Dragging a handle or the body of a rectangle or circle, or drawing a new
// rectangle (its bottom-right corner follows the mouse from the snapped
// press point), in picture pixels by FrameGeometry's rules. The outline
// follows the mouse; on the same mouse event the dimensions pane shows the
// width and height (how far the area has moved, for a body drag) and the
// message pane whether Shift is held and what it does. The release changes the area in
// one document operation (adds the new one) when the rectangle differs from
// where it started and is not empty; a new area is then selected and, with
// "Area Prompt" on, Edit Area Info is posted. Cancelling leaves all as it
// was.
class FrameDrag : public ViewInteraction {
public:
    // Handle or body (AreaHit code) of area index.
    static std::unique_ptr<FrameDrag> reshape(ToolHost& host, int index, int handle, QPoint press);
    // A new rectangle from the press point.
    static std::unique_ptr<FrameDrag> create(ToolHost& host, QPoint press);
    ~FrameDrag() override;

    void move(QPoint at, Qt::KeyboardModifiers modifiers) override;
    void release(QPoint at) override;
    void cancel() override;

    // Where the drag has the rectangle now (picture pixels).
    const PixelRect& now() const { return m_now; }

private:
    FrameDrag(ToolHost& host, int index, AreaShape shape, const FrameGeometry& geometry);
    QRect feedbackRect() const;
    // Schedules the repaint of the outline where it is now.
    void repaintFeedback() const;
    void showDimensions() const;
    // The drag's prompt, or what Shift does while it is held.
    void showPrompt(bool shift);
    void end();

    ToolHost& m_host;
    int m_index; // -1 while drawing a new area
    AreaShape m_shape;
    FrameGeometry m_geometry;
    PixelRect m_now;
    Qt::KeyboardModifiers m_modifiers; // of the last move: Shift squares at the release too
    bool m_ended = false;
    std::optional<bool> m_shiftShown; // whether the prompt shown tells of Shift
};

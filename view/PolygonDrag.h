#pragma once

#include "model/PixelRect.h"
#include "view/ViewInteraction.h"

#include <QPoint>
#include <QPolygon>

#include <memory>
#include <optional>

class ToolHost;

// Dragging a polygon's vertex (a band runs from its two neighbours to the
// snapped mouse point, kept inside the picture) or its body (the whole
// outline follows the travel between the snapped press and mouse points,
// pushed back inside the picture), in picture pixels. The release changes
// the polygon in one document operation when it moved; cancelling leaves
// it as it was.
class PolygonDrag : public ViewInteraction {
public:
    // vertex: the vertex to drag, or -1 for the body.
    static std::unique_ptr<PolygonDrag> begin(ToolHost& host, int index, int vertex, QPoint press);
    ~PolygonDrag() override;

    void move(QPoint at, Qt::KeyboardModifiers modifiers) override;
    void release(QPoint at) override;
    void cancel() override;

    // The outline as the drag has it now (picture pixels).
    const QPolygon& now() const { return m_now; }

private:
    PolygonDrag(ToolHost& host, int index, int vertex, QPoint press);
    QPolygon outlineFrom(const QPolygon& picture) const;
    QRect covering() const;
    // The drag's prompt, or that Shift is held (it changes nothing here).
    void showPrompt(bool shift);
    void end();

    ToolHost& m_host;
    int m_index;
    int m_vertex;
    QPoint m_press;     // picture pixels
    QPolygon m_start;   // vertices at the press
    QPolygon m_now;     // vertices now
    PixelRect m_bounds; // the picture, far edges included
    bool m_ended = false;
    std::optional<bool> m_shiftShown; // whether the prompt shown tells of Shift
};

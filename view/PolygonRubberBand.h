#pragma once

#include "model/MapArea.h"
#include "view/ViewInteraction.h"

#include <QList>
#include <QPoint>
#include <QRect>

#include <memory>

class ToolHost;

// Drawing a new polygon click by click, in picture pixels. The snapped
// press point is the first vertex, with a 5 x 5 closing box around it. Each
// further click adds the snapped point (kept inside the picture) unless it
// equals the last vertex, up to the polygon's limit of vertices. A line follows the mouse
// from the last vertex; the position pane shows its start and the
// dimensions pane its extent. A click in the closing box or on the last
// vertex, or a double-click, ends the polygon: with three vertices or more
// it is added (selected, Edit Area Info posted with "Area Prompt" on),
// with fewer it is discarded, as by Esc or the right button.
class PolygonRubberBand : public ViewInteraction {
public:
    static constexpr int kClosingBox = 5;

    static std::unique_ptr<PolygonRubberBand> begin(ToolHost& host, QPoint press);
    ~PolygonRubberBand() override;

    void move(QPoint at, Qt::KeyboardModifiers modifiers) override;
    void release(QPoint at) override;
    void cancel() override;
    void press(QPoint at, Qt::KeyboardModifiers modifiers) override;
    void doubleClick(QPoint at) override;
    bool done() const override { return m_ended; }

    const QList<QPoint>& vertices() const { return m_vertices; }

private:
    PolygonRubberBand(ToolHost& host, QPoint first);
    bool inClosingBox(QPoint window, QPoint picture) const;
    QRect bandCovering() const;
    void finish();
    void end();

    ToolHost& m_host;
    QList<QPoint> m_vertices; // picture pixels
    QPoint m_mouse;           // the band's end, picture pixels
    bool m_ended = false;
};

#pragma once

#include "model/PixelRect.h"
#include "view/ViewInteraction.h"

#include <memory>

class ToolHost;

// Drawing a new circle: a cross marks the centre (the snapped press
// point); the radius is the distance to the mouse in picture pixels,
// rounded down and kept so that the circle stays inside the picture; the
// outline follows while the radius is above 2. A release with a radius
// above 2 adds the circle as the square centre +- radius (selected, and
// Edit Area Info posted with "Area Prompt" on); a smaller one adds nothing.
class CircleCreation : public ViewInteraction {
public:
    static constexpr int kMinRadius = 3;

    static std::unique_ptr<CircleCreation> begin(ToolHost& host, QPoint press);
    ~CircleCreation() override;

    void move(QPoint at, Qt::KeyboardModifiers modifiers) override;
    void release(QPoint at) override;
    void cancel() override;

    int radius() const { return m_radius; }
    PixelRect square() const;

private:
    CircleCreation(ToolHost& host, QPoint centre);
    QRect feedbackCovering() const;
    void end();

    ToolHost& m_host;
    QPoint m_centre; // picture pixels
    int m_radius = 0;
    bool m_ended = false;
};

#pragma once

#include "model/PixelRect.h"
#include "view/ViewInteraction.h"

#include <QPoint>
#include <QRect>

#include <memory>
#include <vector>

class ToolHost;

// Dragging the bodies of several selected areas together: the boxes of the
// areas follow the mouse by the same travel in picture pixels (snapped as
// a single area's body is), the whole group stopping where its box would
// leave the picture, its shape kept. The release moves them all as one
// step ("Move 5 Areas"); cancelling leaves all as it was. A click that
// never moved selects the pressed area alone. The feedback is
// each area's box, or for more than kOutlinedAreas the group's box alone,
// so that a move of a thousand areas repaints only four strips.
class GroupDrag : public ViewInteraction {
public:
    static constexpr int kOutlinedAreas = 64;

    // areas: the selected areas; pressed: the one under the press.
    static std::unique_ptr<GroupDrag> begin(ToolHost& host, std::vector<int> areas, int pressed,
                                            QPoint press);
    ~GroupDrag() override;

    void move(QPoint at, Qt::KeyboardModifiers modifiers) override;
    void release(QPoint at) override;
    void cancel() override;

    // The travel so far, in picture pixels.
    QPoint travel() const { return m_travel; }

private:
    GroupDrag(ToolHost& host, std::vector<int> areas, int pressed, QPoint press);
    void repaintFeedback() const;
    void end();

    ToolHost& m_host;
    std::vector<int> m_areas;
    int m_pressed;
    bool m_moved = false;           // the mouse left the pressed pixel
    std::vector<PixelRect> m_boxes; // outlined, at the press
    PixelRect m_group;              // the group's box at the press
    QPoint m_press;                 // picture point
    QPoint m_travel;
    bool m_ended = false;
};

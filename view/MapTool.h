#pragma once

#include "view/AreaGeometry.h"

#include <QPoint>
#include <Qt>

#include <memory>

class ToolHost;
class ViewInteraction;

// One tool of the map view, over the narrow ToolHost interface. The view
// keeps one object per tool and hands the current one its presses and the
// mouse's rests; the tool answers with the interaction a press starts and
// the cursor to show.
//
// What every tool shares: the hit search. Areas are searched from the
// front (index 0), or with Shift from the back; the first hit that counts
// wins. A body hit counts only for the arrow tool or with Ctrl held, so
// that a drawing tool can start a new area inside another one; handles and
// vertices always count. A counted hit starts the drag of that handle,
// vertex or body; elsewhere a drawing tool starts a new area when the
// press lies on the picture and the map is not full.
class MapTool {
public:
    struct Hit {
        int index = -1;
        int code = AreaHit::Miss;
        int vertex = -1;
        bool found() const { return index >= 0; }
    };

    explicit MapTool(ToolHost& host) : m_host(host) {}
    virtual ~MapTool() = default;

    Hit hitAt(QPoint window, Qt::KeyboardModifiers modifiers) const;
    // A left press on an editable map: clears selection, flyby and tip (the
    // arrow tool selects the area it hits) and gives the interaction the
    // press starts, or null. The arrow tool works on several areas: a press
    // on a selected area while several are selected drags them all; Shift
    // adds the area under the press to the selection or takes it out (on
    // the body of the one selected area it still reaches the area behind);
    // a press on no area starts a selection rectangle (with Shift adding to
    // the selection).
    std::unique_ptr<ViewInteraction> press(QPoint window, Qt::KeyboardModifiers modifiers);
    // The mouse rests at a window point with no button down: sets flyby and
    // tip (the arrow tool) and gives the cursor to show (ProgramCursors id;
    // 0 for the standard arrow).
    int hover(QPoint window, Qt::KeyboardModifiers modifiers);
    // The cursor of a hit code.
    static int cursorFor(int code);

    virtual bool isArrow() const { return false; }

protected:
    // A drawing tool's new area from a press on the picture.
    virtual std::unique_ptr<ViewInteraction> draw(QPoint window) = 0;
    // The cursor over no area.
    virtual int idleCursor() const = 0;

    ToolHost& m_host;

private:
    std::unique_ptr<ViewInteraction> arrowPress(QPoint window, Qt::KeyboardModifiers modifiers);
    std::unique_ptr<ViewInteraction> dragFor(const Hit& hit, QPoint window);
};

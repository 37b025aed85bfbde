#pragma once

#include "model/AreaSelection.h"
#include "model/MapArea.h"
#include "model/ZoomLevel.h"
#include "view/AreaGeometry.h"
#include "view/GridSnap.h"
#include "view/ViewMapping.h"

#include <QPoint>
#include <QRect>

#include <functional>
#include <memory>
#include <vector>

class CImageMapDoc;
class QPainter;
class StatusPanes;

// What the tools and their interactions see of the map view: the
// transform, the document, selection and flyby, the feedback painter and
// its repaint, the grid snap, the status panes and posting a command. The
// map view implements it; tests implement it without a window.
class ToolHost {
public:
    virtual ~ToolHost() = default;

    virtual CImageMapDoc* document() const = 0;
    virtual ZoomLevel zoom() const = 0;
    virtual QPoint scrollPosition() const = 0;
    ViewMapping mapping() const { return {zoom(), scrollPosition()}; }
    // Area index as the window shows it: the view answers from its cache,
    // others derive it from the document's area.
    virtual AreaGeometry geometryOf(int index) const;
    // The hit test of area index at a window point.
    virtual AreaGeometry::Hit hitArea(int index, QPoint window) const {
        return geometryOf(index).hitTest(window);
    }
    // The areas a hit test at a window point can find, in map order: those
    // whose box, grown by the reach of handles, holds the point. Every area
    // here; the view answers from its spatial index.
    virtual std::vector<int> areasNear(QPoint window) const;
    // The part of the window the view shows (its viewport's rectangle).
    virtual QRect windowRect() const = 0;

    // The key area of the selection (-1: none); setSelected selects one
    // area alone.
    virtual int selected() const = 0;
    virtual void setSelected(int index) = 0;
    // Every selected area, the key area first. A host that selects one area
    // only answers with that one and keeps the key of what it is given.
    virtual AreaSelection selection() const {
        AreaSelection s;
        s.add(selected());
        return s;
    }
    virtual void setSelection(const AreaSelection& selection) { setSelected(selection.key()); }
    virtual int flyby() const = 0;
    virtual void setFlyby(int index) = 0;
    // The mouse rests on area index at window point at (-1: on none): the
    // view restarts the area's tip.
    virtual void areaTip(int index, QPoint at) = 0;

    // Drawn last in every paint, over everything; repaint its old and new
    // places after changing it.
    virtual void setFeedbackPainter(std::function<void(QPainter&)> paint) = 0;
    virtual void repaintWindowRect(const QRect& rect) = 0;
    virtual StatusPanes* statusPanes() const = 0;
    // Runs a command through the command chain once the event in progress
    // is over (Edit Area Info after drawing).
    virtual void postCommand(CommandId id) = 0;
    // The snap grid drags go by.
    virtual GridSnap gridSnap() const { return GridSnap::current(); }

    // Adds an area a tool drew (one document operation, the step "Draw
    // Area" or the one named by the string id stepName); with "Area Prompt"
    // on selects it and posts Edit Area Info. Its index, -1 when the map
    // took none.
    int addDrawnArea(std::unique_ptr<MapArea> area, int stepName = 0);
    // The interaction in progress ended on its own, outside the view's
    // mouse and key events (a trace that came back refused, or accepted
    // once it came back): the view drops it once the event in progress is
    // over.
    virtual void interactionEnded() {}
    // A slow trace: the wait cursor over the view (true) until it is done.
    virtual void showWaitCursor(bool /*wait*/) {}
    // An interaction is over: drops its feedback painter and clears the
    // prompt and dimensions it showed. The interaction then repaints where
    // its feedback was.
    void endInteraction();

    // The picture pixel under a window point (ViewMapping) and the window
    // point of a picture pixel's corner.
    QPoint pictureAt(QPoint window) const { return mapping().pictureAt(window); }
    QPoint windowAt(QPoint picture) const { return mapping().windowAt(picture); }
    // The snapped picture point under a window point, kept inside the
    // picture (points may lie on its far edges).
    QPoint snappedPictureAt(QPoint window) const;
    QRect windowRectOf(const PixelRect& picture) const { return mapping().windowRectOf(picture); }
};

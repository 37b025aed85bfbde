#pragma once

#include "document/ImageMapDoc.h"
#include "model/AreaBoxIndex.h"
#include "model/CommandTarget.h"
#include "model/PastePosition.h"
#include "model/PixelRect.h"
#include "view/AreaGeometry.h"
#include "view/AreaLayer.h"
#include "view/AreaStyle.h"
#include "view/PictureStretch.h"
#include "view/ToolHost.h"
#include "view/ToolZoomState.h"

#include <QAbstractScrollArea>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class MapTool;
class StatusPanes;
class ViewInteraction;

// The editing view of one map: the document's picture at one of the zoom
// levels 1:16 to 16:1 (ZoomLevel), scrolled, with the snap grid and the
// areas drawn over it.
//
// Coordinates: ViewMapping's, from this view's zoom and scroll position;
// the scroll range is the zoomed picture's size. The areas stay in picture
// pixels in the document; the view keeps each one's window geometry
// (AreaGeometry: box, outline, handles) in a cache of its own, built again
// for every area when the zoom or the scroll position changes and for one
// area when the document says it changed.
//
// Painting touches only what is exposed: the part of the stretched picture
// that shows, the patterned background with its frame outside a small
// picture, the grid, each area in array order (later ones over earlier
// ones) and, last, the feedback a tool draws inverted. The areas are kept
// drawn in a layer of their own (AreaLayer), so that a paint draws again
// only the areas whose pixels changed. Scrolling moves what is already
// painted and paints only the uncovered strip. The document's signals
// repaint exactly what they name.
//
// Selection and flyby (the area under the mouse) are view state, -1 for
// none; the tools and the area list set them. The view takes the zoom
// commands (Zoom In, Zoom Out, Zoom To n:1) as the first link of the command
// chain.
//
// Mouse interaction goes through the current tool (one MapTool object per
// tool, over the ToolHost interface this view implements), and runs as one
// ViewInteraction at a time: a press starts it, moves and the release go to
// it, and Esc, a right press, the loss of the focus, hiding the view, a
// change of zoom or of tool cancel it. Ctrl with a left press on a shown
// grid's line drags the grid's spacing (GridLineDrag). While the mouse is
// over the picture the cursor position pane shows its picture pixel.
//
// The view also takes the keys (arrow-key nudges, Delete, Esc, Tab and
// Shift+Tab), the clipboard commands, Insert and Delete Point, its context
// menus (which the window builds from its actions) and URL drops. A
// read-only map takes no edits; hovering, tips, Tab and Copy still work.
class CImageMapView : public QAbstractScrollArea, public CommandTarget, public ToolHost {
    Q_OBJECT

public:
    // The document must outlive the view; panes may be null (no status
    // bar) and can be set later. toolZoom is the map window's tool and zoom
    // (its map toolbar's), which must outlive the view; without one the
    // view keeps a state of its own.
    explicit CImageMapView(CImageMapDoc* document, StatusPanes* panes = nullptr,
                           QWidget* parent = nullptr, ToolZoomState* toolZoom = nullptr);
    ~CImageMapView() override;

    CImageMapDoc* document() const override { return m_doc; }
    void setStatusPanes(StatusPanes* panes) { m_panes = panes; }

    // --- tool and zoom ------------------------------------------------------
    // The current tool and zoom of this map window. Change the zoom through
    // setZoom so that the view follows.
    const ToolZoomState& toolZoom() const { return *m_toolZoom; }
    // The zoom the view is laid out and painted at.
    ZoomLevel zoom() const override { return m_zoom; }
    // As the Zoom To commands: keeps the picture point at window point
    // anchor (the window's centre without one) where it was, recomputes
    // the scroll range and the areas' window geometry, repaints, and writes
    // the zoom pane.
    void setZoom(ZoomLevel zoom, std::optional<QPoint> anchor = std::nullopt);
    // Zoom to Fit: the largest level at which the whole picture fits the
    // window without scroll bars.
    ZoomLevel fittingZoom() const;

    // The first showing of the document's window: a picture larger than
    // the window opens at Zoom to Fit; with "MaximizeOnOpen" and
    // "ZoomToFit" on, a picture narrower and lower than the window zooms to
    // min(window width / picture width, window height / picture height, 8):1
    // when that is above 1. Runs once; later calls do nothing. The view
    // queues it when it is first shown, so a frame that maximises itself
    // while showing is measured maximised; a frame that settles its size
    // later calls it itself once it has.
    void applyFirstShow();
    bool firstShowDone() const { return m_firstShowDone; }

    // --- coordinates ------------------------------------------------------------
    QPoint scrollPosition() const override;
    // Scrolls to a position (clamped to the scroll range).
    void setScrollPosition(QPoint position);
    // The picture's size at the zoom; empty without a picture.
    QSize scaledImageSize() const;
    // Where the scaled picture lies in the window.
    QRect imageRectInWindow() const;
    QPoint windowToImage(QPoint window) const;
    QPoint imageToWindow(QPoint image) const;

    // --- selection and flyby ------------------------------------------------------
    // The key area of the selection (the first one selected), -1 for none.
    int selected() const override { return m_selection.key(); }
    int flyby() const override { return m_flyby; }
    // Each repaints the areas that lose the state and those that gain it;
    // an index outside the document's areas means none. setSelected selects
    // one area alone.
    void setSelected(int index) override;
    // Every selected area, the key area first (ImageMapViewSelection.cpp).
    AreaSelection selection() const override { return m_selection; }
    const AreaSelection& currentSelection() const { return m_selection; }
    void setSelection(const AreaSelection& selection) override;
    // Edit > Select All: every area, the first as the key area.
    void selectAll();
    void setFlyby(int index) override;
    // Selects area index and scrolls it into the window (no farther than it
    // needs) when it is not wholly shown.
    void revealArea(int index);
    // Flyby over selected over normal.
    AreaDrawState drawState(int index) const;

    // --- for the tools ------------------------------------------------------------------
    // Area index as the window shows it now (from the cache).
    AreaGeometry geometryOf(int index) const override;
    AreaGeometry::Hit hitArea(int index, QPoint window) const override;
    std::vector<int> areasNear(QPoint window) const override;
    // Schedules a repaint of what area index paints (its extent).
    void repaintArea(int index);
    void repaintWindowRect(const QRect& rect) override;
    QRect windowRect() const override;
    // Restarts the tip of the area under the mouse (125 ms): the prompt
    // pane shows its number, kind and URL, and with "ShowAreaTips" a tool
    // tip its URL. -1 removes it.
    void areaTip(int index, QPoint at) override;
    // Edit Area Info after drawing goes through the window's command chain
    // when it set a poster; without one the document's dialog opens.
    void postCommand(CommandId id) override;
    void setCommandPoster(std::function<void(CommandId id)> poster) {
        m_poster = std::move(poster);
    }
    // Context menus 150 to 155 by what lies under the point (menuId, the
    // global point to open at); the window builds them from its actions.
    void setContextMenuHandler(std::function<void(int menuId, QPoint global)> handler) {
        m_contextMenu = std::move(handler);
    }
    // The menu a right press at a window point opens (150 to 155), taking
    // note of the polygon point or edge under it for Insert and Delete
    // Point; with the arrow tool an area under it becomes selected.
    int contextMenuAt(QPoint window);
    // Drawn last in every paint, with each pixel it touches inverted
    // (QPainter::RasterOp_NotDestination): drag outlines and rubber bands.
    // Repaint the old and new places of the feedback after changing it.
    void setFeedbackPainter(std::function<void(QPainter&)> paint) override;
    // The view's share of the document's enable rules (selection); the
    // clipboard flag is left for the caller to fill.
    CImageMapDoc::CommandContext commandContext() const;

    // --- commands ------------------------------------------------------------------------
    bool onCommand(CommandId id) override;
    bool onUpdateCommand(CommandId id, CommandState& state) override;

    // Application-wide drawing settings (grid, colours, fill, handles) or
    // the window's zoom may have changed: rebuilds the shared pens and
    // brushes when they are out of date, lays the areas out again with the
    // handle size, follows the tool-and-zoom state's zoom, and repaints. Every
    // view runs it on Settings::notifier()'s changed().
    void settingsChanged();

    // --- interaction -----------------------------------------------------------------
    // The interaction in progress, or null.
    ViewInteraction* interaction() const { return m_interaction.get(); }
    // Ends the interaction in progress as cancelled (Esc, right press, focus
    // lost); nothing when none runs.
    void cancelInteraction();
    StatusPanes* statusPanes() const override { return m_panes; }
    // A trace that ended on its own, and its wait cursor (TraceProposal).
    void interactionEnded() override;
    void showWaitCursor(bool wait) override;
    // The current tool's object.
    MapTool& currentTool() const;
    // Arrow keys: moves the selected areas by d picture pixels, the group
    // kept inside the picture; false when nothing moved.
    bool nudgeSelected(QPoint d);
    // Delete (cut: Cut, once copied) of every selected area.
    void deleteSelected(bool cut = false);
    const PastePosition& pastePosition() const { return m_pastePosition; }

    QSize sizeHint() const override;

signals:
    void zoomChanged(ZoomLevel zoom);
    // The selection changed; index is its key area (-1: none).
    void selectionChanged(int index);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // Document notices.
    void onAreaAdded(int index);
    void onAreaRemoved(int index);
    void onAreaChanged(int index);
    void onAreaMoved(int from, int to);
    void onAllChanged(int hint);

    void updateScrollRange();
    AreaGeometry layOut(int index) const;
    const AreaGeometry* cached(int index) const;
    PixelRect indexBox(int index) const;
    // Every area's window geometry anew, and the layer of drawn areas.
    void layOutAll();
    void repaintExtent(const PixelRect& extent);
    QPoint hatchOrigin() const;
    // Mouse (ImageMapViewMouse.cpp).
    void showPositionAt(QPoint window);
    void updateCursor(QPoint window, Qt::KeyboardModifiers modifiers);
    void setCursorId(int id);
    void leftPress(QPoint at, Qt::KeyboardModifiers modifiers);
    void endInteractionIfDone();
    bool toolKey(QKeyEvent* event);
    void tabTo(bool next);
    void showTip();
    // Tools (ImageMapViewTools.cpp) and editing (ImageMapViewEdit.cpp).
    void onToolChanged();
    bool editCommand(CommandId id);
    bool editCommandState(CommandId id, CommandState& state);
    void copySelected();
    void paste();
    // Select All, Delete, Bring to Front, Send to Back and Arrange over the
    // selection (ImageMapViewSelection.cpp).
    bool selectionCommand(CommandId id);
    bool selectionCommandState(CommandId id, CommandState& state);
    // Follows the selection after a document notice renumbered it.
    void selectionRenumbered(const AreaSelection& before);
    void insertPoint();
    void deletePoint();
    bool canInsertPoint() const;

    // Painting (ImageMapViewPaint.cpp).
    void paintBackground(QPainter& painter, const QRegion& exposed, const QRect& picture);
    void paintFrame(QPainter& painter, const QRect& picture);
    void paintPicture(QPainter& painter, const QRect& part);
    void paintAreas(QPainter& painter, const QRegion& exposed);

    CImageMapDoc* m_doc;
    StatusPanes* m_panes;
    std::unique_ptr<ToolZoomState> m_ownToolZoom;
    ToolZoomState* m_toolZoom;
    ZoomLevel m_zoom;
    // The window geometry of every area, by index, laid out at scroll
    // position m_laidOutAt.
    std::vector<AreaGeometry> m_geometry;
    QPoint m_laidOutAt;
    // The areas' boxes in picture pixels, for hit tests: kept up to date as
    // single areas change or are added or removed at the end, built again at
    // the next hit test after anything else (renumbering, a new map).
    mutable AreaBoxIndex m_boxIndex;
    mutable bool m_boxIndexStale = true;
    std::unique_ptr<ViewInteraction> m_interaction;
    AreaSelection m_selection;
    int m_flyby = -1;
    int m_cursorId = 0; // the program cursor the viewport shows; 0 for its own
    bool m_firstShowDone = false;
    bool m_firstShowQueued = false;
    bool m_relayout = false; // scroll position changes while zooming: repainted whole after
    std::function<void(QPainter&)> m_feedback;
    PictureStretch m_stretch;
    AreaLayer m_layer;
    std::array<std::unique_ptr<MapTool>, 5> m_tools; // by ToolZoomState::Tool
    std::function<void(CommandId)> m_poster;
    std::function<void(int, QPoint)> m_contextMenu;
    PastePosition m_pastePosition;
    // What the last right press found for Insert and Delete Point.
    struct PointTarget {
        int area = -1;
        int vertex = -1; // Delete Point
        int edge = -1;   // Insert Point, after this vertex
        QPoint at;       // window point
    } m_pointTarget;
    QTimer m_tipTimer;
    QPoint m_tipAt;
    int m_tipArea = -1;
};

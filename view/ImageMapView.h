#pragma once

#include "document/ImageMapDoc.h"
#include "model/CommandTarget.h"
#include "model/PixelRect.h"
#include "view/AreaStyle.h"
#include "view/PictureStretch.h"
#include "view/ToolZoomState.h"

#include <QAbstractScrollArea>

#include <functional>
#include <memory>

class StatusPanes;
class ViewInteraction;

// The editing view of one map: the document's picture at a whole zoom of
// 1:1 to 8:1, scrolled, with the snap grid and the areas drawn over it.
//
// Coordinates: window = image x zoom - scroll position; image = (window +
// scroll) / zoom with integer division. The scroll range is the picture's
// size x zoom. Every area's view geometry (MapArea's scale and origin) is
// kept at this view's zoom and scroll position: recomputed from the image
// geometry when the zoom changes, shifted when only the scroll position or
// the window size changes, so that an area's view rectangle is where it
// shows in the window.
//
// Painting touches only what is exposed: the part of the stretched picture
// that shows, the patterned background with its frame outside a small
// picture, the grid, each area in array order (later ones over earlier
// ones) and, last, the feedback a tool draws inverted. Scrolling moves what
// is already painted and paints only the uncovered strip. The document's
// signals repaint exactly what they name.
//
// Selection and flyby (the area under the mouse) are view state, -1 for
// none; the tools and the area list set them. The view takes the zoom
// commands (Zoom In, Zoom Out, Zoom To n:1) as the first link of the command
// chain.
//
// Mouse interaction runs through one ViewInteraction at a time: a press
// starts it, moves and the release go to it, and Esc, a right press, the
// loss of the focus or hiding the view cancel it. Ctrl with a left press
// on a grid line drags the grid's spacing (GridLineDrag). While the mouse
// is over the picture the cursor position pane shows its picture pixel.
class CImageMapView : public QAbstractScrollArea, public CommandTarget {
    Q_OBJECT

public:
    // The document must outlive the view; panes may be null (no status
    // bar) and can be set later. toolZoom is the map window's tool and zoom
    // (its map toolbar's), which must outlive the view; without one the
    // view keeps a state of its own.
    explicit CImageMapView(CImageMapDoc* document, StatusPanes* panes = nullptr,
                           QWidget* parent = nullptr, ToolZoomState* toolZoom = nullptr);
    ~CImageMapView() override;

    CImageMapDoc* document() const { return m_doc; }
    void setStatusPanes(StatusPanes* panes) { m_panes = panes; }

    // --- tool and zoom ------------------------------------------------------
    // The current tool and zoom of this map window. Change the zoom through
    // setZoom so that the view follows.
    const ToolZoomState& toolZoom() const { return *m_toolZoom; }
    // The zoom the view is laid out and painted at.
    int zoom() const { return m_zoom; }
    // As the command "Zoom To" n:1: clamps to 1..8, keeps the picture point
    // at the window's centre where it was, recomputes the scroll range and
    // the areas' view geometry, repaints, and writes the zoom pane.
    void setZoom(int zoom);

    // The first showing of the document's window: gives every area the
    // picture as its bounds and, with "MaximizeOnOpen" and "ZoomToFit" on,
    // zooms a picture narrower and lower than the window to
    // min(window width / picture width, window height / picture height, 8)
    // when that is above 1. Runs once; later calls do nothing. The view
    // queues it when it is first shown, so a frame that maximises itself
    // while showing is measured maximised; a frame that settles its size
    // later calls it itself once it has.
    void applyFirstShow();
    bool firstShowDone() const { return m_firstShowDone; }

    // --- coordinates ------------------------------------------------------------
    QPoint scrollPosition() const;
    // Scrolls to a position (clamped to the scroll range).
    void setScrollPosition(QPoint position);
    // The picture's size x zoom; empty without a picture.
    QSize scaledImageSize() const;
    // Where the scaled picture lies in the window.
    QRect imageRectInWindow() const;
    QPoint windowToImage(QPoint window) const;
    QPoint imageToWindow(QPoint image) const;

    // --- selection and flyby ------------------------------------------------------
    int selected() const { return m_selected; }
    int flyby() const { return m_flyby; }
    // Each repaints the area that loses the state and the one that gains it;
    // an index outside the document's areas means none.
    void setSelected(int index);
    void setFlyby(int index);
    // Flyby over selected over normal.
    AreaDrawState drawState(int index) const;

    // --- for the tools ------------------------------------------------------------------
    // A new empty area already at this view's zoom and scroll position, with
    // the picture as its bounds, ready to take view coordinates.
    std::unique_ptr<MapArea> makeArea(AreaShape shape) const;
    // Schedules a repaint of what area index paints (its extent).
    void repaintArea(int index);
    void repaintWindowRect(const QRect& rect);
    // Drawn last in every paint, with each pixel it touches inverted
    // (QPainter::RasterOp_NotDestination): drag outlines and rubber bands.
    // Repaint the old and new places of the feedback after changing it.
    void setFeedbackPainter(std::function<void(QPainter&)> paint);
    // The view's share of the document's enable rules (selection, zoom);
    // the clipboard flag is left for the caller to fill.
    CImageMapDoc::CommandContext commandContext() const;

    // --- commands ------------------------------------------------------------------------
    bool onCommand(int id) override;
    bool onUpdateCommand(int id, CommandState& state) override;

    // Application-wide drawing settings (grid, colours, fill, handles) or
    // the window's zoom may have changed: rebuilds the shared pens and
    // brushes when they are out of date, gives every area its handle size
    // again, follows the tool-and-zoom state's zoom, and repaints. Every
    // view runs it on Settings::notifier()'s changed().
    void settingsChanged();

    // --- interaction -----------------------------------------------------------------
    // The interaction in progress, or null.
    ViewInteraction* interaction() const { return m_interaction.get(); }
    // Ends the interaction in progress as cancelled (Esc, right press, focus
    // lost); nothing when none runs.
    void cancelInteraction();
    StatusPanes* statusPanes() const { return m_panes; }

    QSize sizeHint() const override;

signals:
    void zoomChanged(int zoom);
    void selectionChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // Document notices.
    void onAreaAdded(int index);
    void onAreaRemoved(int index, const PixelRect& oldExtent);
    void onAreaChanged(int index, const PixelRect& oldExtent, const PixelRect& newExtent);
    void onAreaMoved(int from, int to);
    void onAllChanged(int hint);

    void updateScrollRange();
    void syncArea(MapArea& area) const;
    void syncAllAreas();
    void boundAreas();
    void repaintExtent(const PixelRect& extent);
    void refreshHandles();
    QPoint hatchOrigin() const;
    // Mouse (ImageMapViewMouse.cpp).
    void showPositionAt(QPoint window);
    void updateCursor(QPoint window, Qt::KeyboardModifiers modifiers);

    // Painting (ImageMapViewPaint.cpp).
    void paintBackground(QPainter& painter, const QRegion& exposed, const QRect& picture);
    void paintFrame(QPainter& painter, const QRect& picture);
    void paintPicture(QPainter& painter, const QRect& part);
    void paintAreas(QPainter& painter, const QRect& exposed);

    CImageMapDoc* m_doc;
    StatusPanes* m_panes;
    std::unique_ptr<ToolZoomState> m_ownToolZoom;
    ToolZoomState* m_toolZoom;
    int m_zoom;
    std::unique_ptr<ViewInteraction> m_interaction;
    int m_selected = -1;
    int m_flyby = -1;
    int m_cursorId = 0; // the program cursor the viewport shows; 0 for its own
    bool m_firstShowDone = false;
    bool m_firstShowQueued = false;
    bool m_relayout = false; // scroll position changes while zooming: repainted whole after
    std::function<void(QPainter&)> m_feedback;
    PictureStretch m_stretch;
};

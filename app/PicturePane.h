#pragma once

#include "app/MapPane.h"

#include <QScrollArea>

class CImageMapDoc;
class StatusPanes;
class ToolZoomState;

// A plain map pane: the document's picture at the window's zoom, without
// areas or tools, for as long as no map view is plugged in.
class PicturePane : public MapPane {
public:
    PicturePane(CImageMapDoc& doc, const ToolZoomState& toolZoom, StatusPanes* panes,
                QWidget* parent = nullptr);

    QWidget* widget() override { return m_scroll; }
    void activated() override;
    void settingsChanged() override;

private:
    QScrollArea* m_scroll;
    class Canvas;
    Canvas* m_canvas;
    const ToolZoomState& m_toolZoom;
    StatusPanes* m_panes;
};

#pragma once

#include "app/frames/MapPane.h"

#include <QPointer>

class CImageMapDoc;
class CImageMapView;
class StatusPanes;
class ToolZoomState;

// The map view as the right pane of a map window: CImageMapView on the
// window's tool and zoom (its map toolbar's ToolZoomState), writing to the
// status panes it is given, first link of the window's command chain (the
// zoom commands).
class MapViewPane : public MapPane {
public:
    // panes: the status panes as this window may write them (null allowed).
    MapViewPane(CImageMapDoc& doc, ToolZoomState& toolZoom, StatusPanes* panes,
                QWidget* parent = nullptr);

    QWidget* widget() override;
    CImageMapView* view() const;
    CommandTarget* commandTarget() override;
    int selectedArea() const override;
    void selectArea(int index) override;
    void selectAreas(const std::vector<int>& indices) override;
    void setSelectionSetListener(std::function<void(const std::vector<int>&)> listener) override;
    void revealArea(int index) override;
    QRect screenRect(int index) const override;
    void setSelectionListener(std::function<void(int index)> listener) override;
    void endFlyby() override;
    void setCommandPoster(std::function<void(CommandId id)> poster) override;
    void setCommandStateListener(std::function<void()> listener) override;
    void setContextMenuHandler(std::function<void(int menuId, QPoint global)> open) override;
    // Writes the zoom pane; position and dimensions start blank.
    void activated() override;
    // Pens and brushes rebuilt when the drawing settings changed, the zoom
    // followed, the view repainted.

private:
    // The window owns the view and may delete it before the pane.
    QPointer<CImageMapView> m_view;
    StatusPanes* m_panes;
};

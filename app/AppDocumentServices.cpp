#include "app/AppDocumentServices.h"

#include "app/AreaListPane.h"
#include "app/LoaderPictureSource.h"
#include "app/MapViewPane.h"

AppDocumentServices::AppDocumentServices(QWidget* parent)
    : m_dialogs(parent), m_pictures(std::make_unique<LoaderPictureSource>(parent)) {}

AppDocumentServices::~AppDocumentServices() = default;

std::unique_ptr<MapPane> AppDocumentServices::createMapPane(CImageMapDoc& doc,
                                                            ToolZoomState& toolZoom,
                                                            StatusPanes* panes, QWidget* parent) {
    return mapViewPane(doc, toolZoom, panes, parent);
}

QWidget* AppDocumentServices::createAreaList(CImageMapDoc& doc, MapPane& mapPane, QWidget* parent) {
    return areaList(doc, mapPane, parent);
}

std::unique_ptr<MapPane> AppDocumentServices::mapViewPane(CImageMapDoc& doc,
                                                          ToolZoomState& toolZoom,
                                                          StatusPanes* panes, QWidget* parent) {
    return std::make_unique<MapViewPane>(doc, toolZoom, panes, parent);
}

QWidget* AppDocumentServices::areaList(CImageMapDoc& doc, MapPane&, QWidget* parent) {
    return new AreaListPane(doc, parent);
}

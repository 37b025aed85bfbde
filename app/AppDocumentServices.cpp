#include "app/AppDocumentServices.h"

#include "app/AreaListPane.h"
#include "app/DirectPictureSource.h"
#include "app/PicturePane.h"

AppDocumentServices::AppDocumentServices(QWidget* parent)
    : m_dialogs(parent), m_pictures(std::make_unique<DirectPictureSource>(parent)) {}

AppDocumentServices::~AppDocumentServices() = default;

std::unique_ptr<MapPane> AppDocumentServices::createMapPane(CImageMapDoc& doc,
                                                            ToolZoomState& toolZoom,
                                                            StatusPanes* panes, QWidget* parent) {
    return std::make_unique<PicturePane>(doc, toolZoom, panes, parent);
}

QWidget* AppDocumentServices::createAreaList(CImageMapDoc& doc, MapPane&, QWidget* parent) {
    return new AreaListPane(doc, parent);
}

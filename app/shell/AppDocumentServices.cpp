#include "app/shell/AppDocumentServices.h"

#include "app/frames/MapViewPane.h"
#include "app/loading/LoaderPictureSource.h"
#include "view/AreaListPane.h"

#include <QPointer>

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

QWidget* AppDocumentServices::areaList(CImageMapDoc& doc, MapPane& mapPane, QWidget* parent) {
    auto* list = new AreaListPane(doc, parent);
    list->onChosen = [&mapPane](int index) { mapPane.selectArea(index); };
    list->onChosenRows = [&mapPane](const std::vector<int>& rows) { mapPane.selectAreas(rows); };
    list->onHover = [&mapPane] { mapPane.endFlyby(); };
    mapPane.setSelectionSetListener(
        [list = QPointer<AreaListPane>(list)](const std::vector<int>& indices) {
            if (list)
                list->showSelection(indices);
        });
    return list;
}

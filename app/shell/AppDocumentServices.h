#pragma once

#include "app/dialogs/AppDocumentDialogs.h"
#include "app/frames/DocumentServices.h"

#include <memory>

// The services of the running editor: pictures found and decoded by the
// image loader (LoaderPictureSource), the dialogs of document operations
// (AppDocumentDialogs), the map view (MapViewPane) and the area list every
// map window gets.
class AppDocumentServices : public DocumentServices {
public:
    // Dialogs and the loading window open over parent.
    explicit AppDocumentServices(QWidget* parent);
    ~AppDocumentServices() override;

    PictureSource* pictureSource() override { return m_pictures.get(); }
    DocumentDialogs* documentDialogs() override { return &m_dialogs; }
    std::unique_ptr<MapPane> createMapPane(CImageMapDoc& doc, ToolZoomState& toolZoom,
                                           StatusPanes* panes, QWidget* parent) override;
    QWidget* createAreaList(CImageMapDoc& doc, MapPane& mapPane, QWidget* parent) override;

    // The panes every map window of the editor gets, for services that
    // differ only in pictures or dialogs (tests).
    static std::unique_ptr<MapPane> mapViewPane(CImageMapDoc& doc, ToolZoomState& toolZoom,
                                                StatusPanes* panes, QWidget* parent);
    static QWidget* areaList(CImageMapDoc& doc, MapPane& mapPane, QWidget* parent);

private:
    AppDocumentDialogs m_dialogs;
    std::unique_ptr<PictureSource> m_pictures;
};

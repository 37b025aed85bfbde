#pragma once

#include "app/AppDocumentDialogs.h"
#include "app/DocumentServices.h"

#include <memory>

// The services of the running editor: the picture source, the dialogs and
// the panes every map window gets. This is the one place where the map view,
// the area list and the picture source are chosen.
class AppDocumentServices : public DocumentServices {
public:
    // Dialogs open over parent.
    explicit AppDocumentServices(QWidget* parent);
    ~AppDocumentServices() override;

    PictureSource* pictureSource() override { return m_pictures.get(); }
    DocumentDialogs* documentDialogs() override { return &m_dialogs; }
    std::unique_ptr<MapPane> createMapPane(CImageMapDoc& doc, ToolZoomState& toolZoom,
                                           StatusPanes* panes, QWidget* parent) override;
    QWidget* createAreaList(CImageMapDoc& doc, MapPane& mapPane, QWidget* parent) override;

private:
    AppDocumentDialogs m_dialogs;
    std::unique_ptr<PictureSource> m_pictures;
};

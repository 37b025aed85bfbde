#pragma once

#include <memory>

class CImageMapDoc;
class DocumentDialogs;
class MapPane;
class PictureSource;
class QWidget;
class StatusPanes;
class ToolZoomState;

// Everything a map document and its window are made with: where pictures
// come from, the dialogs document operations open, and the two panes of the
// window. The application holds one; tests give their own.
class DocumentServices {
public:
    virtual ~DocumentServices() = default;

    // Given to every new document; either may be null (no pictures, or
    // every dialog cancelled).
    virtual PictureSource* pictureSource() = 0;
    virtual DocumentDialogs* documentDialogs() = 0;

    // The map view of a window showing doc at toolZoom's zoom, writing to
    // panes (null allowed).
    virtual std::unique_ptr<MapPane> createMapPane(CImageMapDoc& doc, ToolZoomState& toolZoom,
                                                   StatusPanes* panes, QWidget* parent) = 0;
    // The area list beside it.
    virtual QWidget* createAreaList(CImageMapDoc& doc, MapPane& mapPane, QWidget* parent) = 0;
};

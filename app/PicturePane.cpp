#include "app/PicturePane.h"

#include "model/ImageMapDoc.h"
#include "view/StatusPanes.h"
#include "view/ToolZoomState.h"

#include <QPaintEvent>
#include <QPainter>

// Paints the stored rows of the picture, bottom-up as they are kept, flipped
// and scaled by the zoom through the painter's transform: nothing is copied
// and only the exposed part is drawn.
class PicturePane::Canvas : public QWidget {
public:
    Canvas(CImageMapDoc& doc, const ToolZoomState& toolZoom) : m_doc(doc), m_toolZoom(toolZoom) {}

    void relayout() {
        const int zoom = m_toolZoom.zoom();
        resize(m_doc.imageWidth() * zoom, m_doc.imageHeight() * zoom);
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        const LoadedImage* image = m_doc.image();
        if (!image)
            return;
        const QImage rows = image->storedRows();
        const int zoom = m_toolZoom.zoom();
        QPainter painter(this);
        painter.setClipRegion(event->region());
        painter.translate(0, image->height() * zoom);
        painter.scale(zoom, -zoom);
        painter.drawImage(0, 0, rows);
    }

private:
    CImageMapDoc& m_doc;
    const ToolZoomState& m_toolZoom;
};

PicturePane::PicturePane(CImageMapDoc& doc, const ToolZoomState& toolZoom, StatusPanes* panes,
                         QWidget* parent)
    : m_scroll(new QScrollArea(parent)), m_canvas(new Canvas(doc, toolZoom)), m_toolZoom(toolZoom),
      m_panes(panes) {
    m_scroll->setObjectName(QStringLiteral("mapPane"));
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setWidget(m_canvas);
    m_canvas->relayout();
    QObject::connect(&doc, &CImageMapDoc::allChanged, m_canvas, [this] { m_canvas->relayout(); });
}

void PicturePane::activated() {
    if (m_panes)
        m_panes->showZoom(m_toolZoom.zoom());
}

void PicturePane::settingsChanged() {
    m_canvas->relayout();
    if (m_panes)
        m_panes->showZoom(m_toolZoom.zoom());
}

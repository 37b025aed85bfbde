#include "view/SelectionBand.h"

#include "document/ImageMapDoc.h"
#include "view/DragFeedback.h"
#include "view/ToolHost.h"

#include <QPainter>

std::unique_ptr<SelectionBand> SelectionBand::begin(ToolHost& host, QPoint press,
                                                    const AreaSelection& kept) {
    return std::unique_ptr<SelectionBand>(new SelectionBand(host, press, kept));
}

SelectionBand::SelectionBand(ToolHost& host, QPoint press, const AreaSelection& kept)
    : m_host(host), m_press(press), m_now(press), m_kept(kept) {
    host.setFeedbackPainter(
        [this](QPainter& painter) { DragFeedback::rect(painter, windowBand()); });
    repaintFeedback();
}

SelectionBand::~SelectionBand() {
    end();
}

QRect SelectionBand::windowBand() const {
    return QRect(m_press, m_now).normalized();
}

PixelRect SelectionBand::pictureRect() const {
    const QPoint a = m_host.pictureAt(m_press), b = m_host.pictureAt(m_now);
    return {std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()) + 1,
            std::max(a.y(), b.y()) + 1};
}

void SelectionBand::repaintFeedback() const {
    for (const QRect& strip : DragFeedback::strips(windowBand()))
        m_host.repaintWindowRect(strip);
}

void SelectionBand::select() {
    AreaSelection selection = m_kept;
    const PixelRect band = pictureRect();
    const CImageMapDoc& doc = *m_host.document();
    for (int i = 0; i < doc.areaCount(); ++i) {
        const PixelRect box = doc.area(i)->picture().bounds();
        if (!box.isEmpty() && band.encloses(box))
            selection.add(i);
    }
    m_host.setSelection(selection);
}

void SelectionBand::move(QPoint at, Qt::KeyboardModifiers) {
    if (m_ended || at == m_now)
        return;
    repaintFeedback();
    m_now = at;
    repaintFeedback();
    select();
}

void SelectionBand::release(QPoint at) {
    move(at, Qt::NoModifier);
    end();
}

void SelectionBand::cancel() {
    if (m_ended)
        return;
    m_host.setSelection(m_kept);
    end();
}

void SelectionBand::end() {
    if (m_ended)
        return;
    m_ended = true;
    m_host.endInteraction();
    repaintFeedback();
}

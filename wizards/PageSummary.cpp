#include "wizards/PageSummary.h"

#include "formats/HtmlPageScan.h"
#include "formats/HtmlText.h"

#include <QCursor>
#include <QFile>
#include <QGuiApplication>

#include <algorithm>

PageSummary PageSummary::of(const QByteArray& text) {
    PageSummary page;
    page.readable = true;
    page.empty = text.isEmpty();
    const HtmlPageScan scan = HtmlPageScan::scan(text);
    page.hasBodyEnd = scan.bodyEnd > 0;
    const qsizetype end = page.hasBodyEnd ? scan.bodyEnd : text.size();
    for (const HtmlImg& img : scan.imgs) {
        if (img.start < end)
            page.images.append({img.src.toByteArray(), HtmlText::unquote(img.mapRef), img.start});
    }
    for (const HtmlMapBlock& map : scan.maps) {
        if (map.start < end)
            page.maps.append(HtmlText::unquote(map.name));
    }
    return page;
}

PageSummary PageSummary::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const bool wait = qGuiApp && file.size() > 32000;
    if (wait)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const QByteArray text = file.readAll();
    if (wait)
        QGuiApplication::restoreOverrideCursor();
    if (file.error() != QFileDevice::NoError)
        return {};
    return of(text);
}

QList<QByteArray> PageSummary::unusedMaps() const {
    QList<QByteArray> unused;
    for (const QByteArray& name : maps) {
        const bool used = std::any_of(images.begin(), images.end(),
                                      [&](const Image& i) { return i.mapName == name; });
        if (!used && !unused.contains(name))
            unused.append(name);
    }
    return unused;
}

#include "ScanCommand.h"

#include "MapJson.h"
#include "formats/HtmlPageScan.h"
#include "formats/HtmlText.h"
#include "formats/MappedFile.h"
#include "model/Strings.h"

#include <QFileInfo>

#include <cstdio>

namespace {

QByteArray text(QByteArrayView bytes) {
    return MapJson::mapText(bytes.toByteArray());
}

QByteArray number(qsizetype v) {
    return QByteArray::number(v);
}

QByteArray imgJson(const HtmlImg& img) {
    QByteArray out = "{\"start\": " + number(img.start) + ", \"end\": " + number(img.end) +
                     ", \"src\": " + text(img.src) + ", \"usemap\": " + text(img.mapRef) +
                     ", \"attrs\": [";
    for (size_t i = 0; i < img.carried.size(); ++i) {
        const HtmlAttribute& a = img.carried[i];
        out += (i ? ", [" : "[") + text(HtmlText::toUpper(a.name)) + ", " + text(a.value) + ", " +
               (a.quoted ? "true" : "false") + "]";
    }
    return out + "]}";
}

QByteArray areaJson(const HtmlAreaEntry& area) {
    return "{\"shape\": " + text(HtmlText::toUpper(area.shape)) +
           ", \"coords\": " + text(area.coords) + ", \"href\": " + text(area.href) +
           ", \"alt\": " + text(area.alt) + ", \"target\": " + text(area.target) + "}";
}

QByteArray mapJson(const HtmlMapBlock& map) {
    QByteArray out = "{\"name\": " + text(map.name) + ", \"start\": " + number(map.start) +
                     ", \"end\": " + number(map.end) + ", \"areas\": [";
    for (size_t i = 0; i < map.areas.size(); ++i)
        out += (i ? ",\n      " : "\n      ") + areaJson(map.areas[i]);
    out += map.areas.empty() ? "], \"tracking\": [" : "\n    ], \"tracking\": [";
    for (size_t i = 0; i < map.tracking.size(); ++i)
        out += (i ? ", " : "") + text(map.tracking[i]);
    return out + "]}";
}

QByteArray scanJson(const HtmlPageScan& scan) {
    QByteArray out = "{\n  \"imgs\": [";
    for (size_t i = 0; i < scan.imgs.size(); ++i)
        out += (i ? ",\n    " : "\n    ") + imgJson(scan.imgs[i]);
    out += scan.imgs.empty() ? "],\n  \"maps\": [" : "\n  ],\n  \"maps\": [";
    for (size_t i = 0; i < scan.maps.size(); ++i)
        out += (i ? ",\n    " : "\n    ") + mapJson(scan.maps[i]);
    out += scan.maps.empty() ? "],\n" : "\n  ],\n";
    return out + "  \"bodyEnd\": " + number(scan.bodyEnd) + "\n}\n";
}

} // namespace

int runScanCommand(const QStringList& arguments) {
    if (arguments.size() != 1)
        return 2;
    MappedFile file;
    if (!file.open(arguments.first())) {
        const QByteArray path = QFileInfo(arguments.first()).absoluteFilePath().toUtf8();
        std::fprintf(stderr, "tessary-cli: %s\n",
                     QString::asprintf(Strings::raw(Str::CannotLocateFile), path.constData())
                         .toUtf8()
                         .constData());
        return 1;
    }
    // The whole file, as the writer scans a page it replaces.
    const QByteArray json = scanJson(HtmlPageScan::scan(file.bytes()));
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

#include "SvgCommand.h"

#include "CliArguments.h"
#include "CliOpen.h"
#include "ImageInfo.h"
#include "document/ImageMapDoc.h"
#include "formats/SvgOverlayWriter.h"
#include "model/Settings.h"

#include <QFileInfo>

#include <cstdio>
#include <vector>

int runSvgCommand(const QStringList& arguments) {
    const CliArguments args(arguments, {QStringLiteral("--map")},
                            {QStringLiteral("--embed-picture")});
    if (!args.ok() || args.positional().size() != 2 ||
        !args.positional()[1].endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
        return 2;
    Settings::app().load();
    CImageMapDoc doc;
    if (!openForCli(doc, args.positional()[0], args.option(QStringLiteral("--map"))))
        return 1;
    // The overlay's coordinates are the picture's pixels: without the
    // picture there is no viewBox to give (its header gives the size).
    const std::optional<ImageInfo::Picture> picture = ImageInfo::find(doc);
    if (!picture) {
        std::fprintf(stderr, "tessary-cli: the map's picture was not found\n");
        return 1;
    }
    std::vector<const MapArea*> areas;
    for (int i = 0; i < doc.areaCount(); ++i)
        areas.push_back(doc.area(i));
    const QString out = QFileInfo(args.positional()[1]).absoluteFilePath();
    if (!SvgOverlayWriter::save(out, doc.mapInfo(), areas, picture->path, picture->width,
                                picture->height, args.flag(QStringLiteral("--embed-picture")))) {
        std::fprintf(stderr, "tessary-cli: could not write %s\n", out.toUtf8().constData());
        return 1;
    }
    return 0;
}

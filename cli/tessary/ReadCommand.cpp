#include "ReadCommand.h"

#include "CliArguments.h"
#include "CliOpen.h"
#include "ImageInfo.h"
#include "MapJson.h"
#include "document/ImageMapDoc.h"
#include "model/Settings.h"

#include <cstdio>

int runReadCommand(const QStringList& arguments) {
    const QString imageInfo = QStringLiteral("--image-info");
    const CliArguments args(arguments, {QStringLiteral("--map")}, {imageInfo});
    if (!args.ok() || args.positional().size() != 1)
        return 2;
    // The user's settings count as they do in the editor (the default URL
    // text a map without one is given).
    Settings::app().load();
    const std::optional<QString> map = args.option(QStringLiteral("--map"));
    CImageMapDoc doc;
    if (!openForCli(doc, args.positional().first(), map))
        return 1;
    MapJson::Members extra;
    if (args.flag(imageInfo))
        extra.append({"image", ImageInfo::json(ImageInfo::find(doc))});
    const QByteArray json = MapJson::document(doc, extra);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

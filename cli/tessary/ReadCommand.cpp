#include "ReadCommand.h"

#include "CliPrompter.h"
#include "ImageInfo.h"
#include "MapJson.h"
#include "model/ImageMapDoc.h"
#include "model/Settings.h"
#include "model/Strings.h"

#include <cstdio>

namespace {

const QString kImageInfo = QStringLiteral("--image-info");

QStringList filesOf(const QStringList& arguments) {
    QStringList files = arguments;
    files.removeAll(kImageInfo);
    return files;
}

} // namespace

bool isReadCall(const QStringList& arguments) {
    const QStringList files = filesOf(arguments);
    return files.size() == 1 && !files.first().startsWith(QLatin1String("--")) &&
           arguments.count(kImageInfo) <= 1;
}

int runReadCommand(const QStringList& arguments) {
    // The user's settings count as they do in the editor (the default URL
    // text a map without one is given).
    Settings::app().load();
    CliPrompter prompter;
    CImageMapDoc doc;
    if (!doc.openDocument(filesOf(arguments).first())) {
        const QByteArray line = prompter.firstMessage(Strings::text(Str::MapLoadFailed)).toUtf8();
        std::fprintf(stderr, "tessary-cli: %s\n", line.constData());
        return 1;
    }
    MapJson::Members extra;
    if (arguments.contains(kImageInfo))
        extra.append({"image", ImageInfo::json(doc)});
    const QByteArray json = MapJson::document(doc, extra);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

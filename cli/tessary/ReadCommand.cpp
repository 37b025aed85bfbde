#include "ReadCommand.h"

#include "CliPrompter.h"
#include "MapJson.h"
#include "model/ImageMapDoc.h"
#include "model/Settings.h"
#include "model/Strings.h"

#include <cstdio>

int runReadCommand(const QStringList& arguments) {
    // The user's settings count as they do in the editor (the default URL
    // text a map without one is given).
    Settings::app().load();
    CliPrompter prompter;
    CImageMapDoc doc;
    if (!doc.openDocument(arguments.first())) {
        const QByteArray line = prompter.firstMessage(Strings::text(Str::MapLoadFailed)).toUtf8();
        std::fprintf(stderr, "tessary-cli: %s\n", line.constData());
        return 1;
    }
    const QByteArray json = MapJson::document(doc);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

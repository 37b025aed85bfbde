#include "ConvertCommand.h"

#include "CliArguments.h"
#include "CliOpen.h"
#include "CliPrompter.h"
#include "document/ImageMapDoc.h"
#include "model/MapText.h"
#include "model/Settings.h"

#include <QFileInfo>

int runConvertCommand(const QStringList& arguments) {
    const CliArguments args(
        arguments, {QStringLiteral("--map"), QStringLiteral("--title"), QStringLiteral("--image")});
    if (!args.ok() || args.positional().size() != 2)
        return 2;
    Settings::app().load();
    const std::optional<QString> map = args.option(QStringLiteral("--map"));
    const std::optional<QString> title = args.option(QStringLiteral("--title"));
    const std::optional<QString> image = args.option(QStringLiteral("--image"));

    CImageMapDoc doc;
    if (!openForCli(doc, args.positional()[0], map,
                    image ? QFileInfo(*image).absoluteFilePath() : QString()))
        return 1;
    if (title) {
        MapInfo info = doc.mapInfo();
        info.title = MapText::fromDisplay(*title);
        doc.setMapInfo(info);
    }
    CliPrompter prompter(true);
    return doc.doSave(QFileInfo(args.positional()[1]).absoluteFilePath(), true) ? 0 : 1;
}

#include "ConvertCommand.h"

#include "CliArguments.h"
#include "CliOpen.h"
#include "CliPrompter.h"
#include "document/ImageMapDoc.h"
#include "model/MapText.h"
#include "model/Settings.h"

#include <QFileInfo>

#include <cstdio>

int runConvertCommand(const QStringList& arguments) {
    const CliArguments args(
        arguments, {QStringLiteral("--map"), QStringLiteral("--title"), QStringLiteral("--image")},
        {QStringLiteral("--allow-loss"), QStringLiteral("--responsive")});
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
    if (title || args.flag(QStringLiteral("--responsive"))) {
        MapInfo info = doc.mapInfo();
        if (title)
            info.title = MapText::fromDisplay(*title);
        // The page rescales the map to the size its picture is shown at.
        info.scalesWithPicture =
            info.scalesWithPicture || args.flag(QStringLiteral("--responsive"));
        doc.setMapInfo(info);
    }
    // A map not read whole is not written back into its own page unless
    // the user accepts losing what was not read.
    doc.setAllowLoss(args.flag(QStringLiteral("--allow-loss")));
    CliPrompter prompter(true);
    const QFileInfo in(args.positional()[0]), out(args.positional()[1]);
    if (doc.doSave(out.absoluteFilePath(), true))
        return 0;
    if (!doc.lossText().isEmpty() && out.exists() &&
        out.canonicalFilePath() == in.canonicalFilePath())
        std::fprintf(stderr, "tessary-cli: not read: %s; --allow-loss writes it anyway\n",
                     doc.lossText().toUtf8().constData());
    return 1;
}

#include "ConvertCommand.h"

#include "CliArguments.h"
#include "CliOpen.h"
#include "CliPrompter.h"
#include "ImageInfo.h"
#include "document/ImageMapDoc.h"
#include "model/MapText.h"
#include "model/Settings.h"

#include <QFileInfo>

#include <cstdio>

int runConvertCommand(const QStringList& arguments) {
    const CliArguments args(
        arguments, {QStringLiteral("--map"), QStringLiteral("--title"), QStringLiteral("--image")},
        {QStringLiteral("--allow-loss"), QStringLiteral("--responsive"),
         QStringLiteral("--highlight")});
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
    const bool highlight = args.flag(QStringLiteral("--highlight"));
    if (title || args.flag(QStringLiteral("--responsive")) || highlight) {
        MapInfo info = doc.mapInfo();
        info.highlightsAreas = info.highlightsAreas || highlight;
        if (title)
            info.title = MapText::fromDisplay(*title);
        // The page rescales the map to the size its picture is shown at.
        info.scalesWithPicture =
            info.scalesWithPicture || args.flag(QStringLiteral("--responsive"));
        doc.setMapInfo(info);
    }
    // The picture is not loaded: the page's script scales from the size
    // the page recorded, else from the picture's own (its header only).
    if (doc.mapInfo().drawnWidth == 0) {
        if (const std::optional<ImageInfo::Picture> picture = ImageInfo::find(doc)) {
            MapInfo info = doc.mapInfo();
            info.drawnWidth = picture->width;
            info.drawnHeight = picture->height;
            doc.setMapInfo(info);
        }
    }
    // A map not read whole is not written back into its own page unless
    // the user accepts losing what was not read.
    doc.setAllowLoss(args.flag(QStringLiteral("--allow-loss")));
    CliPrompter prompter(true);
    const OperationResult saved = doc.doSave(QFileInfo(args.positional()[1]).absoluteFilePath());
    if (saved)
        return 0;
    if (saved.code() == OperationResult::Code::LossySave)
        std::fprintf(stderr, "tessary-cli: not read: %s; --allow-loss writes it anyway\n",
                     doc.lossText().toUtf8().constData());
    return 1;
}

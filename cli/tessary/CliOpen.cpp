#include "CliOpen.h"

#include "CliDialogs.h"
#include "CliPrompter.h"
#include "document/ImageMapDoc.h"
#include "model/MapText.h"
#include "model/Strings.h"

#include <QFileInfo>

#include <cstdio>

namespace {

void printMaps(const QString& lead, const QList<DocumentDialogs::MapChoice>& maps) {
    QByteArray text = "tessary-cli: " + lead.toUtf8() + "\n";
    for (const DocumentDialogs::MapChoice& map : maps)
        text += "  " + MapText::toDisplay(map.name).toUtf8() + "\n";
    std::fputs(text.constData(), stderr);
}

} // namespace

bool openForCli(CImageMapDoc& doc, const QString& path, const std::optional<QString>& mapName,
                const QString& imagePath) {
    // Map names are bytes of the map file; the command line gives UTF-8.
    const std::optional<QByteArray> wantedMap =
        mapName ? std::optional<QByteArray>(mapName->toUtf8()) : std::nullopt;
    const CliPrompter quiet; // the result tells what failed
    CliDialogs dialogs(wantedMap);
    doc.setDialogs(&dialogs);
    const OperationResult opened = doc.openDocument(path, imagePath);
    doc.setDialogs(nullptr);
    const QString file = QFileInfo(path).absoluteFilePath();
    if (!opened && dialogs.mapChoiceAsked()) {
        printMaps(wantedMap
                      ? QStringLiteral("no map named \"%1\" in %2; its maps:")
                            .arg(MapText::toDisplay(*wantedMap), file)
                      : QStringLiteral("%1 holds several maps; name one with --map:").arg(file),
                  dialogs.offeredMaps());
        return false;
    }
    if (!opened) {
        // The failure, and on the next line why, when the reader knows.
        QStringList lines = opened.lines();
        if (lines.isEmpty())
            lines << Strings::text(Str::MapLoadFailed);
        for (const QString& line : lines)
            std::fprintf(stderr, "tessary-cli: %s\n", line.toUtf8().constData());
        return false;
    }
    if (wantedMap && !dialogs.mapChoiceAsked() && doc.mapInfo().title != *wantedMap) {
        printMaps(QStringLiteral("no map named \"%1\" in %2; its maps:")
                      .arg(MapText::toDisplay(*wantedMap), file),
                  {{doc.mapInfo().title, {}}});
        return false;
    }
    return true;
}

#include "CheckCommand.h"

#include "CliPrompter.h"
#include "MapJson.h"
#include "model/ImageMapDoc.h"
#include "model/MapCheckStatus.h"
#include "model/MapText.h"
#include "model/Settings.h"
#include "model/Strings.h"

#include <QImageReader>
#include <QRegularExpression>
#include <QSize>

#include <cstdio>
#include <optional>

namespace {

constexpr int kClean = 0;
constexpr int kError = 1;
constexpr int kUsage = 2;
constexpr int kProblem = 3;

struct CheckOptions {
    QString file;
    std::optional<QString> mapName;
    QString picture;
    std::optional<QSize> size;
};

// The state pane of a window-less run: what the completed run reported.
class RecordedStatus : public MapCheckStatus {
public:
    void showState(int s, int) override { state = s; }
    int state = MapCheckStatus::Clean;
};

std::optional<QSize> parseSize(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(\\d{1,9})[xX](\\d{1,9})$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    return QSize(m.captured(1).toInt(), m.captured(2).toInt());
}

std::optional<CheckOptions> parseOptions(const QStringList& args) {
    CheckOptions o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--map") && hasValue && !o.mapName) {
            o.mapName = args[++i];
        } else if (a == QLatin1String("--image") && hasValue && o.picture.isEmpty() && !o.size) {
            o.picture = args[++i];
        } else if (a == QLatin1String("--size") && hasValue && o.picture.isEmpty() && !o.size) {
            o.size = parseSize(args[++i]);
            if (!o.size)
                return std::nullopt;
        } else if (!a.startsWith(QLatin1String("--")) && o.file.isEmpty()) {
            o.file = a;
        } else {
            return std::nullopt;
        }
    }
    if (o.file.isEmpty())
        return std::nullopt;
    return o;
}

int fail(const QString& message) {
    std::fprintf(stderr, "tessary-cli: %s\n", message.toUtf8().constData());
    return kError;
}

QByteArray findingsJson(const CImageMapDoc& doc, int state, std::optional<int> outside) {
    const MapCheckState& check = doc.mapCheck();
    QByteArray obscured;
    for (int i = 0; i < doc.areaCount(); ++i)
        obscured += (i ? ", " : "") + QByteArray::number(doc.area(i)->obscured() ? 1 : 0);
    QByteArray out = "{\n  \"state\": " + QByteArray::number(state) +
                     ",\n  \"firstMissingUrl\": " + QByteArray::number(check.firstMissingUrl) +
                     ",\n  \"firstObscured\": " + QByteArray::number(check.firstObscured) +
                     ",\n  \"obscured\": [" + obscured + "]";
    if (outside)
        out += ",\n  \"outside\": " + QByteArray::number(*outside);
    return out + "\n}\n";
}

} // namespace

int runCheckCommand(const QStringList& arguments) {
    const std::optional<CheckOptions> options = parseOptions(arguments);
    if (!options)
        return kUsage;
    std::optional<QSize> size = options->size;
    if (!options->picture.isEmpty()) {
        QImageReader reader(options->picture);
        size = reader.size();
        if (!size->isValid())
            return fail(QStringLiteral("Unable to read the picture \"%1\": %2")
                            .arg(options->picture, reader.errorString()));
    }

    Settings::app().load();
    CliPrompter prompter;
    CImageMapDoc doc;
    if (!doc.openDocument(options->file))
        return fail(prompter.firstMessage(Strings::text(Str::MapLoadFailed)));
    // A server-side map file holds one map, named by its title.
    if (options->mapName && MapText::toDisplay(doc.mapInfo().title) != *options->mapName)
        return fail(
            QStringLiteral("No map named \"%1\" in \"%2\"").arg(*options->mapName, options->file));

    RecordedStatus status;
    doc.runMapCheck(&status);
    std::optional<int> outside;
    if (size) {
        const PixelRect bounds{0, 0, size->width(), size->height()};
        outside = 0;
        for (int i = 0; i < doc.areaCount(); ++i)
            *outside += doc.area(i)->isInside(bounds) ? 0 : 1;
    }
    const QByteArray json = findingsJson(doc, status.state, outside);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    if (std::fflush(stdout) != 0)
        return kError;
    return status.state == MapCheckStatus::Clean && outside.value_or(0) == 0 ? kClean : kProblem;
}

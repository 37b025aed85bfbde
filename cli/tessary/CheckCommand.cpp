#include "CheckCommand.h"

#include "CliArguments.h"
#include "CliOpen.h"
#include "ImageInfo.h"
#include "MapJson.h"
#include "document/ImageMapDoc.h"
#include "model/MapCheckStatus.h"
#include "model/Settings.h"

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
    bool imageInfo = false;
    bool strict = false; // any finding is a problem too
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

std::optional<CheckOptions> parseOptions(const QStringList& arguments) {
    const CliArguments args(
        arguments, {QStringLiteral("--map"), QStringLiteral("--image"), QStringLiteral("--size")},
        {QStringLiteral("--image-info"), QStringLiteral("--strict")});
    if (!args.ok() || args.positional().size() != 1)
        return std::nullopt;
    CheckOptions o;
    o.file = args.positional().first();
    o.mapName = args.option(QStringLiteral("--map"));
    o.picture = args.option(QStringLiteral("--image")).value_or(QString());
    o.imageInfo = args.flag(QStringLiteral("--image-info"));
    o.strict = args.flag(QStringLiteral("--strict"));
    if (const std::optional<QString> size = args.option(QStringLiteral("--size"))) {
        o.size = parseSize(*size);
        if (!o.size || !o.picture.isEmpty())
            return std::nullopt;
    }
    return o;
}

int reportError(const QString& message) {
    std::fprintf(stderr, "tessary-cli: %s\n", message.toUtf8().constData());
    return kError;
}

// "findings": one object a line, in the order they were found.
QByteArray findingsJson(const std::vector<MapFindings::Finding>& findings) {
    QByteArray out = "[";
    for (const MapFindings::Finding& f : findings) {
        out += (out.size() > 1 ? ",\n    " : "\n    ") + QByteArray("{\"area\": ") +
               QByteArray::number(f.area) + ", \"code\": \"" + MapFindings::codeName(f.code) +
               "\", \"message\": " + MapJson::quote(f.message) + "}";
    }
    return out + (findings.empty() ? "]" : "\n  ]");
}

QByteArray checkJson(const CImageMapDoc& doc, int state, std::optional<int> outside,
                     const std::optional<QByteArray>& image, const QByteArray& findings) {
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
    if (image)
        out += ",\n  \"image\": " + *image;
    out += ",\n  \"findings\": " + findings;
    return out + "\n}\n";
}

// The picture's size the IMG's WIDTH and HEIGHT scale: the one given or
// found, else, when the page sizes the picture, the map's own picture's
// (from its headers); empty when not known.
QSize pictureForFindings(const CImageMapDoc& doc, const std::optional<QSize>& known) {
    if (known)
        return *known;
    if (doc.mapInfo().shownWidth <= 0 && doc.mapInfo().shownHeight <= 0)
        return {};
    const std::optional<ImageInfo::Picture> picture = ImageInfo::find(doc);
    return picture ? QSize(picture->width, picture->height) : QSize();
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
            return reportError(QStringLiteral("Unable to read the picture \"%1\": %2")
                                   .arg(options->picture, reader.errorString()));
    }

    Settings::app().load();
    CImageMapDoc doc;
    if (!openForCli(doc, options->file, options->mapName))
        return kError;
    // With --image-info the map's own picture is located; without a picture
    // or size given, its size is the one the areas are checked against.
    std::optional<QByteArray> imageJson;
    if (options->imageInfo) {
        const std::optional<ImageInfo::Picture> picture = ImageInfo::find(doc);
        imageJson = ImageInfo::json(picture);
        if (picture && !size)
            size = QSize(picture->width, picture->height);
    }

    RecordedStatus status;
    doc.runMapCheck(&status);
    std::optional<int> outside;
    if (size) {
        const PixelRect bounds{0, 0, size->width(), size->height()};
        outside = 0;
        for (int i = 0; i < doc.areaCount(); ++i)
            *outside += doc.area(i)->isInside(bounds) ? 0 : 1;
    }
    const std::vector<MapFindings::Finding> found = doc.findings(pictureForFindings(doc, size));
    const QByteArray json = checkJson(doc, status.state, outside, imageJson, findingsJson(found));
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    if (std::fflush(stdout) != 0)
        return kError;
    const bool clean = status.state == MapCheckStatus::Clean && outside.value_or(0) == 0 &&
                       !(options->strict && !found.empty());
    return clean ? kClean : kProblem;
}

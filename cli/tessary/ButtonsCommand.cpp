#include "ButtonsCommand.h"

#include "MapJson.h"
#include "model/ColorRef.h"
#include "model/ProgramFolder.h"
#include "wizards/ButtonImageBuilder.h"
#include "wizards/ButtonPicture.h"
#include "wizards/ButtonStyleLibrary.h"

#include "CliArguments.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>

#include <cstdio>

namespace {

constexpr int kFailed = 1;
constexpr int kUsageError = 2;

int fail(const QString& message) {
    std::fprintf(stderr, "tessary-cli: %s\n", qPrintable(message));
    return kFailed;
}

int usage(const QString& message) {
    std::fprintf(stderr, "tessary-cli: buttons: %s\n", qPrintable(message));
    return kUsageError;
}

// "W,H" or "WxH" as two whole numbers within [low, high].
bool parsePair(const QString& text, int low, int high, int* a, int* b) {
    const QStringList parts = text.split(QRegularExpression(QStringLiteral("[,x]")));
    if (parts.size() != 2)
        return false;
    bool okA = false, okB = false;
    *a = parts[0].trimmed().toInt(&okA);
    *b = parts[1].trimmed().toInt(&okB);
    return okA && okB && *a >= low && *a <= high && *b >= low && *b <= high;
}

// "RRGGBB" (with or without "#") as a 0x00BBGGRR reference.
bool parseColour(const QString& text, quint32* colorRef) {
    QString hex = text.startsWith('#') ? text.mid(1) : text;
    bool ok = false;
    const uint rgb = hex.toUInt(&ok, 16);
    if (!ok || hex.size() != 6)
        return false;
    *colorRef = colorRefOfRgb(rgb);
    return true;
}

// Points with at most one decimal ("12", "10.5") as tenths of a point.
bool parseTenths(const QString& text, int* tenths) {
    bool ok = false;
    const double points = text.toDouble(&ok);
    if (!ok || points < 1 || points > 400)
        return false;
    *tenths = int(std::lround(points * 10));
    return true;
}

QByteArray report(const QString& out, const ButtonPicture& picture,
                  const ButtonImageBuilder& builder) {
    const QSize image = builder.imageSize();
    const QSize button = builder.buttonSize();
    return "{\n  \"path\": " + MapJson::quote(QFileInfo(out).absoluteFilePath()) +
           ",\n  \"style\": " + MapJson::quote(picture.styleCaption) +
           ",\n  \"columns\": " + QByteArray::number(builder.columns()) +
           ",\n  \"rows\": " + QByteArray::number(builder.rows()) +
           ",\n  \"width\": " + QByteArray::number(image.width()) +
           ",\n  \"height\": " + QByteArray::number(image.height()) +
           ",\n  \"buttonWidth\": " + QByteArray::number(button.width()) +
           ",\n  \"buttonHeight\": " + QByteArray::number(button.height()) + "\n}\n";
}

} // namespace

int runButtonsCommand(const QStringList& arguments) {
    const CliArguments args(arguments,
                            {"--library", "--style", "--row", "--button", "--font", "--size",
                             "--text-color", "--outline-color", "--filler-color", "--spacing",
                             "--offset"},
                            {"--bold", "--italic", "--underline", "--strikeout"}, {"--row"});
    if (!args.ok() || args.positional().size() != 1)
        return usage(QStringLiteral("give the output picture and at least one --row"));
    ButtonPicture picture;
    picture.library =
        args.option("--library").value_or(ButtonStyleLibrary::defaultPath(ProgramFolder::path()));
    picture.style = args.option("--style").value_or(QString());
    for (const QString& row : args.options("--row"))
        picture.captions << row.split('|');
    if (picture.captions.isEmpty() || picture.captions.size() > ButtonImageBuilder::kMaxGrid)
        return usage(QStringLiteral("give 1 to 10 --row options"));
    for (const QStringList& row : picture.captions)
        if (row.size() > ButtonImageBuilder::kMaxGrid)
            return usage(QStringLiteral("a row holds at most 10 captions (separated by |)"));
    if (auto v = args.option("--button");
        v && !parsePair(*v, 1, 4000, &picture.buttonWidth, &picture.buttonHeight))
        return usage(QStringLiteral("--button takes WIDTHxHEIGHT"));
    if (auto v = args.option("--spacing");
        v && !parsePair(*v, 0, 99, &picture.spacingX, &picture.spacingY))
        return usage(QStringLiteral("--spacing takes H,V from 0 to 99"));
    if (auto v = args.option("--offset");
        v && !parsePair(*v, -99, 99, &picture.offsetX, &picture.offsetY))
        return usage(QStringLiteral("--offset takes H,V from -99 to 99"));
    if (auto v = args.option("--font"))
        picture.font.family = *v;
    if (auto v = args.option("--size"); v && !parseTenths(*v, &picture.font.tenths))
        return usage(QStringLiteral("--size takes points (e.g. 12 or 10.5)"));
    picture.font.bold = args.flag("--bold");
    picture.font.italic = args.flag("--italic");
    picture.font.underline = args.flag("--underline");
    picture.font.strikeOut = args.flag("--strikeout");
    for (auto [name, colour] : {std::pair{"--text-color", &picture.textColor},
                                std::pair{"--outline-color", &picture.outlineColor},
                                std::pair{"--filler-color", &picture.fillerColor}}) {
        if (auto v = args.option(name); v && !parseColour(*v, colour))
            return usage(QStringLiteral("%1 takes RRGGBB").arg(name));
    }
    const QString out = args.positional().first();
    const qint16 format = ButtonPicture::formatOf(out);
    if (format < 0)
        return usage(QStringLiteral("the output picture must end in .gif, .jpg, .jpeg or .png"));

    ButtonStyleLibrary library;
    if (!library.load(picture.library))
        return fail(
            QStringLiteral("cannot read the button style library \"%1\"").arg(picture.library));
    ButtonImageBuilder builder;
    const ButtonPicture::Result result = picture.build(library, builder);
    if (result == ButtonPicture::Result::NoStyle)
        return fail(QStringLiteral("the library has no style \"%1\"").arg(picture.style));
    if (result == ButtonPicture::Result::TooLarge)
        return fail(QStringLiteral("the picture would exceed %1 x %1 pixels")
                        .arg(ButtonImageBuilder::kMaxImageSide));
    if (!ButtonPicture::write(builder, out, format))
        return fail(QStringLiteral("cannot write \"%1\"").arg(out));
    const QByteArray json = report(out, picture, builder);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}

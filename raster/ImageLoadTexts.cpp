#include "raster/ImageLoadTexts.h"

#include "model/Strings.h"
#include "raster/RasterDispid.h"

QString ImageLoadTexts::sizeLine(float width, float height, int bits) {
    const qint64 colours = bits > 0 && bits <= 24 ? qint64(1) << bits : 0;
    return Strings::format(Str::LoadingSizeLine, int(width), int(height), int(colours));
}

QString ImageLoadTexts::formatName(qint16 formatCode) {
    switch (formatCode) {
    case RasterFormat::Gif:
        return Strings::text(Str::FormatNameGif);
    case RasterFormat::Jpeg:
        return Strings::text(Str::FormatNameJpg);
    case RasterFormat::Png:
        return Strings::text(Str::FormatNamePng);
    default:
        return Strings::text(Str::FormatNameUnknown);
    }
}

QString ImageLoadTexts::formatLine(qint16 formatCode, qint32 fileSize) {
    return Strings::format(Str::LoadingFormatLine, formatName(formatCode).toUtf8().constData(),
                           fileSize);
}

QString ImageLoadTexts::imageErrorText(int code) {
    const int reason = code == NotFound    ? Str::ImageErrorNotFound
                       : code == EmptyName ? Str::ImageErrorEmptyName
                                           : Str::ImageErrorFormat;
    return Strings::text(Str::ImageErrorLead) + Strings::text(reason) +
           Strings::text(Str::ImageErrorTail);
}

QString ImageLoadTexts::unreadableText(const QString& systemReason) {
    const QString reason =
        systemReason.isEmpty()
            ? Strings::text(Str::ImageErrorFormat)
            : Strings::format(Str::ImageErrorUnreadable, systemReason.toUtf8().constData());
    return Strings::text(Str::ImageErrorLead) + reason;
}

QString ImageLoadTexts::missingImageText(const QString& fileName) {
    const QString fill = fileName.isEmpty()
                             ? QStringLiteral(" ")
                             : QStringLiteral(" '") + fileName + QStringLiteral("' ");
    return Strings::format(Str::MissingImageText, fill.toUtf8().constData());
}

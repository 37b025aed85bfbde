#include "wizards/ButtonPicture.h"

#include "wizards/ButtonStyleLibrary.h"

#include "raster/PackedDib.h"
#include "raster/PictureCodec.h"

#include <QFileInfo>

#include <algorithm>

int ButtonPicture::columns() const {
    qsizetype widest = 0;
    for (const QStringList& row : captions)
        widest = std::max(widest, row.size());
    return int(std::min<qsizetype>(widest, ButtonImageBuilder::kMaxGrid));
}

int ButtonPicture::rows() const {
    return int(std::min<qsizetype>(captions.size(), ButtonImageBuilder::kMaxGrid));
}

ButtonPicture::Result ButtonPicture::build(const ButtonStyleLibrary& library, int index,
                                           ButtonImageBuilder& builder) const {
    if (index < 0 || index >= library.styles().size())
        return Result::NoStyle;
    builder.setGrid(columns(), rows());
    builder.setPattern(library.pattern(index));
    builder.setButtonSize(buttonWidth, buttonHeight);
    builder.setSpacing(spacingX, spacingY);
    builder.setOffsets(offsetX, offsetY);
    builder.setFont(font);
    builder.setColors(textColor, outlineColor, fillerColor);
    for (int r = 0; r < rows(); ++r)
        for (int c = 0; c < columns(); ++c)
            builder.setCaption(c < captions[r].size() ? captions[r][c] : QString(), c, r);
    builder.setShape(library.shapeAtOrigin(index));
    return builder.build() ? Result::Ok : Result::TooLarge;
}

ButtonPicture::Result ButtonPicture::build(const ButtonStyleLibrary& library,
                                           ButtonImageBuilder& builder) {
    const int index = style.isEmpty() ? 0 : library.find(style);
    if (index < 0 || index >= library.styles().size())
        return Result::NoStyle;
    styleCaption = library.styles()[index].caption;
    return build(library, index, builder);
}

qint16 ButtonPicture::formatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("gif"))
        return 2;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return 10;
    if (suffix == QLatin1String("png") || suffix == QLatin1String("ping"))
        return 75;
    return -1;
}

qint16 ButtonPicture::bitsOf(qint16 format) {
    return format == 2 ? 8 : 24;
}

bool ButtonPicture::write(const ButtonImageBuilder& builder, const QString& path, qint16 format) {
    const QByteArray packed = builder.packed();
    if (packed.isEmpty())
        return false;
    return PictureCodec::write(PackedDib::toImage(packed), path, format, bitsOf(format), 2) == 0;
}

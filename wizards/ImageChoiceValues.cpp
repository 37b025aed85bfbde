#include "wizards/ImageChoiceValues.h"

#include "model/Prompter.h"
#include "model/Strings.h"
#include "wizards/MapNameValues.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

void ImageChoiceValues::load(const QString& htmlPath) {
    m_htmlPath = htmlPath;
    m_page = PageSummary::read(htmlPath);
    m_selected = -1;
    m_added = false;
    m_agreed.clear();
}

QString ImageChoiceValues::resolvedPath(int row) const {
    if (row < 0 || row >= rowCount())
        return {};
    QString src = QFile::decodeName(m_page.images[row].src);
    src.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (src.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(src);
    return QDir::cleanPath(QFileInfo(m_htmlPath).absoluteDir().filePath(src));
}

QString ImageChoiceValues::sizeText(int row) const {
    const QSize size = QImageReader(resolvedPath(row)).size();
    if (size.width() <= 0 || size.height() <= 0)
        return {};
    return Strings::format(Str::SizeFormat, size.width(), size.height());
}

void ImageChoiceValues::addImage(const QString& imagePath, int insertOffset) {
    m_added = true;
    m_addedImage = imagePath;
    m_addedOffset = insertOffset;
}

bool ImageChoiceValues::next(DocumentDialogs::NewMap& result) {
    if (m_added) {
        m_added = false;
        result.imagePath = m_addedImage;
        result.title = MapNameValues::nameOfPicture(m_addedImage);
        result.insertOffset = m_addedOffset;
        result.imgTagOffset = -1;
        m_agreed.clear();
        return true;
    }
    if (m_selected < 0)
        return false;
    const PageSummary::Image& image = m_page.images[m_selected];
    if (!image.mapName.isEmpty() &&
        !Prompter::askYes(Strings::text(Str::ImageHasMap), Prompter::Icon::Question))
        return false;
    m_agreed = image.mapName;
    result.imagePath = resolvedPath(m_selected);
    result.title =
        image.mapName.isEmpty() ? MapNameValues::nameOfPicture(result.imagePath) : image.mapName;
    result.insertOffset = -1;
    result.imgTagOffset = image.offset;
    return true;
}

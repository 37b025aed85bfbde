#include "wizards/ImageSaveValues.h"

#include <QDir>
#include <QFileInfo>

namespace {

struct Extensions {
    const char* first;
    const char* second;
};
constexpr Extensions kExtensions[] = {{"gif", "gif"}, {"jpg", "jpeg"}, {"png", "ping"}};

// The name's extension (after its last dot, within its last path element).
QString extensionOf(const QString& name) {
    return QFileInfo(name).suffix();
}

} // namespace

void ImageSaveValues::setName(const QString& name) {
    m_name = name;
    const QString ext = extensionOf(name);
    for (int f = 0; f < 3; ++f) {
        if (ext.compare(QLatin1String(kExtensions[f].first), Qt::CaseInsensitive) == 0 ||
            ext.compare(QLatin1String(kExtensions[f].second), Qt::CaseInsensitive) == 0) {
            m_format = Format(f);
            return;
        }
    }
}

void ImageSaveValues::setFormat(Format format) {
    m_format = format;
    if (m_name.isEmpty())
        return;
    const QString ext = extensionOf(m_name);
    const Extensions& e = kExtensions[format];
    if (ext.compare(QLatin1String(e.first), Qt::CaseInsensitive) == 0 ||
        ext.compare(QLatin1String(e.second), Qt::CaseInsensitive) == 0)
        return;
    const QString base = ext.isEmpty() ? m_name : m_name.left(m_name.size() - ext.size() - 1);
    m_name = base + '.' + QLatin1String(e.first);
}

void ImageSaveValues::settle() {
    setName(m_name);
    setFormat(m_format);
}

QString ImageSaveValues::fullPath(const QString& folder) const {
    // A name typed with its folder is taken as it is.
    if (m_name.startsWith('/'))
        return QDir::cleanPath(m_name);
    if (folder.isEmpty() || folder.endsWith('/'))
        return folder + m_name;
    return folder + '/' + m_name;
}

qint16 ImageSaveValues::formatCode() const {
    static constexpr qint16 kCodes[] = {2, 10, 75};
    return kCodes[m_format];
}

#include "formats/SvgOverlayWriter.h"

#include "formats/LineScan.h"
#include "model/DefaultUrl.h"
#include "model/MapArea.h"
#include "model/MapInfo.h"
#include "model/MapText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QSaveFile>
#include <QUrl>

namespace {

constexpr const char* kOutline = "#1a5fd0";
constexpr const char* kFill = "rgba(26,95,208,.25)";

// Characters XML 1.0 cannot hold at all: C0 controls but tab, line feed
// and carriage return, the surrogates and U+FFFE, U+FFFF.
bool xmlChar(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || c >= 0x10000;
}

// A map text as the editor shows it, escaped for an XML attribute or text.
QByteArray escaped(const QByteArray& bytes) {
    QString out;
    for (char32_t c : MapText::toDisplay(LineScan::beforeNul(bytes).toByteArray()).toUcs4()) {
        if (!xmlChar(c))
            continue;
        switch (c) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '"':
            out += QLatin1String("&quot;");
            break;
        case '\t':
            out += QLatin1String("&#9;");
            break;
        case '\n':
            out += QLatin1String("&#10;");
            break;
        case '\r':
            out += QLatin1String("&#13;");
            break;
        default:
            out += QString::fromUcs4(&c, 1);
        }
    }
    return out.toUtf8();
}

QByteArray attribute(const char* name, const QByteArray& value) {
    return QByteArray(" ") + name + "=\"" + escaped(value) + '"';
}

QByteArray n(int v) {
    return QByteArray::number(v);
}

// A colour of the map's own attribute when it is one a style sheet can take
// safely (a name, "#hex", or rgb()/hsl() forms), else the fallback.
QByteArray colour(const MapInfo& info, QByteArrayView name, const char* fallback) {
    for (const TagAttribute& a : info.mapAttributes) {
        if (a.name.compare(name, Qt::CaseInsensitive) != 0 || a.value.isEmpty() ||
            a.value.size() > 64)
            continue;
        bool safe = true;
        for (char c : a.value) {
            safe = safe &&
                   (QChar::isLetterOrNumber(uchar(c)) || QByteArrayView("#(),.% -").contains(c));
        }
        if (safe)
            return a.value;
    }
    return fallback;
}

QByteArray shapeOf(const MapArea& area) {
    switch (area.shape()) {
    case AreaShape::Rectangle: {
        const PixelRect r = area.imageRect();
        return "<rect x=\"" + n(r.left) + "\" y=\"" + n(r.top) + "\" width=\"" +
               n(r.right - r.left) + "\" height=\"" + n(r.bottom - r.top) + "\"/>";
    }
    case AreaShape::Circle: {
        const CircleGeometry c = area.circle();
        return "<circle cx=\"" + n(c.x) + "\" cy=\"" + n(c.y) + "\" r=\"" + n(c.radius) + "\"/>";
    }
    case AreaShape::Polygon: {
        QByteArray points;
        for (int i = 0; i < area.vertexCount(); ++i)
            points += (i ? " " : "") + n(area.vertex(i).x()) + ',' + n(area.vertex(i).y());
        return "<polygon points=\"" + points + "\"/>";
    }
    }
    return {};
}

} // namespace

SvgOverlayWriter::SvgOverlayWriter(const MapInfo& info, int pictureWidth, int pictureHeight,
                                   const QByteArray& pictureHref)
    : m_width(pictureWidth), m_height(pictureHeight) {
    const QByteArray size = n(m_width) + ' ' + n(m_height);
    m_head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<svg xmlns=\"http://www.w3.org/2000/svg\" "
             "xmlns:xlink=\"http://www.w3.org/1999/xlink\" viewBox=\"0 0 " +
             size + "\">\n";
    if (!info.title.isEmpty())
        m_head += "<title>" + escaped(info.title) + "</title>\n";
    // Areas catch the pointer though they are not painted; the one under
    // the mouse or the keyboard focus shows its outline and a light fill.
    m_head += "<style>\n"
              ".area>*{fill:transparent;stroke:none}\n"
              ".area:hover>*,.area:focus>*{fill:" +
              colour(info, "data-tessary-fill", kFill) +
              ";stroke:" + colour(info, "data-tessary-outline", kOutline) +
              ";stroke-width:2;vector-effect:non-scaling-stroke}\n"
              ".area:focus{outline:none}\n"
              "</style>\n";
    m_head += "<image width=\"" + n(m_width) + "\" height=\"" + n(m_height) + '"' +
              attribute("href", pictureHref) + attribute("xlink:href", pictureHref) + "/>\n";
    if (DefaultUrl::isSet(info.defaultUrl))
        m_defaultUrl = info.defaultUrl;
}

void SvgOverlayWriter::writeArea(const MapArea& area) {
    QByteArray out = "<a class=\"area\"";
    if (DefaultUrl::isSet(area.url()))
        out += attribute("href", area.url());
    if (!area.target().isEmpty())
        out += attribute("target", area.target());
    out += attribute("aria-label", area.comment()) + '>';
    const QByteArray& title = area.title().isEmpty() ? area.comment() : area.title();
    if (!LineScan::beforeNul(title).isEmpty())
        out += "<title>" + escaped(title) + "</title>";
    out += shapeOf(area) + "</a>\n";
    m_areas.prepend(out);
}

QByteArray SvgOverlayWriter::finish() {
    QByteArray out = m_head;
    if (!m_defaultUrl.isEmpty()) {
        out += "<a" + attribute("href", m_defaultUrl) + "><rect width=\"" + n(m_width) +
               "\" height=\"" + n(m_height) + "\" fill=\"transparent\"/></a>\n";
    }
    return out + m_areas + "</svg>\n";
}

QByteArray SvgOverlayWriter::pictureLink(const QString& svgPath, const QString& picturePath) {
    const QString relative = QDir(QFileInfo(svgPath).absolutePath())
                                 .relativeFilePath(QFileInfo(picturePath).absoluteFilePath());
    return QUrl::toPercentEncoding(relative, "/");
}

QByteArray SvgOverlayWriter::dataUrl(const QByteArray& pictureBytes) {
    const QString mime = QMimeDatabase().mimeTypeForData(pictureBytes).name();
    return "data:" + mime.toLatin1() + ";base64," + pictureBytes.toBase64();
}

bool SvgOverlayWriter::pictureHref(const QString& svgPath, const QString& picturePath, bool embed,
                                   QByteArray& href) {
    if (!embed) {
        href = pictureLink(svgPath, picturePath);
        return true;
    }
    QFile file(picturePath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    href = dataUrl(file.readAll());
    return true;
}

bool SvgOverlayWriter::commit(const QString& svgPath, const QByteArray& text) {
    QSaveFile file(svgPath);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

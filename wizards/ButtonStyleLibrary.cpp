#include "wizards/ButtonStyleLibrary.h"

#include "formats/HtmlMapReader.h"
#include "formats/HtmlPageScan.h"
#include "formats/MappedFile.h"
#include "model/MapInfo.h"
#include "model/MapSink.h"
#include "model/MapText.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPolygonF>

#include <algorithm>

namespace {

// A library page is a small file; anything larger is not one.
constexpr qint64 kMaxLibraryBytes = 16 * 1024 * 1024;
// Library pictures are small strips of buttons.
constexpr int kMaxPictureSide = 8000;

// Collects the library map's areas into styles.
class StyleSink : public MapSink {
public:
    explicit StyleSink(QList<ButtonStyle>& styles) : m_styles(styles) {}

    void rectangle(const AreaTexts& texts, int left, int top, int right, int bottom) override {
        QPainterPath path;
        path.addRect(QRectF(QPointF(std::min(left, right), std::min(top, bottom)),
                            QPointF(std::max(left, right), std::max(top, bottom))));
        add(texts, path);
    }
    void circle(const AreaTexts& texts, int left, int top, int right, int bottom) override {
        QPainterPath path;
        path.addEllipse(QRectF(left, top, right - left, bottom - top));
        add(texts, path);
    }
    void beginPolygon() override { m_points.clear(); }
    void vertex(int x, int y) override {
        if (m_points.size() < ButtonStyleLibrary::kMaxPolygonPoints)
            m_points << QPointF(x, y);
    }
    void endPolygon(const AreaTexts& texts) override {
        if (m_points.size() < 3)
            return;
        QPainterPath path;
        path.setFillRule(Qt::WindingFill);
        path.addPolygon(m_points);
        path.closeSubpath();
        add(texts, path);
    }

private:
    void add(const AreaTexts& texts, const QPainterPath& path) {
        if (!texts.url.isEmpty()) {
            for (ButtonStyle& style : m_styles) {
                if (style.key == texts.url) {
                    style.shape = style.shape.united(path);
                    style.joined = true;
                    return;
                }
            }
        }
        if (m_styles.size() >= ButtonStyleLibrary::kMaxStyles)
            return;
        ButtonStyle style;
        style.caption = MapText::toDisplay(texts.comment);
        style.key = texts.url;
        style.shape = path;
        style.shape.setFillRule(Qt::WindingFill);
        m_styles << style;
    }

    QList<ButtonStyle>& m_styles;
    QPolygonF m_points;
};

} // namespace

bool ButtonStyleLibrary::load(const QString& path) {
    m_styles.clear();
    m_picture = QImage();
    m_path = path;
    MappedFile file;
    if (!file.open(path) || file.size() > kMaxLibraryBytes)
        return false;
    const HtmlPageScan scan = HtmlPageScan::scan(file.bytes());
    if (scan.maps.empty())
        return false;
    QList<ButtonStyle> styles;
    StyleSink sink(styles);
    MapInfo info;
    HtmlMapReader::loadMap(file.bytes(), scan, 0, sink, info);
    const QString pictureName = QString::fromUtf8(info.imageFile).replace('\\', '/');
    if (pictureName.isEmpty())
        return false;
    QImageReader reader(QFileInfo(path).dir().filePath(pictureName));
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxPictureSide || size.height() > kMaxPictureSide)
        return false;
    QImage picture = reader.read();
    if (picture.isNull())
        return false;
    m_picture = picture.convertToFormat(QImage::Format_RGB32);
    m_styles = styles;
    return true;
}

int ButtonStyleLibrary::find(const QString& name) const {
    for (int i = 0; i < m_styles.size(); ++i)
        if (QString::fromUtf8(m_styles[i].key) == name)
            return i;
    for (int i = 0; i < m_styles.size(); ++i)
        if (m_styles[i].caption == name)
            return i;
    return -1;
}

QImage ButtonStyleLibrary::pattern(int i) const {
    if (i < 0 || i >= m_styles.size())
        return {};
    return m_picture.copy(m_styles[i].box());
}

QPainterPath ButtonStyleLibrary::shapeAtOrigin(int i) const {
    if (i < 0 || i >= m_styles.size())
        return {};
    return m_styles[i].shape.translated(-QPointF(m_styles[i].box().topLeft()));
}

QString ButtonStyleLibrary::defaultPath(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("Buttons/Buttons.htm"));
}

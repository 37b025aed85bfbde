#include "document/ImageMapDoc.h"

#include "model/CancellingDocumentDialogs.h"
#include "model/MapText.h"
#include "model/Settings.h"
#include "model/Strings.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace {

// The folder part of a path ("" for a bare name) and the name part.
QString folderOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return {};
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

QString nameOf(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString joinPath(const QString& folder, const QString& name) {
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

} // namespace

CImageMapDoc::CImageMapDoc(DocumentDialogs* dialogs, PictureSource* pictures, QObject* parent)
    : QObject(parent), m_dialogs(dialogs), m_pictures(pictures) {
    recomposeNames();
}

CImageMapDoc::~CImageMapDoc() = default;

DocumentDialogs& CImageMapDoc::dialogs() const {
    static CancellingDocumentDialogs none;
    return m_dialogs ? *m_dialogs : none;
}

std::unique_ptr<MapArea> CImageMapDoc::newArea(AreaShape shape) const {
    return std::make_unique<MapArea>(shape, Settings::app().handleSize());
}

MapArea* CImageMapDoc::addArea(std::unique_ptr<MapArea> area) {
    if (!area || isFull())
        return nullptr;
    m_areas.push_back(std::move(area));
    setModified(true);
    emit areaAdded(areaCount() - 1);
    return m_areas.back().get();
}

void CImageMapDoc::deleteArea(int i) {
    if (!validIndex(i))
        return;
    const PixelRect extent = m_areas[i]->extent();
    m_areas.erase(m_areas.begin() + i);
    setModified(true);
    emit areaRemoved(i, extent);
}

void CImageMapDoc::deleteAllAreas() {
    if (m_areas.empty())
        return;
    m_areas.clear();
    setModified(true);
    emit allChanged(HintAll);
}

void CImageMapDoc::moveArea(int from, int to) {
    if (from == to || !validIndex(from) || !validIndex(to))
        return;
    const auto first = m_areas.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
    setModified(true);
    emit areaMoved(from, to);
}

bool CImageMapDoc::changeArea(int i, const std::function<void(MapArea&)>& edit) {
    MapArea* a = area(i);
    if (!a)
        return false;
    const PixelRect before = a->extent();
    edit(*a);
    setModified(true);
    emit areaChanged(i, before, a->extent());
    return true;
}

bool CImageMapDoc::nudgeArea(int i, int dx, int dy) {
    const MapArea* a = area(i);
    if (!a || isReadOnly())
        return false;
    // The box a polygon's vertices span (they may lie on the far edges),
    // else the picture rectangle.
    PixelRect box = a->imageRect();
    if (a->shape() == AreaShape::Polygon && a->vertexCount() > 0) {
        const QRect r = QPolygon(a->imageRing()).boundingRect();
        box = {r.left(), r.top(), r.right(), r.bottom()};
    }
    // Within the picture, or no farther out than the area already is.
    const PixelRect limit = m_image ? imageBounds() : MapArea::kDefaultLimit;
    dx = std::clamp(dx, std::min(0, limit.left - box.left), std::max(0, limit.right - box.right));
    dy = std::clamp(dy, std::min(0, limit.top - box.top), std::max(0, limit.bottom - box.bottom));
    if (dx == 0 && dy == 0)
        return false;
    return changeArea(i, [dx, dy](MapArea& m) {
        const QPoint d(dx, dy);
        const auto toView = [&m](QPoint p) { return p * m.scale() - m.origin(); };
        if (m.shape() != AreaShape::Polygon) {
            const PixelRect r = m.imageRect();
            const QPoint topLeft = toView(QPoint(r.left, r.top) + d);
            const QPoint bottomRight = toView(QPoint(r.right, r.bottom) + d);
            m.setRect(topLeft.x(), topLeft.y(), bottomRight.x(), bottomRight.y());
            return;
        }
        for (int k = 0; k < m.vertexCount(); ++k) {
            const QPoint v = toView(m.vertex(k) + d);
            m.setVertex(k, v.x(), v.y());
        }
    });
}

void CImageMapDoc::setAreaTexts(int i, const AreaTexts& texts) {
    changeArea(i, [&texts](MapArea& a) { a.setTexts(texts); });
}

void CImageMapDoc::setMapInfo(const MapInfo& info) {
    m_info = info;
    setModified(true);
    recomposeNames();
}

void CImageMapDoc::setModified(bool modified) {
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

// Splits the image and map paths into names and folders and composes the
// window title. A picture path without a folder (a name a map file gave) is
// taken relative to the map's folder, and "\" separators of such names
// become "/".
void CImageMapDoc::recomposeNames() {
    m_imagePath.replace(QLatin1Char('\\'), QLatin1Char('/'));
    m_mapName = nameOf(m_mapPath);
    m_mapFolder = folderOf(m_mapPath);
    if (!m_imagePath.isEmpty() && !m_mapFolder.isEmpty() && !m_imagePath.startsWith('/'))
        m_imagePath = QDir::cleanPath(joinPath(m_mapFolder, m_imagePath));
    m_imageName = nameOf(m_imagePath);
    m_imageFolder = folderOf(m_imagePath);

    const QString title =
        m_info.title.isEmpty() ? Strings::text(Str::UntitledMap) : MapText::toDisplay(m_info.title);
    const QString page = m_mapName.isEmpty() ? Strings::text(Str::UntitledPage) : m_mapName;
    const QString composed = title + Strings::text(Str::TitleImageLead) + m_imageName +
                             Strings::text(Str::TitlePageLead) + page +
                             Strings::text(Str::TitlePageEnd);
    if (composed != m_titleText) {
        m_titleText = composed;
        emit titleChanged(m_titleText);
    }
}

void CImageMapDoc::takeImageNames() {
    m_info.imageFolder = QFile::encodeName(m_imageFolder);
    m_info.imageFile = QFile::encodeName(m_imageName);
}

void CImageMapDoc::setImage(std::unique_ptr<LoadedImage> image) {
    m_image = std::move(image);
}

void CImageMapDoc::resetForLoad() {
    m_info = MapInfo{};
    m_info.defaultUrl = MapText::fromDisplay(Settings::app().defaultUrlLead);
    m_areas.clear();
    m_image.reset();
    m_path.clear();
    m_imagePath.clear();
    m_mapPath.clear();
    m_insertOffset = -1;
    m_fromWizard = false;
    recomposeNames();
}

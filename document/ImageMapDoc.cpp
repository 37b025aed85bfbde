#include "document/ImageMapDoc.h"

#include "document/AreaEditCommand.h"
#include "document/AreaInsertCommand.h"
#include "document/AreaOrderCommand.h"
#include "document/AreaReplaceCommand.h"
#include "document/MapInfoCommand.h"

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
    connect(&m_undo, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modifiedChanged(!clean); });
    connect(&m_undo, &QUndoStack::indexChanged, this, &CImageMapDoc::undoStateChanged);
    connect(&m_undo, &QUndoStack::cleanChanged, this, &CImageMapDoc::undoStateChanged);
    recomposeNames();
}

// The stack clears itself when it goes and would tell a document that is
// half gone.
CImageMapDoc::~CImageMapDoc() {
    disconnect(&m_undo, nullptr, this, nullptr);
}

DocumentDialogs& CImageMapDoc::dialogs() const {
    static CancellingDocumentDialogs none;
    return m_dialogs ? *m_dialogs : none;
}

std::unique_ptr<MapArea> CImageMapDoc::newArea(AreaShape shape) const {
    return std::make_unique<MapArea>(shape);
}

const MapArea* CImageMapDoc::addArea(std::unique_ptr<MapArea> area) {
    return addArea(std::move(area), Str::StepDrawArea);
}

const MapArea* CImageMapDoc::addArea(std::unique_ptr<MapArea> area, int stepName) {
    if (!area || isFull())
        return nullptr;
    const int index = areaCount();
    pushStep(new AreaInsertCommand(*this, AreaInsertCommand::Kind::Insert, index, std::move(area),
                                   Strings::text(stepName)));
    return this->area(index);
}

void CImageMapDoc::deleteArea(int i) {
    if (validIndex(i))
        pushStep(new AreaInsertCommand(*this, AreaInsertCommand::Kind::Remove, i, nullptr,
                                       Strings::text(Str::StepDeleteArea)));
}

void CImageMapDoc::cutArea(int i) {
    if (validIndex(i))
        pushStep(new AreaInsertCommand(*this, AreaInsertCommand::Kind::Remove, i, nullptr,
                                       Strings::text(Str::StepCut)));
}

void CImageMapDoc::deleteAllAreas() {
    if (!m_areas.empty())
        pushStep(
            new AreaReplaceCommand(*this, pictures(), {}, Strings::text(Str::StepDeleteAllAreas)));
}

void CImageMapDoc::moveArea(int from, int to) {
    if (from == to || !validIndex(from) || !validIndex(to))
        return;
    const int name = to == 0                 ? Str::StepBringToFront
                     : to == areaCount() - 1 ? Str::StepSendToBack
                                             : Str::StepReorderArea;
    pushStep(new AreaOrderCommand(*this, from, to, Strings::text(name)));
}

namespace {

// The name of a tool's change: what differs between before and after.
int stepNameOf(const PictureArea& before, const PictureArea& after) {
    PictureArea sameTexts = after;
    sameTexts.texts = before.texts;
    if (sameTexts == before)
        return Str::StepAreaSettings;
    if (before.shape == AreaShape::Polygon && after.shape == AreaShape::Polygon) {
        if (after.points.size() > before.points.size())
            return Str::StepInsertPoint;
        if (after.points.size() < before.points.size())
            return Str::StepDeletePoint;
    }
    const PixelRect b = before.bounds(), a = after.bounds();
    if (before.translated(a.left - b.left, a.top - b.top) == sameTexts)
        return Str::StepMoveArea;
    return Str::StepReshapeArea;
}

} // namespace

bool CImageMapDoc::changeArea(int i, const std::function<void(MapArea&)>& edit) {
    return changeArea(i, edit, 0);
}

bool CImageMapDoc::changeArea(int i, const std::function<void(MapArea&)>& edit, int stepName) {
    if (!validIndex(i))
        return false;
    const PictureArea before = m_areas[std::size_t(i)]->picture();
    MapArea edited = *m_areas[std::size_t(i)];
    edit(edited);
    const PictureArea after = edited.picture();
    if (after != before) {
        const QString text = Strings::text(stepName ? stepName : stepNameOf(before, after));
        pushStep(new AreaEditCommand(*this, i, before, after, text, false));
    }
    return true;
}

void CImageMapDoc::setAreaTexts(int i, const AreaTexts& texts) {
    if (const MapArea* a = area(i)) {
        PictureArea after = a->picture();
        after.texts = texts;
        pushAreaEdit(i, after, Str::StepAreaSettings, false);
    }
}

void CImageMapDoc::setMapInfo(const MapInfo& info) {
    MapInfo after = info;
    after.date = m_info.date;
    after.readOnly = m_info.readOnly;
    if (after != m_info)
        pushStep(new MapInfoCommand(*this, m_info, after, Strings::text(Str::StepEditMapInfo)));
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
    m_undo.clear();
    m_path.clear();
    m_imagePath.clear();
    m_mapPath.clear();
    m_insertOffset = -1;
    m_imgTagOffset = -1;
    m_fromWizard = false;
    recomposeNames();
}

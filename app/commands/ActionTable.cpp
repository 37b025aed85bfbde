#include "app/commands/ActionTable.h"

#include "model/Strings.h"
#include "model/UndoMenuText.h"
#include "model/ZoomLevel.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QKeySequence>
#include <QPixmap>
#include <QUndoGroup>
#include <QUndoStack>

#include <iterator>
#include <vector>

namespace {

enum class Kind { Plain, Check, Tool, Zoom, Undo, Redo };

// The toolbar pictures, in the order of the former strip of 16 x 15 bitmaps
// (res/icons/toolbar.png); each is drawn as res/icons/toolbar/<name>.svg.
enum Picture : int {
    NoPicture = -1,
    PicNewImageMap,
    PicCreateNewImage,
    PicOpen,
    PicSave,
    PicPreferences,
    PicCut,
    PicCopy,
    PicPaste,
    PicAbout,
    PicHelpContents,
    PicCascade,
    PicTile,
    PicKeepVisible,
    PicRectangle,
    PicCircle,
    PicPolygon,
    PicArrow,
    PicEditAreaInfo,
    PicDelete,
    PicMoveToFront,
    PicSendToBack,
    PicAreaList,
    PicZoomIn,
    PicZoomOut,
    PicEditMapInfo,
    PicGrid,
    PicTestMap,
    PicTrace,
    PicAlignLeft,
    PicAlignRight,
    PicAlignTop,
    PicAlignBottom,
    PicAlignHorizontalCentres,
    PicAlignVerticalCentres,
    PicDistributeHorizontally,
    PicDistributeVertically,
    PicSameWidth,
    PicSameHeight,
    PicSameSize,
};

constexpr int kPictureWidth = 16;
constexpr int kPictureHeight = 15;

const char* const kPictureNames[] = {"new-image-map",
                                     "create-new-image",
                                     "open",
                                     "save",
                                     "preferences",
                                     "cut",
                                     "copy",
                                     "paste",
                                     "about",
                                     "help-contents",
                                     "cascade",
                                     "tile",
                                     "keep-visible",
                                     "rectangle",
                                     "circle",
                                     "polygon",
                                     "arrow",
                                     "edit-area-info",
                                     "delete",
                                     "move-to-front",
                                     "send-to-back",
                                     "area-list",
                                     "zoom-in",
                                     "zoom-out",
                                     "edit-map-info",
                                     "grid",
                                     "test-map",
                                     "trace",
                                     "align-left",
                                     "align-right",
                                     "align-top",
                                     "align-bottom",
                                     "align-horizontal-centres",
                                     "align-vertical-centres",
                                     "distribute-horizontally",
                                     "distribute-vertically",
                                     "same-width",
                                     "same-height",
                                     "same-size"};
static_assert(std::size(kPictureNames) == PicSameSize + 1, "a toolbar picture without a name");

QKeySequence keys(QKeyCombination combination) {
    return QKeySequence(combination);
}

} // namespace

struct ActionTable::Entry {
    CommandId id;
    int textId;
    int picture;
    Kind kind;
    QList<QKeySequence> shortcuts;
};

namespace {

using C = CommandId;
constexpr Qt::KeyboardModifier Ctrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifier Shift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifier Keypad = Qt::KeypadModifier;

} // namespace

ActionTable::ActionTable(QObject* parent)
    : QObject(parent), m_tools(new QActionGroup(this)), m_zooms(new QActionGroup(this)),
      m_undoGroup(new QUndoGroup(this)) {
    m_tools->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    m_zooms->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const Entry& entry : entries())
        add(entry);
    followUndoTexts(action(CommandId::Undo), action(CommandId::Redo));
}

ActionTable::~ActionTable() = default;

QAction* ActionTable::makeAction(const Entry& entry) {
    if (entry.kind == Kind::Undo)
        return m_undoGroup->createUndoAction(this);
    if (entry.kind == Kind::Redo)
        return m_undoGroup->createRedoAction(this);
    return new QAction(this);
}

// The group names the step in Qt's words; the menus say it in the string
// table's ("&Undo Move 5 Areas", plain "&Undo" with nothing to undo), so
// the texts are set again after every change the group tells its actions.
void ActionTable::followUndoTexts(QAction* undo, QAction* redo) {
    QUndoGroup* group = m_undoGroup;
    const auto texts = [group, undo, redo] {
        undo->setText(UndoMenuText::undo(group->canUndo(), group->undoText()));
        redo->setText(UndoMenuText::redo(group->canRedo(), group->redoText()));
    };
    connect(group, &QUndoGroup::undoTextChanged, this, texts);
    connect(group, &QUndoGroup::canUndoChanged, this, texts);
    connect(group, &QUndoGroup::redoTextChanged, this, texts);
    connect(group, &QUndoGroup::canRedoChanged, this, texts);
    connect(group, &QUndoGroup::activeStackChanged, this, texts);
    texts();
}

bool ActionTable::followsItsOwnState(CommandId id) const {
    return id == CommandId::Undo || id == CommandId::Redo;
}

void ActionTable::add(const Entry& entry) {
    const CommandId id = entry.id;
    QAction* action = makeAction(entry);
    const std::optional<ZoomLevel> zoom = ZoomLevel::ofCommand(entry.id);
    action->setText(zoom ? Strings::format(entry.textId, zoom->num(), zoom->den())
                         : Strings::text(entry.textId));
    const QStringList help = Strings::text(CommandIds::promptTextId(id)).split(QLatin1Char('\n'));
    action->setStatusTip(help.value(0));
    action->setToolTip(help.value(1, action->text().remove(QLatin1Char('&'))));
    action->setShortcuts(entry.shortcuts);
    tag(action, id);
    if (entry.picture != NoPicture)
        action->setIcon(toolbarIcon(entry.picture));
    action->setCheckable(entry.kind == Kind::Check || entry.kind == Kind::Tool ||
                         entry.kind == Kind::Zoom);
    if (entry.kind == Kind::Tool)
        m_tools->addAction(action);
    else if (entry.kind == Kind::Zoom)
        m_zooms->addAction(action);
    // Undo and Redo go straight to the group.
    if (!followsItsOwnState(id))
        connect(action, &QAction::triggered, this, [this, id] { emit commandTriggered(id); });
    m_actions.emplace(id, action);
    m_ordered << action;
}

QAction* ActionTable::action(CommandId id) const {
    const auto found = m_actions.find(id);
    return found == m_actions.end() ? nullptr : found->second;
}

std::optional<CommandId> ActionTable::commandOf(const QAction* action) {
    if (!action || action->data().metaType() != QMetaType::fromType<CommandId>())
        return std::nullopt;
    return action->data().value<CommandId>();
}

void ActionTable::tag(QAction* action, CommandId id) {
    action->setData(QVariant::fromValue(id));
}

QString ActionTable::promptOf(CommandId id) {
    return Strings::text(CommandIds::promptTextId(id)).section(QLatin1Char('\n'), 0, 0);
}

QString ActionTable::toolbarPicturePath(int index) {
    return QStringLiteral(":/icons/toolbar/%1.svg").arg(QLatin1String(kPictureNames[index]));
}

// Qt's SVG icon engine draws the picture anew for each size and device
// pixel ratio asked for, so it stays sharp at 150 % and 200 %.
QIcon ActionTable::toolbarIcon(int index) {
    return QIcon(toolbarPicturePath(index));
}

QPixmap ActionTable::toolbarPicture(int index) {
    return toolbarIcon(index).pixmap(QSize(kPictureWidth, kPictureHeight));
}

// The file, edit and view commands with the zoom levels.
std::vector<ActionTable::Entry> ActionTable::entries() {
    using S = Entry;
    std::vector<S> table = {
        {C::NewImageMap,
         Str::ItemNewImageMap,
         PicNewImageMap,
         Kind::Plain,
         {keys(Ctrl | Qt::Key_N)}},
        {C::CreateNewImage, Str::ItemCreateNewImage, PicCreateNewImage, Kind::Plain, {}},
        {C::Open, Str::ItemOpen, PicOpen, Kind::Plain, {keys(Ctrl | Qt::Key_O)}},
        {C::Close, Str::ItemClose, NoPicture, Kind::Plain, {}},
        {C::Save, Str::ItemSave, PicSave, Kind::Plain, {keys(Ctrl | Qt::Key_S)}},
        {C::SaveAs, Str::ItemSaveAs, NoPicture, Kind::Plain, {}},
        {C::ChangeImage, Str::ItemChangeImage, NoPicture, Kind::Plain, {}},
        {C::ExportSvgOverlay, Str::ItemSvgOverlay, NoPicture, Kind::Plain, {}},
        {C::Preferences, Str::ItemPreferences, PicPreferences, Kind::Plain, {}},
        {C::Print, Str::ItemPrint, NoPicture, Kind::Plain, {keys(Ctrl | Qt::Key_P)}},
        {C::Exit, Str::ItemExit, NoPicture, Kind::Plain, {keys(Ctrl | Qt::Key_Q)}},
        {C::Undo,
         Str::ItemUndo,
         NoPicture,
         Kind::Undo,
         {keys(Ctrl | Qt::Key_Z), keys(Qt::AltModifier | Qt::Key_Backspace)}},
        {C::Redo,
         Str::ItemRedo,
         NoPicture,
         Kind::Redo,
         {keys(Ctrl | Qt::Key_Y), keys(Ctrl | Shift | Qt::Key_Z)}},
        {C::Cut,
         Str::ItemCut,
         PicCut,
         Kind::Plain,
         {keys(Ctrl | Qt::Key_X), keys(Shift | Qt::Key_Delete)}},
        {C::Copy,
         Str::ItemCopy,
         PicCopy,
         Kind::Plain,
         {keys(Ctrl | Qt::Key_C), keys(Ctrl | Qt::Key_Insert)}},
        {C::Paste,
         Str::ItemPaste,
         PicPaste,
         Kind::Plain,
         {keys(Ctrl | Qt::Key_V), keys(Shift | Qt::Key_Insert)}},
        {C::Delete,
         Str::ItemDelete,
         PicDelete,
         Kind::Plain,
         {keys(Qt::NoModifier | Qt::Key_Delete), keys(Qt::NoModifier | Qt::Key_Backspace)}},
        {C::SelectAll, Str::ItemSelectAll, NoPicture, Kind::Plain, {keys(Ctrl | Qt::Key_A)}},
        {C::EditAreaInfo,
         Str::ItemEditAreaInfo,
         PicEditAreaInfo,
         Kind::Plain,
         {keys(Qt::NoModifier | Qt::Key_Return), keys(Keypad | Qt::Key_Enter)}},
        {C::ViewToolbar, Str::ItemViewToolbar, NoPicture, Kind::Check, {}},
        {C::ViewStatusBar, Str::ItemViewStatusBar, NoPicture, Kind::Check, {}},
        {C::AreaList, Str::ItemAreaList, PicAreaList, Kind::Check, {}},
        {C::ZoomIn,
         Str::ItemZoomIn,
         PicZoomIn,
         Kind::Plain,
         {keys(Ctrl | Qt::Key_Equal), keys(Ctrl | Shift | Qt::Key_Equal), keys(Ctrl | Qt::Key_Plus),
          keys(Ctrl | Keypad | Qt::Key_Plus)}},
        {C::ZoomOut,
         Str::ItemZoomOut,
         PicZoomOut,
         Kind::Plain,
         {keys(Ctrl | Qt::Key_Minus), keys(Ctrl | Keypad | Qt::Key_Minus)}},
    };
    table.push_back({C::ZoomToFit,
                     Str::ItemZoomToFit,
                     NoPicture,
                     Kind::Plain,
                     {keys(Ctrl | Qt::Key_0), keys(Ctrl | Keypad | Qt::Key_0)}});
    // Every level; Ctrl+Shift+1 to 8 keep meaning 1:1 to 8:1.
    for (ZoomLevel level : ZoomLevel::levels()) {
        QList<QKeySequence> shortcuts;
        if (!level.isReducing() && level.num() <= 8)
            shortcuts << keys(Ctrl | Shift | Qt::Key(Qt::Key_0 + level.num()));
        table.push_back(
            {ZoomLevel::commandOf(level), Str::ItemZoomLevel, NoPicture, Kind::Zoom, shortcuts});
    }
    const std::vector<S> rest = mapAndWindowEntries();
    table.insert(table.end(), rest.begin(), rest.end());
    return table;
}

// The map window's commands, the frames' and help.
std::vector<ActionTable::Entry> ActionTable::mapAndWindowEntries() {
    return {
        {C::RectangleTool, Str::ItemRectangle, PicRectangle, Kind::Tool, {}},
        {C::CircleTool, Str::ItemCircle, PicCircle, Kind::Tool, {}},
        {C::PolygonTool, Str::ItemPolygon, PicPolygon, Kind::Tool, {}},
        {C::TraceTool, Str::ItemTrace, PicTrace, Kind::Tool, {}},
        {C::ArrowTool, Str::ItemArrow, PicArrow, Kind::Tool, {}},
        {C::EditMapInfo, Str::ItemEditMapInfo, PicEditMapInfo, Kind::Plain, {}},
        {C::MoveToFront, Str::ItemMoveToFront, PicMoveToFront, Kind::Plain, {}},
        {C::SendToBack, Str::ItemSendToBack, PicSendToBack, Kind::Plain, {}},
        {C::AlignLeft, Str::ItemAlignLeft, PicAlignLeft, Kind::Plain, {}},
        {C::AlignRight, Str::ItemAlignRight, PicAlignRight, Kind::Plain, {}},
        {C::AlignTop, Str::ItemAlignTop, PicAlignTop, Kind::Plain, {}},
        {C::AlignBottom, Str::ItemAlignBottom, PicAlignBottom, Kind::Plain, {}},
        {C::AlignHorizontalCentres,
         Str::ItemAlignHorizontalCentres,
         PicAlignHorizontalCentres,
         Kind::Plain,
         {}},
        {C::AlignVerticalCentres,
         Str::ItemAlignVerticalCentres,
         PicAlignVerticalCentres,
         Kind::Plain,
         {}},
        {C::DistributeHorizontally,
         Str::ItemDistributeHorizontally,
         PicDistributeHorizontally,
         Kind::Plain,
         {}},
        {C::DistributeVertically,
         Str::ItemDistributeVertically,
         PicDistributeVertically,
         Kind::Plain,
         {}},
        {C::SameWidth, Str::ItemSameWidth, PicSameWidth, Kind::Plain, {}},
        {C::SameHeight, Str::ItemSameHeight, PicSameHeight, Kind::Plain, {}},
        {C::SameSize, Str::ItemSameSize, PicSameSize, Kind::Plain, {}},
        {C::DeletePoint, Str::ItemDeletePoint, NoPicture, Kind::Plain, {}},
        {C::InsertPoint, Str::ItemInsertPoint, NoPicture, Kind::Plain, {}},
        {C::Grid, Str::ItemGrid, PicGrid, Kind::Check, {}},
        {C::GridSettings, Str::ItemGridSettings, NoPicture, Kind::Plain, {}},
        {C::CreateGuides, Str::ItemCreateGuides, NoPicture, Kind::Plain, {}},
        {C::TestMap, Str::ItemTestMap, PicTestMap, Kind::Plain, {}},
        {C::CheckMap, Str::ItemCheckMap, NoPicture, Kind::Plain, {}},
        {C::Cascade, Str::ItemCascade, PicCascade, Kind::Plain, {}},
        {C::Tile, Str::ItemTile, PicTile, Kind::Plain, {}},
        {C::Arrange, Str::ItemArrange, NoPicture, Kind::Plain, {}},
        {C::KeepVisible, Str::ItemKeepVisible, PicKeepVisible, Kind::Check, {}},
        {C::HelpContents, Str::ItemHelpContents, PicHelpContents, Kind::Plain, {}},
        {C::Help, Str::ItemHelp, NoPicture, Kind::Plain, {keys(Qt::NoModifier | Qt::Key_F1)}},
        {C::About, Str::ItemAbout, PicAbout, Kind::Plain, {}},
        {C::Welcome, Str::ItemWelcome, NoPicture, Kind::Plain, {}},
        {C::NextPane,
         Str::ItemNextPane,
         NoPicture,
         Kind::Plain,
         {keys(Qt::NoModifier | Qt::Key_F6)}},
        {C::PreviousPane,
         Str::ItemPreviousPane,
         NoPicture,
         Kind::Plain,
         {keys(Shift | Qt::Key_F6)}},
    };
}

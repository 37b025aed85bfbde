#include "app/shell/ActionTable.h"

#include "model/Strings.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QPixmap>

#include <vector>

namespace {

enum class Kind { Plain, Check, Tool, Zoom };

// Pictures of the toolbar strip (res/icons/toolbar.png), in strip order.
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
};

constexpr int kPictureWidth = 16;
constexpr int kPictureHeight = 15;

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
    : QObject(parent), m_tools(new QActionGroup(this)), m_zooms(new QActionGroup(this)) {
    m_tools->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    m_zooms->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const Entry& entry : entries())
        add(entry);
}

void ActionTable::add(const Entry& entry) {
    const int id = int(entry.id);
    auto* action = new QAction(this);
    const int zoom = zoomOfCommand(entry.id);
    action->setText(zoom ? QString::asprintf(Strings::raw(entry.textId), zoom)
                         : Strings::text(entry.textId));
    const QStringList help = Strings::text(id).split(QLatin1Char('\n'));
    action->setStatusTip(help.value(0));
    action->setToolTip(help.value(1, action->text().remove(QLatin1Char('&'))));
    action->setShortcuts(entry.shortcuts);
    action->setData(id);
    if (entry.picture != NoPicture)
        action->setIcon(QIcon(toolbarPicture(entry.picture)));
    action->setCheckable(entry.kind != Kind::Plain);
    if (entry.kind == Kind::Tool)
        m_tools->addAction(action);
    else if (entry.kind == Kind::Zoom)
        m_zooms->addAction(action);
    connect(action, &QAction::triggered, this, [this, id] { emit commandTriggered(id); });
    m_actions.insert(id, action);
    m_ordered << action;
}

int ActionTable::commandOf(const QAction* action) {
    return action ? action->data().toInt() : 0;
}

QPixmap ActionTable::toolbarPicture(int index) {
    static const QPixmap strip(QStringLiteral(":/icons/toolbar.png"));
    return strip.copy(index * kPictureWidth, 0, kPictureWidth, kPictureHeight);
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
         Kind::Plain,
         {keys(Ctrl | Qt::Key_Z), keys(Qt::AltModifier | Qt::Key_Backspace)}},
        {C::Redo,
         Str::ItemRedo,
         NoPicture,
         Kind::Plain,
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
    for (int n = 1; n <= 8; ++n) {
        table.push_back({CommandId(int(C::Zoom1) + n - 1),
                         Str::ItemZoom,
                         NoPicture,
                         Kind::Zoom,
                         {keys(Ctrl | Shift | Qt::Key(Qt::Key_0 + n))}});
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
        {C::ArrowTool, Str::ItemArrow, PicArrow, Kind::Tool, {}},
        {C::EditMapInfo, Str::ItemEditMapInfo, PicEditMapInfo, Kind::Plain, {}},
        {C::MoveToFront, Str::ItemMoveToFront, PicMoveToFront, Kind::Plain, {}},
        {C::SendToBack, Str::ItemSendToBack, PicSendToBack, Kind::Plain, {}},
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

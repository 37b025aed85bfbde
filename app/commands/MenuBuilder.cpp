#include "app/commands/MenuBuilder.h"

#include "app/commands/ActionTable.h"
#include "model/CommandIds.h"
#include "model/Strings.h"
#include "model/ZoomLevel.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolTip>

namespace {

using C = CommandId;
using Items = MenuBuilder::Items;
constexpr std::nullopt_t kSeparator = std::nullopt;
// Marks the dynamic actions (recent files, windows) a menu rebuilds.
const char* const kDynamic = "tessaryDynamic";

Items zoomLevels() {
    Items ids;
    for (ZoomLevel level : ZoomLevel::levels())
        ids << ZoomLevel::commandOf(level);
    return ids;
}

void addItems(QWidget* to, const ActionTable& actions, const Items& items) {
    for (const std::optional<CommandId>& item : items) {
        if (!item) {
            auto* separator = new QAction(to);
            separator->setSeparator(true);
            to->addAction(separator);
        } else if (QAction* action = actions.action(*item)) {
            to->addAction(action);
        }
    }
}

void dropDynamic(QMenu* menu) {
    for (QAction* action : menu->actions()) {
        if (action->property(kDynamic).toBool())
            delete action;
    }
}

QAction* dynamicAction(QMenu* menu, const QString& text) {
    auto* action = new QAction(text, menu);
    action->setProperty(kDynamic, true);
    return action;
}

QAction* dynamicSeparator(QMenu* menu) {
    QAction* separator = dynamicAction(menu, QString());
    separator->setSeparator(true);
    return separator;
}

// A recent file as the menu shows it: the home folder as "~".
QString shownPath(const QString& path) {
    const QString home = QDir::homePath();
    if (path.startsWith(home + QLatin1Char('/')))
        return QStringLiteral("~") + path.mid(home.size());
    return path;
}

} // namespace

MenuBuilder::MenuBuilder(const ActionTable& actions, Sources sources, QObject* parent)
    : QObject(parent), m_actions(actions), m_sources(std::move(sources)) {}

void MenuBuilder::watch(QMenu* menu) {
    // An area's tip would stand over the menu's items. The items' states
    // are up to date already: they follow what they depend on.
    connect(menu, &QMenu::aboutToShow, this, [] { QToolTip::hideText(); });
}

QMenu* MenuBuilder::addMenu(QMenuBar* bar, int titleId, const Items& items) {
    QMenu* menu = bar->addMenu(Strings::text(titleId));
    addItems(menu, m_actions, items);
    watch(menu);
    return menu;
}

void MenuBuilder::buildMenuBar(QMenuBar* bar, int menuId) {
    for (QAction* old : bar->actions()) {
        if (QMenu* menu = old->menu())
            menu->deleteLater();
    }
    bar->clear();
    const bool mapOpen = menuId == MapMenu;
    buildFileMenu(bar, mapOpen);
    if (mapOpen) {
        addMenu(bar, Str::MenuEdit,
                {C::Undo, C::Redo, kSeparator, C::Cut, C::Copy, C::Paste, C::Delete, C::SelectAll,
                 kSeparator, C::EditAreaInfo});
    }
    buildViewMenu(bar, mapOpen);
    if (mapOpen) {
        QMenu* mapping = addMenu(bar, Str::MenuMapping,
                                 {C::RectangleTool, C::CircleTool, C::PolygonTool, C::TraceTool,
                                  C::ArrowTool, kSeparator, C::EditMapInfo});
        // Mapping > Arrange, between the tools and Edit Map Info.
        QMenu* arrange = new QMenu(Strings::text(Str::MenuArrange), mapping);
        addItems(arrange, m_actions, arrangeItems());
        watch(arrange);
        QAction* before = m_actions.action(C::EditMapInfo);
        mapping->insertMenu(before, arrange);
        auto* separator = new QAction(mapping);
        separator->setSeparator(true);
        mapping->insertAction(before, separator);
        addMenu(bar, Str::MenuGoodies,
                {C::Grid, C::GridSettings, kSeparator, C::CreateGuides, kSeparator, C::TestMap,
                 C::CheckMap});
        buildWindowMenu(bar);
    }
    addMenu(bar, Str::MenuHelp, {C::HelpContents, kSeparator, C::About});
}

QMenu* MenuBuilder::buildFileMenu(QMenuBar* bar, bool mapOpen) {
    Items items = {C::NewImageMap, C::CreateNewImage, C::Open};
    if (mapOpen) {
        items << C::Close << kSeparator << C::Save << C::SaveAs << kSeparator << C::ChangeImage;
    }
    items << kSeparator << C::Preferences << kSeparator << C::Exit;
    QMenu* menu = addMenu(bar, Str::MenuFile, items);
    if (mapOpen) { // File > Export, after Change Image
        QMenu* exports = new QMenu(Strings::text(Str::MenuExport), menu);
        addItems(exports, m_actions, {C::ExportSvgOverlay});
        watch(exports);
        menu->insertMenu(
            menu->actions().value(items.indexOf(std::optional<CommandId>(C::ChangeImage)) + 1),
            exports);
    }
    QAction* exit = m_actions.action(C::Exit);
    connect(menu, &QMenu::aboutToShow, this,
            [this, menu, exit] { refreshRecentFiles(menu, exit); });
    refreshRecentFiles(menu, exit);
    return menu;
}

void MenuBuilder::refreshRecentFiles(QMenu* menu, QAction* before) {
    dropDynamic(menu);
    const QStringList files = m_sources.recentFiles ? m_sources.recentFiles() : QStringList();
    for (int i = 0; i < files.size(); ++i) {
        const QByteArray shown = shownPath(files[i]).toUtf8();
        QAction* action =
            dynamicAction(menu, Strings::format(Str::ItemRecentFile, i + 1, shown.constData()));
        const CommandId command = CommandIds::recentFile(i);
        action->setStatusTip(ActionTable::promptOf(command));
        ActionTable::tag(action, command);
        connect(action, &QAction::triggered, this, [this, command] {
            if (m_sources.command)
                m_sources.command(command);
        });
        menu->insertAction(before, action);
    }
    if (!files.isEmpty())
        menu->insertAction(before, dynamicSeparator(menu));
}

void MenuBuilder::buildViewMenu(QMenuBar* bar, bool mapOpen) {
    Items items = {C::ViewToolbar, C::ViewStatusBar};
    if (mapOpen)
        items << kSeparator << C::AreaList << kSeparator << C::ZoomIn << C::ZoomOut << C::ZoomToFit;
    QMenu* view = addMenu(bar, Str::MenuView, items);
    if (!mapOpen)
        return;
    QMenu* zoomTo = view->addMenu(Strings::text(Str::MenuZoomTo));
    addItems(zoomTo, m_actions, zoomLevels());
    watch(zoomTo);
}

void MenuBuilder::buildWindowMenu(QMenuBar* bar) {
    QMenu* menu = addMenu(bar, Str::MenuWindow, {C::Cascade, C::Tile, C::Arrange});
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { refreshWindows(menu); });
}

void MenuBuilder::refreshWindows(QMenu* menu) {
    dropDynamic(menu);
    const QList<WindowEntry> windows =
        m_sources.windows ? m_sources.windows() : QList<WindowEntry>();
    if (!windows.isEmpty())
        menu->addAction(dynamicSeparator(menu));
    for (int i = 0; i < windows.size(); ++i) {
        const QByteArray title = windows[i].title.toUtf8();
        QAction* action =
            dynamicAction(menu, Strings::format(Str::ItemWindow, i + 1, title.constData()));
        action->setCheckable(true);
        action->setChecked(windows[i].active);
        connect(action, &QAction::triggered, this, [this, i] {
            if (m_sources.activateWindow)
                m_sources.activateWindow(i);
        });
        menu->addAction(action);
    }
}

void MenuBuilder::fillMainToolBar(QToolBar* bar, const ActionTable& actions) {
    addItems(bar, actions,
             {C::NewImageMap, C::CreateNewImage, C::Open, C::Save, kSeparator, C::Preferences,
              kSeparator, C::Cut, C::Copy, C::Paste, kSeparator, C::About, C::HelpContents,
              kSeparator, C::Cascade, C::Tile, kSeparator, C::KeepVisible});
}

MenuBuilder::Items MenuBuilder::arrangeItems() {
    return {C::AlignLeft,
            C::AlignRight,
            C::AlignTop,
            C::AlignBottom,
            C::AlignHorizontalCentres,
            C::AlignVerticalCentres,
            kSeparator,
            C::DistributeHorizontally,
            C::DistributeVertically,
            kSeparator,
            C::SameWidth,
            C::SameHeight,
            C::SameSize};
}

void MenuBuilder::fillMapToolBar(QToolBar* bar, const ActionTable& actions) {
    addItems(bar, actions,
             {C::RectangleTool, C::CircleTool, C::PolygonTool, C::TraceTool, C::ArrowTool,
              kSeparator, C::EditAreaInfo, kSeparator, C::Delete, kSeparator, C::MoveToFront,
              C::SendToBack, kSeparator});
    addItems(bar, actions, arrangeItems());
    addItems(bar, actions,
             {kSeparator, C::AreaList, kSeparator, C::Save, kSeparator, C::ZoomIn, C::ZoomOut,
              kSeparator, C::EditMapInfo, kSeparator, C::Grid, kSeparator, C::TestMap});
}

QMenu* MenuBuilder::createZoomMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    addItems(menu, m_actions, zoomLevels());
    watch(menu);
    return menu;
}

QMenu* MenuBuilder::createContextMenu(int menuId, const ActionTable& actions, QWidget* parent) {
    const Items areaItems = {C::EditAreaInfo, C::Delete,  kSeparator, C::MoveToFront,
                             C::SendToBack,   kSeparator, C::Cut,     C::Copy};
    Items items;
    switch (menuId) {
    case 150:
        items = areaItems;
        break;
    case 151:
        items = {C::DeletePoint};
        break;
    case 152:
        items = {C::InsertPoint};
        break;
    case 153:
        items = Items{C::InsertPoint, kSeparator} + areaItems;
        break;
    case 154:
        items = Items{C::DeletePoint, kSeparator} + areaItems;
        break;
    case 155:
        items = {C::EditMapInfo, kSeparator,   C::RectangleTool, C::CircleTool,
                 C::PolygonTool, C::TraceTool, C::ArrowTool,     kSeparator,
                 C::ZoomIn,      C::ZoomOut,   C::ZoomToFit};
        break;
    default:
        return nullptr;
    }
    auto* menu = new QMenu(parent);
    addItems(menu, actions, items);
    if (menuId == 155) {
        QMenu* zoomTo = menu->addMenu(Strings::text(Str::MenuZoomTo));
        addItems(zoomTo, actions, zoomLevels());
        addItems(menu, actions,
                 {kSeparator, C::Grid, C::GridSettings, C::CreateGuides, kSeparator, C::Paste});
    }
    return menu;
}

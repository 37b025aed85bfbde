#include "app/shell/MenuBuilder.h"

#include "app/shell/ActionTable.h"
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
constexpr int kSeparator = 0;
// Marks the dynamic actions (recent files, windows) a menu rebuilds.
const char* const kDynamic = "tessaryDynamic";

int id(C command) {
    return int(command);
}

QList<int> zoomLevels() {
    QList<int> ids;
    for (ZoomLevel level : ZoomLevel::levels())
        ids << id(ZoomLevel::commandOf(level));
    return ids;
}

void addItems(QWidget* to, const ActionTable& actions, const QList<int>& items) {
    for (int item : items) {
        if (item == kSeparator) {
            auto* separator = new QAction(to);
            separator->setSeparator(true);
            to->addAction(separator);
        } else if (QAction* action = actions.action(item)) {
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
    connect(menu, &QMenu::aboutToShow, this, [this] {
        // An area's tip would stand over the menu's items.
        QToolTip::hideText();
        if (m_sources.beforeShow)
            m_sources.beforeShow();
    });
}

QMenu* MenuBuilder::addMenu(QMenuBar* bar, int titleId, const QList<int>& items) {
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
                {id(C::Undo), id(C::Redo), kSeparator, id(C::Cut), id(C::Copy), id(C::Paste),
                 id(C::Delete), id(C::SelectAll), kSeparator, id(C::EditAreaInfo)});
    }
    buildViewMenu(bar, mapOpen);
    if (mapOpen) {
        QMenu* mapping =
            addMenu(bar, Str::MenuMapping,
                    {id(C::RectangleTool), id(C::CircleTool), id(C::PolygonTool), id(C::TraceTool),
                     id(C::ArrowTool), kSeparator, id(C::EditMapInfo)});
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
                {id(C::Grid), id(C::GridSettings), kSeparator, id(C::CreateGuides), kSeparator,
                 id(C::TestMap), id(C::CheckMap)});
        buildWindowMenu(bar);
    }
    addMenu(bar, Str::MenuHelp, {id(C::HelpContents), kSeparator, id(C::About)});
}

QMenu* MenuBuilder::buildFileMenu(QMenuBar* bar, bool mapOpen) {
    QList<int> items = {id(C::NewImageMap), id(C::CreateNewImage), id(C::Open)};
    if (mapOpen) {
        items << id(C::Close) << kSeparator << id(C::Save) << id(C::SaveAs) << kSeparator
              << id(C::ChangeImage);
    }
    items << kSeparator << id(C::Preferences) << kSeparator << id(C::Exit);
    QMenu* menu = addMenu(bar, Str::MenuFile, items);
    if (mapOpen) { // File > Export, after Change Image
        QMenu* exports = new QMenu(Strings::text(Str::MenuExport), menu);
        addItems(exports, m_actions, {id(C::ExportSvgOverlay)});
        watch(exports);
        menu->insertMenu(menu->actions().value(items.indexOf(id(C::ChangeImage)) + 1), exports);
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
        action->setStatusTip(Strings::text(id(C::RecentFile1)).section(QLatin1Char('\n'), 0, 0));
        const int command = id(C::RecentFile1) + i;
        action->setData(command);
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
    QList<int> items = {id(C::ViewToolbar), id(C::ViewStatusBar)};
    if (mapOpen)
        items << kSeparator << id(C::AreaList) << kSeparator << id(C::ZoomIn) << id(C::ZoomOut)
              << id(C::ZoomToFit);
    QMenu* view = addMenu(bar, Str::MenuView, items);
    if (!mapOpen)
        return;
    QMenu* zoomTo = view->addMenu(Strings::text(Str::MenuZoomTo));
    addItems(zoomTo, m_actions, zoomLevels());
    watch(zoomTo);
}

void MenuBuilder::buildWindowMenu(QMenuBar* bar) {
    QMenu* menu = addMenu(bar, Str::MenuWindow, {id(C::Cascade), id(C::Tile), id(C::Arrange)});
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
             {id(C::NewImageMap), id(C::CreateNewImage), id(C::Open), id(C::Save), kSeparator,
              id(C::Preferences), kSeparator, id(C::Cut), id(C::Copy), id(C::Paste), kSeparator,
              id(C::About), id(C::HelpContents), kSeparator, id(C::Cascade), id(C::Tile),
              kSeparator, id(C::KeepVisible)});
}

QList<int> MenuBuilder::arrangeItems() {
    return {id(C::AlignLeft),
            id(C::AlignRight),
            id(C::AlignTop),
            id(C::AlignBottom),
            id(C::AlignHorizontalCentres),
            id(C::AlignVerticalCentres),
            kSeparator,
            id(C::DistributeHorizontally),
            id(C::DistributeVertically),
            kSeparator,
            id(C::SameWidth),
            id(C::SameHeight),
            id(C::SameSize)};
}

void MenuBuilder::fillMapToolBar(QToolBar* bar, const ActionTable& actions) {
    addItems(bar, actions,
             {id(C::RectangleTool), id(C::CircleTool), id(C::PolygonTool), id(C::TraceTool),
              id(C::ArrowTool), kSeparator, id(C::EditAreaInfo), kSeparator, id(C::Delete),
              kSeparator, id(C::MoveToFront), id(C::SendToBack), kSeparator});
    addItems(bar, actions, arrangeItems());
    addItems(bar, actions,
             {kSeparator, id(C::AreaList), kSeparator, id(C::Save), kSeparator, id(C::ZoomIn),
              id(C::ZoomOut), kSeparator, id(C::EditMapInfo), kSeparator, id(C::Grid), kSeparator,
              id(C::TestMap)});
}

QMenu* MenuBuilder::createZoomMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    addItems(menu, m_actions, zoomLevels());
    watch(menu);
    return menu;
}

QMenu* MenuBuilder::createContextMenu(int menuId, const ActionTable& actions, QWidget* parent) {
    const QList<int> areaItems = {id(C::EditAreaInfo), id(C::Delete),     kSeparator,
                                  id(C::MoveToFront),  id(C::SendToBack), kSeparator,
                                  id(C::Cut),          id(C::Copy)};
    QList<int> items;
    switch (menuId) {
    case 150:
        items = areaItems;
        break;
    case 151:
        items = {id(C::DeletePoint)};
        break;
    case 152:
        items = {id(C::InsertPoint)};
        break;
    case 153:
        items = QList<int>{id(C::InsertPoint), kSeparator} + areaItems;
        break;
    case 154:
        items = QList<int>{id(C::DeletePoint), kSeparator} + areaItems;
        break;
    case 155:
        items = {id(C::EditMapInfo), kSeparator,       id(C::RectangleTool), id(C::CircleTool),
                 id(C::PolygonTool), id(C::TraceTool), id(C::ArrowTool),     kSeparator,
                 id(C::ZoomIn),      id(C::ZoomOut),   id(C::ZoomToFit)};
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
                 {kSeparator, id(C::Grid), id(C::GridSettings), id(C::CreateGuides), kSeparator,
                  id(C::Paste)});
    }
    return menu;
}

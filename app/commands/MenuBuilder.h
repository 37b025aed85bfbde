#pragma once

#include "model/CommandIds.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class ActionTable;
class QAction;
class QMenu;
class QMenuBar;
class QToolBar;

// Builds the menus and toolbars of the main frame from the shared actions:
// menu 128 while no map is open, the document menu 129 while one is, the
// main toolbar (resource 128), the map window toolbar (10003) and the zoom
// menu 156. The recent files and the list of map windows are filled in
// each time their menu opens.
class MenuBuilder : public QObject {
    Q_OBJECT
public:
    enum MenuId : int { NoMapMenu = 128, MapMenu = 129, AreaMenu = 150, ZoomMenu = 156 };
    // A menu's or toolbar's items in order; none stands for a separator.
    using Items = QList<std::optional<CommandId>>;

    struct WindowEntry {
        QString title;
        bool active = false;
    };
    // What the menus ask the application for while they open.
    struct Sources {
        std::function<QStringList()> recentFiles;
        std::function<QList<WindowEntry>()> windows;
        std::function<void(int index)> activateWindow;
        std::function<void(CommandId id)> command; // a recent-file entry was chosen
    };

    MenuBuilder(const ActionTable& actions, Sources sources, QObject* parent = nullptr);

    // Replaces the menus of bar with menu 128 or 129.
    void buildMenuBar(QMenuBar* bar, int menuId);
    static void fillMainToolBar(QToolBar* bar, const ActionTable& actions);
    static void fillMapToolBar(QToolBar* bar, const ActionTable& actions);
    // Mapping > Arrange, also a group of the map toolbar.
    static Items arrangeItems();
    // Menu 156: Zoom To 1:1 to 8:1.
    QMenu* createZoomMenu(QWidget* parent);
    // The map view's context menus: 150 an area's items (Edit Area Info,
    // Delete, Move to Front, Send to Back, Cut, Copy), 151 Delete Point,
    // 152 Insert Point, 153 and 154 those with the area's items, 155 the
    // map's (Edit Map Info, the tools, zoom, Grid, Grid Settings, Create
    // Guides, Paste). Null for another id.
    static QMenu* createContextMenu(int menuId, const ActionTable& actions, QWidget* parent);

private:
    QMenu* addMenu(QMenuBar* bar, int titleId, const Items& items);
    QMenu* buildFileMenu(QMenuBar* bar, bool mapOpen);
    void buildViewMenu(QMenuBar* bar, bool mapOpen);
    void buildWindowMenu(QMenuBar* bar);
    void refreshRecentFiles(QMenu* menu, QAction* before);
    void refreshWindows(QMenu* menu);
    void watch(QMenu* menu);

    const ActionTable& m_actions;
    Sources m_sources;
};

#pragma once

#include "app/commands/MenuBuilder.h"
#include "model/CommandTarget.h"

#include <QList>
#include <QMainWindow>
#include <QStringList>

class ActionTable;
class QUndoGroup;
class AppDialogs;
class MyMDIChildWnd;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;
class StatusBar;

// The main frame: the multi-document area of the map windows, the main
// toolbar, the status bar and the menus (128 while no map is open, 129 while
// one is). Its title is the program's name and the active map's title. It is
// the frame's link of the command chain (Keep Visible, the Window commands,
// toolbar and status bar, the grid) and takes files dropped on it.
class MainFrame : public QMainWindow, public CommandTarget {
    Q_OBJECT
public:
    // sources: the recent files and the command for their entries (the
    // window list is the frame's own).
    MainFrame(ActionTable& actions, AppDialogs& dialogs, MenuBuilder::Sources sources,
              QWidget* parent = nullptr);
    ~MainFrame() override;

    QMdiArea* mdiArea() const { return m_mdi; }
    StatusBar* mainStatusBar() const { return m_status; }
    QToolBar* mainToolBar() const { return m_toolBar; }
    int currentMenu() const { return m_menu; }

    // Places a new map window, maximized when "MaximizeOnOpen" is set, and
    // makes it the active one.
    void addChild(MyMDIChildWnd* child);
    MyMDIChildWnd* activeChild() const;
    QList<MyMDIChildWnd*> children() const;

    // The active map window's links, then this frame's.
    QList<CommandTarget*> chain() const;
    bool onCommand(CommandId id) override;
    bool onUpdateCommand(CommandId id, CommandState& state) override;

    // "Keep Visible": toggles staying on top and the "Pinned" setting.
    void toggleKeepVisible();
    bool isKeptVisible() const;
    // Brings the frame to the front for a second start's arguments.
    void bringToFront();
    // Asks every changed map whether to save it: false when one refused.
    bool closeAllChildren();

signals:
    // Map files dropped on the frame, in the order given.
    void filesDropped(const QStringList& paths);
    // Another map window became active, or the last one closed.
    void activeChildChanged();
    // Something the commands' states depend on changed: the active map
    // window's state (its document, selection, zoom, tool, area list),
    // which window is active, the main toolbar's visibility.
    void commandStatesChanged();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void childActivated(QMdiSubWindow* window);
    // Stores the frame's size and whether it is maximized for the next start.
    void rememberSize() const;
    void childrenChanged();
    void followActiveStack();
    void updateTitle();
    void editGridSettings();
    void arrangeIcons();
    QList<MenuBuilder::WindowEntry> windowEntries() const;

    AppDialogs& m_dialogs;
    QUndoGroup& m_undoGroup;
    QMdiArea* m_mdi;
    StatusBar* m_status;
    QToolBar* m_toolBar;
    MenuBuilder* m_menus;
    QMenu* m_zoomMenu;
    int m_menu = 0;
};

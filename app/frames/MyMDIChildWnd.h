#pragma once

#include "app/frames/DocumentCommands.h"
#include "model/CommandTarget.h"

#include <QList>
#include <QMdiSubWindow>

#include <memory>

class ActionTable;
class ActiveStatusPanes;
class CImageMapDoc;
class DocumentServices;
class MapPane;
class MapToolBar;
class QMainWindow;
class QSplitter;
class StatusBar;
class ToolZoomState;

// The window of one open map: a QMainWindow inside the multi-document area,
// so that it can carry its own dockable map toolbar (with the window's tool
// and zoom), around a splitter with the area list on the left and the map
// view on the right. It owns its document and is the document's link to the
// command chain: view (zoom), document, this window (tools, Area List,
// Close, the panes). Shown for the first time without being maximized, it
// shrinks to fit a view larger than the picture needs.
class MyMDIChildWnd : public QMdiSubWindow, public CommandTarget {
    Q_OBJECT
public:
    static constexpr int kInitialPaneWidth = 150;
    static constexpr int kInitialPaneHeight = 250;

    MyMDIChildWnd(std::unique_ptr<CImageMapDoc> doc, DocumentServices& services,
                  const ActionTable& actions, StatusBar* status, QWidget* parent = nullptr);
    ~MyMDIChildWnd() override;

    CImageMapDoc& document() { return *m_doc; }
    MapPane& mapPane() { return *m_pane; }
    ToolZoomState& toolZoom();
    MapToolBar* mapToolBar() const { return m_toolBar; }
    QSplitter* splitter() const { return m_splitter; }
    QWidget* areaList() const { return m_list; }

    // The window's part of the command chain, view first.
    QList<CommandTarget*> chain();
    bool onCommand(CommandId id) override;
    bool onUpdateCommand(CommandId id, CommandState& state) override;

    // "Area List": hides the list, remembering its width and minimum
    // width, or brings it back as it was.
    void toggleAreaList();
    bool isAreaListVisible() const;
    // Asks whether to save a changed map: true when the window may close.
    bool saveModified();
    // This window became the active one.
    void activated();
    // The window is the multi-document area's current one.
    bool isCurrent() const;

signals:
    // The window closed and is on its way out.
    void closed();
    // Something this window's commands depend on changed: a step done,
    // undone or redone, the map opened anew or saved, the selection, the
    // zoom, the tool, the area list shown or hidden.
    void commandStatesChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildPanes(DocumentServices& services);
    void updateTitle();
    void shrinkToView();
    bool toolCommand(CommandId id);
    bool toolState(CommandId id, CommandState& state);
    void connectCommandStates();
    void switchPane();
    void checkMap();
    void leaveStatusBar();
    void connectAreaList();
    // A context menu (150 to 155) at a global point, its items' states as
    // this window's chain decides them.
    void openContextMenu(int menuId, QPoint global);
    CImageMapDoc::CommandContext commandContext();

    std::unique_ptr<CImageMapDoc> m_doc;
    const ActionTable& m_actions;
    // The status bar as this window's view writes it: only while current.
    std::unique_ptr<ActiveStatusPanes> m_panes;
    QMainWindow* m_inner;
    QSplitter* m_splitter = nullptr;
    QWidget* m_list = nullptr;
    std::unique_ptr<MapPane> m_pane;
    MapToolBar* m_toolBar;
    StatusBar* m_status;
    std::unique_ptr<DocumentCommands> m_docCommands;
    int m_listWidth = kInitialPaneWidth;
    int m_listMinimum = 0;
    bool m_toolBarDocked = false;
};

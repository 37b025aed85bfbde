// The main frame's commands: Keep Visible, the Window menu, the toolbar and
// status bar, and the application-wide snap grid.
#include "app/dialogs/AppDialogs.h"
#include "app/frames/MainFrame.h"
#include "app/frames/StatusBar.h"
#include "model/CommandIds.h"
#include "model/Settings.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolBar>

bool MainFrame::onCommand(CommandId id) {
    switch (id) {
    case CommandId::KeepVisible:
        toggleKeepVisible();
        return true;
    case CommandId::Cascade:
        m_mdi->cascadeSubWindows();
        return true;
    case CommandId::Tile:
        m_mdi->tileSubWindows();
        return true;
    case CommandId::Arrange:
        arrangeIcons();
        return true;
    case CommandId::ViewToolbar:
        m_toolBar->setVisible(m_toolBar->isHidden());
        return true;
    case CommandId::ViewStatusBar:
        m_status->setVisible(m_status->isHidden());
        return true;
    case CommandId::Grid:
        Settings::app().grid.enabled = !Settings::app().grid.enabled;
        Settings::announceChange();
        return true;
    case CommandId::GridSettings:
        editGridSettings();
        return true;
    default:
        return false;
    }
}

bool MainFrame::onUpdateCommand(CommandId id, CommandState& state) {
    switch (id) {
    case CommandId::KeepVisible:
        state.checked = isKeptVisible();
        return true;
    case CommandId::Cascade:
    case CommandId::Tile:
    case CommandId::Arrange:
        state.enabled = !m_mdi->subWindowList().isEmpty();
        return true;
    case CommandId::ViewToolbar:
        state.checked = !m_toolBar->isHidden();
        return true;
    case CommandId::ViewStatusBar:
        state.checked = !m_status->isHidden();
        return true;
    case CommandId::Grid:
        state.checked = Settings::app().grid.enabled;
        return true;
    case CommandId::GridSettings:
        return true;
    default:
        return false;
    }
}

void MainFrame::editGridSettings() {
    GridSettings grid = Settings::app().grid;
    if (!m_dialogs.editGridSettings(grid))
        return;
    Settings::app().grid = grid;
    Settings::app().save();
    Settings::announceChange();
}

// Lines the minimized map windows up along the bottom of the area, left to
// right, starting a row above when one is full.
void MainFrame::arrangeIcons() {
    const QSize area = m_mdi->viewport()->size();
    int x = 0;
    int y = -1;
    for (QMdiSubWindow* window : m_mdi->subWindowList()) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        if (y < 0)
            y = area.height() - size.height();
        if (x > 0 && x + size.width() > area.width()) {
            x = 0;
            y -= size.height();
        }
        window->move(x, y);
        x += size.width();
    }
}

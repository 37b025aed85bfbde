#include "app/frames/MyMDIChildWnd.h"

#include "app/commands/ActionTable.h"
#include "app/commands/CommandRouter.h"
#include "app/commands/MenuBuilder.h"
#include "app/frames/ActiveStatusPanes.h"
#include "app/frames/DocumentServices.h"
#include "app/frames/MapPane.h"
#include "app/frames/MapToolBar.h"
#include "app/frames/StatusBar.h"
#include "app/frames/TraceControls.h"
#include "document/ImageMapDoc.h"
#include "model/Prompter.h"
#include "model/Strings.h"
#include "view/AreaListPane.h"

#include <QCloseEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QSplitter>
#include <QTimer>

MyMDIChildWnd::MyMDIChildWnd(std::unique_ptr<CImageMapDoc> doc, DocumentServices& services,
                             const ActionTable& actions, StatusBar* status, QWidget* parent)
    : QMdiSubWindow(parent), m_doc(std::move(doc)), m_actions(actions),
      m_panes(std::make_unique<ActiveStatusPanes>(
          [this]() -> StatusPanes* { return isCurrent() ? m_status : nullptr; })),
      m_inner(new QMainWindow), m_toolBar(new MapToolBar(actions, m_inner)), m_status(status) {
    setAttribute(Qt::WA_DeleteOnClose);
    m_toolBar->hide();
    buildPanes(services);
    m_docCommands = std::make_unique<DocumentCommands>(*m_doc, [this] { return commandContext(); });
    m_docCommands->areaDialogClosed = [this] {
        // With a drawing tool the area just edited should not stay marked.
        if (toolZoom().tool() != ToolZoomState::Tool::Arrow) {
            m_pane->selectArea(-1);
            m_pane->endFlyby();
        }
    };
    connectAreaList();
    connectCommandStates();
    setWidget(m_inner);
    updateTitle();
    connect(m_doc.get(), &CImageMapDoc::titleChanged, this, [this] { updateTitle(); });
    connect(m_doc.get(), &CImageMapDoc::modifiedChanged, this, [this] { updateTitle(); });
    if (m_status)
        m_status->viewOpened();
}

MyMDIChildWnd::~MyMDIChildWnd() {
    // The panes read the document until they are gone.
    delete m_inner;
    m_pane.reset();
    leaveStatusBar();
}

void MyMDIChildWnd::leaveStatusBar() {
    if (m_status)
        m_status->viewClosed();
    m_status = nullptr;
}

void MyMDIChildWnd::buildPanes(DocumentServices& services) {
    m_splitter = new QSplitter(Qt::Horizontal, m_inner);
    m_splitter->setObjectName(QStringLiteral("mapSplitter"));
    m_pane = services.createMapPane(*m_doc, m_toolBar->toolZoom(),
                                    m_status ? m_panes.get() : nullptr, m_splitter);
    m_list = services.createAreaList(*m_doc, *m_pane, m_splitter);
    m_list->resize(kInitialPaneWidth, kInitialPaneHeight);
    m_pane->widget()->resize(kInitialPaneWidth, kInitialPaneHeight);
    m_splitter->addWidget(m_list);
    m_splitter->addWidget(m_pane->widget());
    // The map view takes whatever the list leaves.
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({kInitialPaneWidth, kInitialPaneWidth});
    m_inner->setCentralWidget(m_splitter);
    m_pane->setCommandPoster([this](CommandId id) { CommandRouter::dispatchAlong(chain(), id); });
    m_pane->setContextMenuHandler(
        [this](int menuId, QPoint global) { openContextMenu(menuId, global); });
    // Enter in the Trace settings leaves the keyboard with the map, where
    // the next Enter accepts the outline traced anew.
    connect(&m_toolBar->traceControls(), &TraceControls::entered, m_pane->widget(),
            [widget = m_pane->widget()] { widget->setFocus(Qt::OtherFocusReason); });
}

// The menu's items as this window's chain has them now (the point under
// the press decides Insert and Delete Point); items no link of the window
// answers for (Grid, Grid Settings) keep the state the application gave
// them on its last update.
void MyMDIChildWnd::openContextMenu(int menuId, QPoint global) {
    QMenu* menu = MenuBuilder::createContextMenu(menuId, m_actions, this);
    if (!menu)
        return;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QList<CommandTarget*> targets = chain();
    const auto update = [&targets](QMenu* m, const auto& self) -> void {
        for (QAction* action : m->actions()) {
            if (action->menu()) {
                self(action->menu(), self);
                continue;
            }
            CommandState state;
            const std::optional<CommandId> id = ActionTable::commandOf(action);
            if (!id || !CommandRouter::stateAlong(targets, *id, state))
                continue;
            action->setEnabled(state.enabled);
            if (action->isCheckable())
                action->setChecked(state.checked);
        }
    };
    update(menu, update);
    menu->popup(global);
}

void MyMDIChildWnd::connectAreaList() {
    auto* list = qobject_cast<AreaListPane*>(m_list);
    if (!list)
        return;
    list->onCommand = [this](CommandId id) { CommandRouter::dispatchAlong(chain(), id); };
    list->onAreaMenu = [this](const QPoint& at) { openContextMenu(150, at); };
}

// Every step pushed, undone or redone ends with the stack's notice, after
// all the area notices it made; a map opened anew or its picture changed
// tells all at once; the view tells its selection and zoom, the toolbar
// its tool, the splitter the area list's width.
void MyMDIChildWnd::connectCommandStates() {
    const auto changed = [this] { emit commandStatesChanged(); };
    connect(m_doc.get(), &CImageMapDoc::undoStateChanged, this, changed);
    connect(m_doc.get(), &CImageMapDoc::modifiedChanged, this, changed);
    connect(m_doc.get(), &CImageMapDoc::allChanged, this, changed);
    connect(&toolZoom(), &ToolZoomState::toolChanged, this, changed);
    connect(m_splitter, &QSplitter::splitterMoved, this, changed);
    m_pane->setCommandStateListener(changed);
}

ToolZoomState& MyMDIChildWnd::toolZoom() {
    return m_toolBar->toolZoom();
}

QList<CommandTarget*> MyMDIChildWnd::chain() {
    return {m_pane->commandTarget(), m_docCommands.get(), this};
}

CImageMapDoc::CommandContext MyMDIChildWnd::commandContext() {
    CImageMapDoc::CommandContext context;
    context.selected = m_pane->selectedArea();
    // The map view answers for Paste ahead of the document and asks the
    // clipboard itself; nothing else here depends on it.
    context.clipboardHasArea = false;
    return context;
}

void MyMDIChildWnd::showEvent(QShowEvent* event) {
    QMdiSubWindow::showEvent(event);
    if (m_toolBarDocked)
        return;
    m_toolBarDocked = true;
    m_inner->addToolBar(Qt::TopToolBarArea, m_toolBar);
    m_toolBar->show();
    // Once the toolbar and the splitter have their places.
    QTimer::singleShot(0, this, &MyMDIChildWnd::shrinkToView);
}

void MyMDIChildWnd::shrinkToView() {
    if (isMaximized() || isMinimized())
        return;
    QWidget* view = m_pane->widget();
    const QSize spare = (view->size() - view->sizeHint()).expandedTo(QSize(0, 0));
    if (spare.width() > 0 || spare.height() > 0)
        resize(size() - spare);
}

bool MyMDIChildWnd::isCurrent() const {
    QMdiArea* area = mdiArea();
    return area && area->currentSubWindow() == this;
}

void MyMDIChildWnd::changeEvent(QEvent* event) {
    // A maximized window's title would be merged into the main frame's,
    // which shows the document title by itself.
    if (event->type() == QEvent::WindowStateChange)
        updateTitle();
    QMdiSubWindow::changeEvent(event);
}

void MyMDIChildWnd::updateTitle() {
    setWindowTitle(isMaximized() ? QString() : m_doc->titleText() + QStringLiteral("[*]"));
    setWindowModified(m_doc->isModified());
}

void MyMDIChildWnd::activated() {
    m_pane->activated();
}

bool MyMDIChildWnd::isAreaListVisible() const {
    return m_splitter->sizes().value(0) > 0;
}

void MyMDIChildWnd::toggleAreaList() {
    const QList<int> sizes = m_splitter->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    if (isAreaListVisible()) {
        m_listWidth = sizes.value(0);
        m_listMinimum = m_list->minimumWidth();
        m_list->setMinimumWidth(0);
        m_splitter->setSizes({0, total});
        m_pane->widget()->setFocus();
    } else {
        m_list->setMinimumWidth(m_listMinimum);
        m_splitter->setSizes({m_listWidth, qMax(0, total - m_listWidth)});
    }
}

void MyMDIChildWnd::switchPane() {
    QWidget* view = m_pane->widget();
    const bool inView = view->isAncestorOf(focusWidget()) || view == focusWidget();
    if (inView && isAreaListVisible())
        m_list->setFocus();
    else
        view->setFocus();
}

bool MyMDIChildWnd::saveModified() {
    if (!m_doc->isModified())
        return true;
    const QByteArray title = m_doc->titleText().toUtf8();
    const Prompter::Answer answer =
        Prompter::current().ask(Strings::format(Str::SaveChangesQuestion, title.constData()),
                                Prompter::Buttons::YesNoCancel, Prompter::Icon::Exclamation);
    if (answer == Prompter::Answer::No)
        return true;
    if (answer != Prompter::Answer::Yes)
        return false;
    // Saving is the document's command; the window closes only once it
    // went through.
    CommandRouter::dispatchAlong(chain(), CommandId::Save);
    return !m_doc->isModified();
}

void MyMDIChildWnd::closeEvent(QCloseEvent* event) {
    if (!saveModified()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted()) {
        leaveStatusBar();
        emit closed();
    }
}

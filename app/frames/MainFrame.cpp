#include "app/frames/MainFrame.h"

#include "app/commands/ActionTable.h"
#include "app/frames/FrameSize.h"
#include "app/frames/MapPane.h"
#include "app/frames/MyMDIChildWnd.h"
#include "app/frames/StatusBar.h"
#include "document/ImageMapDoc.h"
#include "model/Settings.h"
#include "model/Strings.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QUndoGroup>

namespace {

QStringList localFiles(const QMimeData* data) {
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            files << url.toLocalFile();
    }
    return files;
}

} // namespace

MainFrame::MainFrame(ActionTable& actions, AppDialogs& dialogs, MenuBuilder::Sources sources,
                     QWidget* parent)
    : QMainWindow(parent), m_dialogs(dialogs), m_undoGroup(actions.undoGroup()),
      m_mdi(new QMdiArea(this)), m_status(new StatusBar(this)) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(QIcon(ActionTable::toolbarPicture(0)));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // QScreen and QWidget both count device-independent pixels, so the
        // frame takes the same share of the screen at any scale factor.
        const QRect room = screen->availableGeometry();
        const QSize remembered(Settings::readInt(Str::KeyFrameWidth, 0),
                               Settings::readInt(Str::KeyFrameHeight, 0));
        QRect frame(QPoint(), openingFrameSize(room.size(), remembered));
        frame.moveCenter(room.center());
        resize(frame.size());
        move(frame.topLeft());
        if (Settings::readInt(Str::KeyFrameMaximized, 0) != 0)
            setWindowState(windowState() | Qt::WindowMaximized);
    }
    setCentralWidget(m_mdi);
    setStatusBar(m_status);
    m_toolBar = addToolBar(Strings::text(Str::ToolbarMain));
    m_toolBar->setObjectName(QStringLiteral("mainToolBar"));
    m_toolBar->setIconSize(QSize(16, 15));
    MenuBuilder::fillMainToolBar(m_toolBar, actions);
    // The toolbar's own menu hides it too; View > Toolbar follows.
    connect(m_toolBar, &QToolBar::visibilityChanged, this, &MainFrame::commandStatesChanged);
    // Shortcuts of commands that are in no menu (Print, F1, F6) too, and
    // of the map menus while no map is open.
    addActions(actions.all());
    setAcceptDrops(true);

    sources.windows = [this] { return windowEntries(); };
    sources.activateWindow = [this](int index) {
        const QList<MyMDIChildWnd*> windows = children();
        if (index >= 0 && index < windows.size())
            m_mdi->setActiveSubWindow(windows[index]);
    };
    m_menus = new MenuBuilder(actions, std::move(sources), this);
    m_zoomMenu = m_menus->createZoomMenu(this);
    connect(m_status, &StatusBar::zoomMenuRequested, this,
            [this](const QPoint& at) { m_zoomMenu->popup(at); });
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &MainFrame::childActivated);
    connect(this, &MainFrame::activeChildChanged, this, &MainFrame::commandStatesChanged);
    childrenChanged();
}

MainFrame::~MainFrame() {
    // Map windows go first, while the status bar they tell is there; the
    // frame no longer follows activation meanwhile.
    disconnect(m_mdi, nullptr, this, nullptr);
    for (QMdiSubWindow* window : m_mdi->subWindowList())
        delete window;
}

void MainFrame::addChild(MyMDIChildWnd* child) {
    m_mdi->addSubWindow(child);
    child->setWindowIcon(windowIcon());
    connect(child, &MyMDIChildWnd::closed, this, &MainFrame::childrenChanged, Qt::QueuedConnection);
    connect(child, &QObject::destroyed, this, &MainFrame::childrenChanged, Qt::QueuedConnection);
    connect(&child->document(), &CImageMapDoc::titleChanged, this, &MainFrame::updateTitle);
    connect(&child->document(), &CImageMapDoc::modifiedChanged, this, &MainFrame::updateTitle);
    // Only the active window's changes reach the commands.
    connect(child, &MyMDIChildWnd::commandStatesChanged, this, [this, child] {
        if (child == activeChild())
            emit commandStatesChanged();
    });
    m_undoGroup.addStack(&child->document().undoStack());
    if (Settings::app().maximizeOnOpen)
        child->showMaximized();
    else
        child->show();
    m_mdi->setActiveSubWindow(child);
    childrenChanged();
}

MyMDIChildWnd* MainFrame::activeChild() const {
    // The current window stays current while a dialog or another program
    // has the focus.
    return qobject_cast<MyMDIChildWnd*>(m_mdi->currentSubWindow());
}

QList<MyMDIChildWnd*> MainFrame::children() const {
    QList<MyMDIChildWnd*> list;
    for (QMdiSubWindow* window : m_mdi->subWindowList()) {
        if (auto* child = qobject_cast<MyMDIChildWnd*>(window))
            list << child;
    }
    return list;
}

QList<CommandTarget*> MainFrame::chain() const {
    QList<CommandTarget*> links;
    if (MyMDIChildWnd* child = activeChild())
        links = child->chain();
    links << const_cast<MainFrame*>(this);
    return links;
}

void MainFrame::childActivated(QMdiSubWindow* window) {
    if (auto* child = qobject_cast<MyMDIChildWnd*>(window)) {
        m_status->viewActivated();
        child->activated();
    }
    followActiveStack();
    updateTitle();
    emit activeChildChanged();
}

// Edit > Undo and Redo act on the active map's steps; a read-only map
// offers none.
void MainFrame::followActiveStack() {
    MyMDIChildWnd* child = activeChild();
    CImageMapDoc* doc = child ? &child->document() : nullptr;
    m_undoGroup.setActiveStack(doc && !doc->isReadOnly() ? &doc->undoStack() : nullptr);
}

void MainFrame::childrenChanged() {
    followActiveStack();
    const int menu = children().isEmpty() ? MenuBuilder::NoMapMenu : MenuBuilder::MapMenu;
    if (menu != m_menu) {
        m_menu = menu;
        m_menus->buildMenuBar(menuBar(), menu);
    }
    updateTitle();
    emit activeChildChanged();
}

void MainFrame::updateTitle() {
    const QString program = Strings::text(Str::ProgramName);
    MyMDIChildWnd* child = activeChild();
    // "[*]" shows "*" while the active map has unsaved changes. Even
    // without a map the title holds it: a map window that is maximized
    // marks the frame as changed by itself, possibly before the frame
    // takes the map's title.
    if (!child) {
        setWindowTitle(program + QStringLiteral("[*]"));
        setWindowModified(false);
        return;
    }
    const QByteArray name = program.toUtf8();
    const QByteArray title = child->document().titleText().toUtf8();
    setWindowTitle(Strings::format(Str::FrameTitle, name.constData(), title.constData()) +
                   QStringLiteral("[*]"));
    setWindowModified(child->document().isModified());
}

QList<MenuBuilder::WindowEntry> MainFrame::windowEntries() const {
    QList<MenuBuilder::WindowEntry> entries;
    MyMDIChildWnd* active = activeChild();
    for (MyMDIChildWnd* child : children())
        entries.append({child->document().titleText(), child == active});
    return entries;
}

void MainFrame::toggleKeepVisible() {
    const bool pin = !isKeptVisible();
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, pin);
    Settings::app().pinned = pin;
    if (shown)
        show(); // changing the flag hides the window; it comes back in place
}

bool MainFrame::isKeptVisible() const {
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void MainFrame::bringToFront() {
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

bool MainFrame::closeAllChildren() {
    for (MyMDIChildWnd* child : children()) {
        if (!child->saveModified())
            return false;
    }
    for (MyMDIChildWnd* child : children()) {
        child->document().setModified(false); // already asked about
        child->close();
    }
    return true;
}

void MainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        QMainWindow::dragEnterEvent(event);
}

void MainFrame::dragMoveEvent(QDragMoveEvent* event) {
    if (!localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        QMainWindow::dragMoveEvent(event);
}

void MainFrame::dropEvent(QDropEvent* event) {
    const QStringList files = localFiles(event->mimeData());
    if (files.isEmpty()) {
        QMainWindow::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    // Opened once the drop is over: loading pictures runs event loops.
    QTimer::singleShot(0, this, [this, files] { emit filesDropped(files); });
}

// Kept in device-independent pixels, as the frame is sized, so that a
// size left at one scale factor opens as the same share of the screen.
void MainFrame::rememberSize() const {
    const bool maximized = isMaximized() || isFullScreen();
    const QRect normal = normalGeometry();
    const QSize size = maximized && normal.isValid() ? normal.size() : this->size();
    Settings::writeInt(Str::KeyFrameWidth, size.width());
    Settings::writeInt(Str::KeyFrameHeight, size.height());
    Settings::writeInt(Str::KeyFrameMaximized, maximized ? 1 : 0);
}

void MainFrame::closeEvent(QCloseEvent* event) {
    if (!closeAllChildren()) {
        event->ignore();
        return;
    }
    rememberSize();
    QMainWindow::closeEvent(event);
}

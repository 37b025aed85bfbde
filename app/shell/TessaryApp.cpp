#include "app/shell/TessaryApp.h"

#include "app/commands/ActionTable.h"
#include "app/commands/CommandRouter.h"
#include "app/dialogs/PrefsDesktop.h"
#include "app/dialogs/QtAppDialogs.h"
#include "app/frames/MainFrame.h"
#include "app/shell/AppDocumentServices.h"
#include "app/shell/Appearance.h"
#include "app/shell/CommandLine.h"
#include "app/shell/DocumentIdleClient.h"
#include "app/shell/DocumentManager.h"
#include "app/shell/QtPrompter.h"
#include "app/shell/RecoveryKeeper.h"
#include "document/ImageMapDoc.h"
#include "model/CommandIds.h"
#include "model/Settings.h"
#include "model/SettingsNotifier.h"
#include "model/Strings.h"
#include "model/Translation.h"
#include "view/ClipboardAreas.h"

#include <exception>

TessaryApp::TessaryApp(Options options)
    : m_options(std::move(options)), m_instance(m_options.instanceName) {
    connect(&m_instance, &SingleInstance::argumentsReceived, this, &TessaryApp::processArguments);
}

TessaryApp::~TessaryApp() {
    if (m_mapCheck)
        m_idle.removeClient(m_mapCheck.get());
    if (m_prompter)
        Prompter::install(nullptr);
    // The map windows close with the frame while the documents' services
    // live; nothing reacts to their going.
    if (m_frame)
        disconnect(m_frame.get(), nullptr, this, nullptr);
    m_frame.reset();
}

TessaryApp::StartResult TessaryApp::start(const QStringList& arguments) {
    try {
        return startSteps(arguments);
    } catch (const std::exception& failure) {
        Prompter::current().tellCaptioned(Strings::text(Str::StartupFailureCaption),
                                          QString::fromLocal8Bit(failure.what()),
                                          Prompter::Icon::Stop);
        return StartResult::Failed;
    }
}

TessaryApp::StartResult TessaryApp::startSteps(const QStringList& arguments) {
    if (m_instance.start(arguments) == SingleInstance::Role::HandedOver)
        return StartResult::HandedOver;
    // Component services and the clipboard format need no setting up here:
    // controls are widgets and the area format is a MIME type.
    Settings::app().load();
    // Before the first window: every text and colour comes out right.
    Translation::install(PrefsDesktop::language());
    Appearance::apply(PrefsDesktop::appearance());
    m_recent = RecentFiles(Settings::app().maxRecent);
    m_recent.load();
    createMainFrame();
    m_recent.dropMissing();

    processCommandLine(arguments);
    // Later starts' arguments that came meanwhile follow this copy's own.
    m_instance.setReady(true);
    if (m_options.showMainWindow)
        m_frame->show();
    if (Settings::app().pinned)
        m_router->post(CommandId::KeepVisible);
    // Maps a crash or a kill left behind are offered before anything else.
    m_router->post(CommandId::RecoverMaps);
    // The welcome is for a start that opened nothing: a map given on the
    // command line, or handed over before the welcome comes up, is what the
    // user wanted.
    if (!Settings::app().neverShowWelcome && m_frame->children().isEmpty()) {
        m_welcomeAtStart = true;
        m_router->post(CommandId::Welcome);
    }
    m_idle.restart();
    return StartResult::Running;
}

void TessaryApp::createMainFrame() {
    if (m_options.installPrompter) {
        m_prompter = std::make_unique<QtPrompter>();
        Prompter::install(m_prompter.get());
    }
    m_dialogs = m_options.dialogs;
    if (!m_dialogs) {
        m_ownDialogs = std::make_unique<QtAppDialogs>();
        m_dialogs = m_ownDialogs.get();
    }
    m_actions = std::make_unique<ActionTable>();
    MenuBuilder::Sources sources;
    sources.recentFiles = [this] { return m_recent.files(); };
    sources.command = [this](CommandId id) { m_router->dispatch(id); };
    m_frame = std::make_unique<MainFrame>(*m_actions, *m_dialogs, std::move(sources));
    if (m_prompter)
        m_prompter->setParent(m_frame.get());
    if (m_ownDialogs)
        static_cast<QtAppDialogs*>(m_ownDialogs.get())->setParent(m_frame.get());

    DocumentServices* services = m_options.services;
    if (!services) {
        m_ownServices = std::make_unique<AppDocumentServices>(m_frame.get());
        services = m_ownServices.get();
    }
    m_router = std::make_unique<CommandRouter>(*m_actions, [this] {
        QList<CommandTarget*> chain = m_frame->chain();
        chain << this;
        return chain;
    });
    m_documents = std::make_unique<DocumentManager>(*m_frame, *services, *m_actions, m_recent);
    connect(m_frame.get(), &MainFrame::filesDropped, m_documents.get(),
            &DocumentManager::openFiles);
    connect(m_frame.get(), &MainFrame::activeChildChanged, &m_idle, &IdleProcessor::restart);
    connect(m_documents.get(), &DocumentManager::documentChanged, &m_idle, &IdleProcessor::restart);
    followCommandStates();
    // The map check, one area of every open map per pass; the active
    // window's map reports to the state pane.
    m_mapCheck = std::make_unique<DocumentIdleClient>(
        *m_frame, [](CImageMapDoc& doc, int pass, MapCheckStatus* status) {
            return doc.runMapCheckStep(pass, status);
        });
    m_idle.addClient(m_mapCheck.get());
    m_router->refresh();
}

// The actions' states follow what they depend on, at once: the active map
// window and the frame (MainFrame::commandStatesChanged), the clipboard
// (Paste) and the settings (Grid). A command carried out brings them up to
// date by itself.
void TessaryApp::followCommandStates() {
    CommandRouter* router = m_router.get();
    const auto refresh = [router] { router->refresh(); };
    connect(m_frame.get(), &MainFrame::commandStatesChanged, router, refresh);
    connect(&ClipboardAreas::instance(), &ClipboardAreas::changed, router, refresh);
    connect(&Settings::notifier(), &SettingsNotifier::changed, router, refresh);
}

void TessaryApp::processCommandLine(const QStringList& arguments) {
    const CommandLineInfo info = CommandLineInfo::parse(arguments);
    if (info.showSwitches)
        m_dialogs->showCommandLineSwitches();
    ::processCommandLine(info, *m_documents);
}

void TessaryApp::processArguments(const QStringList& arguments) {
    if (!m_frame)
        return;
    m_frame->bringToFront();
    m_dialogs->closeWelcome();
    processCommandLine(arguments);
}

void TessaryApp::exit() {
    if (m_exited)
        return;
    m_exited = true;
    if (m_instance.role() == SingleInstance::Role::HandedOver || !m_instance.isLastCopy())
        return;
    Settings::app().save();
    m_recent.save();
    RecoveryKeeper::waitForWrites();
}

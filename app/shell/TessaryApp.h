#pragma once

#include "app/shell/IdleProcessor.h"
#include "app/shell/RecentFiles.h"
#include "app/shell/SingleInstance.h"
#include "model/CommandTarget.h"

#include <QObject>
#include <QPointer>

#include <memory>

class ActionTable;
class AppDialogs;
class CommandRouter;
class DocumentManager;
class DocumentServices;
class MainFrame;
class QtPrompter;

// The application object: starts the editor, owns its settings for the
// session, the recent files, the main frame, the idle work (the map check
// of every open map), what the commands' states follow, and the command
// chain's last link (New,
// Open, Preferences, About, Exit, the welcome dialog, the recent files), and stores the
// settings again at exit.
class TessaryApp : public QObject, public CommandTarget {
    Q_OBJECT
public:
    struct Options {
        // The single-instance socket.
        QString instanceName = SingleInstance::defaultName();
        // The application's dialogs; null for windows.
        AppDialogs* dialogs = nullptr;
        // Pictures, document dialogs and panes; null for the editor's own.
        DocumentServices* services = nullptr;
        // Installs a Prompter over message boxes (the editor; not tests).
        bool installPrompter = true;
        bool showMainWindow = true;
    };
    enum class StartResult { Running, HandedOver, Failed };

    explicit TessaryApp(Options options);
    ~TessaryApp() override;

    // Start-up: hand the arguments to a running copy and end, or load the
    // settings and the recent files, make the main frame, process the
    // command line, show the frame and offer the welcome dialog.
    StartResult start(const QStringList& arguments);
    // Stores the settings and the recent files when this is the last copy
    // running. Runs once.
    void exit();

    // A later start's arguments: the frame comes to the front and they
    // are processed as a command line.
    void processArguments(const QStringList& arguments);

    bool onCommand(CommandId id) override;
    bool onUpdateCommand(CommandId id, CommandState& state) override;

    MainFrame* mainFrame() const { return m_frame.get(); }
    RecentFiles& recentFiles() { return m_recent; }
    CommandRouter& router() const { return *m_router; }
    IdleProcessor& idle() { return m_idle; }
    DocumentManager& documents() const { return *m_documents; }
    ActionTable& actions() const { return *m_actions; }

private:
    StartResult startSteps(const QStringList& arguments);
    void createMainFrame();
    void processCommandLine(const QStringList& arguments);
    void openMap();
    void openRecent(int index);
    void welcome();
    void editPreferences();
    void followCommandStates();

    Options m_options;
    SingleInstance m_instance;
    RecentFiles m_recent;
    IdleProcessor m_idle;
    std::unique_ptr<QtPrompter> m_prompter;
    std::unique_ptr<AppDialogs> m_ownDialogs;
    std::unique_ptr<DocumentServices> m_ownServices;
    AppDialogs* m_dialogs = nullptr;
    std::unique_ptr<ActionTable> m_actions;
    std::unique_ptr<MainFrame> m_frame;
    std::unique_ptr<CommandRouter> m_router;
    std::unique_ptr<DocumentManager> m_documents;
    std::unique_ptr<IdleClient> m_mapCheck;
    bool m_exited = false;
    bool m_welcomeAtStart = false; // the welcome posted by start-up is pending
};

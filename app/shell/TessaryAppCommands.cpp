// The application's commands: New, Create New Image, Open, the recent
// files, Preferences, About, the user guide, Exit and the welcome dialog.
#include "app/commands/CommandRouter.h"
#include "app/dialogs/AppDialogs.h"
#include "app/dialogs/PrefsDesktop.h"
#include "app/frames/MainFrame.h"
#include "app/shell/Appearance.h"
#include "app/shell/DocumentManager.h"
#include "app/shell/RecoveryOffer.h"
#include "app/shell/TessaryApp.h"
#include "app/shell/UserGuide.h"
#include "model/CommandIds.h"
#include "model/ProgramFolder.h"
#include "model/Settings.h"
#include "model/UserFolders.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

static_assert(RecentFiles::kLimit <= CommandIds::kMaxRecentFiles,
              "a recent file without a command");

bool TessaryApp::onCommand(CommandId id) {
    if (const std::optional<int> index = CommandIds::recentFileIndex(id)) {
        openRecent(*index);
        return true;
    }
    switch (id) {
    case CommandId::NewImageMap:
        m_documents->newMap(QString(), QString(), false);
        return true;
    case CommandId::CreateNewImage:
        m_documents->newMap(QString(), QString(), true);
        return true;
    case CommandId::Open:
        openMap();
        return true;
    case CommandId::About:
        m_dialogs->showAbout();
        return true;
    case CommandId::HelpContents:
    case CommandId::Help:
        UserGuide::open();
        return true;
    case CommandId::Exit:
        m_frame->close();
        return true;
    case CommandId::Welcome:
        welcome();
        return true;
    case CommandId::RecoverMaps:
        RecoveryOffer::run(*m_dialogs, *m_documents);
        return true;
    case CommandId::Preferences:
        editPreferences();
        return true;
    default:
        return false;
    }
}

bool TessaryApp::onUpdateCommand(CommandId id, CommandState& state) {
    if (const std::optional<int> index = CommandIds::recentFileIndex(id)) {
        state.enabled = *index < m_recent.count();
        return true;
    }
    switch (id) {
    case CommandId::NewImageMap:
    case CommandId::CreateNewImage:
    case CommandId::Open:
    case CommandId::About:
    case CommandId::HelpContents:
    case CommandId::Help:
    case CommandId::Exit:
    case CommandId::Welcome:
    case CommandId::Preferences:
    case CommandId::RecoverMaps:
        return true;
    default:
        return false;
    }
}

void TessaryApp::openMap() {
    const QString folder = UserFolders::startFolder(Settings::app().lastMapFolder);
    QDir::setCurrent(folder);
    QString path;
    bool readOnly = false;
    if (!m_dialogs->openMapFile(folder, path, readOnly))
        return;
    Settings::app().lastMapFolder = QFileInfo(path).absolutePath();
    m_documents->openMapFile(path, QString(), readOnly);
}

void TessaryApp::openRecent(int index) {
    const QString path = m_recent.files().value(index);
    if (path.isEmpty())
        return;
    // A file that has gone since leaves the list.
    if (!m_documents->openMapFile(path, QString(), false) && !QFileInfo::exists(path))
        m_recent.remove(index);
}

void TessaryApp::welcome() {
    if (std::exchange(m_welcomeAtStart, false) && !m_frame->children().isEmpty())
        return;
    auto choice = AppDialogs::WelcomeChoice(qBound(0, Settings::app().lastUsedWelcome, 2));
    bool neverShow = false;
    if (!m_dialogs->runWelcome(choice, neverShow))
        return;
    Settings::app().lastUsedWelcome = int(choice);
    Settings::app().neverShowWelcome = neverShow;
    switch (choice) {
    case AppDialogs::WelcomeChoice::OpenMap:
        m_router->post(CommandId::Open);
        break;
    case AppDialogs::WelcomeChoice::NewImageMap:
        m_router->post(CommandId::NewImageMap);
        break;
    case AppDialogs::WelcomeChoice::CreateNewImage:
        m_router->post(CommandId::CreateNewImage);
        break;
    }
}

// On OK the settings are stored at once and everything that follows them
// (the map views' pens, brushes and handles) hears of the change.
void TessaryApp::editPreferences() {
    Settings values = Settings::app();
    bool clearRecent = false;
    if (!m_dialogs->editPreferences(values, m_recent.count(), clearRecent))
        return;
    Settings::app() = values;
    Settings::app().save();
    Appearance::apply(PrefsDesktop::appearance());
    if (clearRecent) {
        m_recent.clear();
        m_recent.save();
    }
    Settings::announceChange();
}

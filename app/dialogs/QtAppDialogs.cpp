#include "app/dialogs/QtAppDialogs.h"

#include "app/dialogs/AboutBox.h"
#include "app/dialogs/CommandLineSwitchesDialog.h"
#include "app/dialogs/GridSettingsDialog.h"
#include "app/dialogs/OpenMapDialog.h"
#include "app/dialogs/PrefsProps.h"
#include "app/dialogs/RecoverMapsDialog.h"
#include "app/dialogs/WelcomeDialog.h"

bool QtAppDialogs::openMapFile(const QString& folder, QString& path, bool& readOnly) {
    OpenMapDialog dialog(folder, m_parent);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenPath().isEmpty())
        return false;
    path = dialog.chosenPath();
    readOnly = dialog.readOnly();
    return true;
}

void QtAppDialogs::showCommandLineSwitches() {
    CommandLineSwitchesDialog dialog(m_parent);
    dialog.exec();
}

bool QtAppDialogs::runWelcome(WelcomeChoice& choice, bool& neverShow) {
    WelcomeDialog dialog(choice, m_parent);
    m_welcome = &dialog;
    const int result = dialog.exec();
    m_welcome = nullptr;
    if (result != QDialog::Accepted)
        return false;
    choice = dialog.choice();
    neverShow = dialog.neverShow();
    return true;
}

void QtAppDialogs::closeWelcome() {
    if (m_welcome)
        m_welcome->reject();
}

void QtAppDialogs::showAbout() {
    AboutBox box(m_parent);
    box.exec();
}

bool QtAppDialogs::editGridSettings(GridSettings& grid) {
    GridSettingsDialog dialog(grid, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    grid = dialog.result();
    return true;
}

bool QtAppDialogs::editPreferences(Settings& settings, int recentCount, bool& clearRecent) {
    CPrefsProps sheet(settings, recentCount, m_parent);
    if (sheet.exec() != QDialog::Accepted)
        return false;
    settings = sheet.result();
    clearRecent = sheet.clearRecentFiles();
    return true;
}

AppDialogs::RecoveryAction QtAppDialogs::chooseRecovery(const QList<RecoveryRow>& rows,
                                                        QList<int>& checked) {
    RecoverMapsDialog dialog(rows, m_parent);
    const RecoveryAction action = dialog.run();
    checked = dialog.checkedRows();
    return action;
}

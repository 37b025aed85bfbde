#pragma once

#include "model/GridSettings.h"

#include <QDateTime>
#include <QList>
#include <QString>

class Settings;

// The application's own dialogs, as the application and its frames run
// them. The running editor shows windows (QtAppDialogs); tests answer from
// scripts.
class AppDialogs {
public:
    // The welcome dialog's choices, in the order of its radio buttons.
    enum class WelcomeChoice : int { OpenMap = 0, NewImageMap = 1, CreateNewImage = 2 };

    virtual ~AppDialogs() = default;

    // The map file dialog of Open, starting in folder: false on Cancel,
    // else the chosen file and whether "read-only" was ticked.
    virtual bool openMapFile(const QString& folder, QString& path, bool& readOnly) = 0;
    // "Command Line Switches" (dialog 230).
    virtual void showCommandLineSwitches() = 0;
    // "Welcome to Tessary" (dialog 400), preset with choice: false on
    // Cancel, else the choice and the "Never show" box.
    virtual bool runWelcome(WelcomeChoice& choice, bool& neverShow) = 0;
    // Closes the welcome dialog as Cancel when it is showing (a map arrived
    // from a second start, and the welcome would stand over it).
    virtual void closeWelcome() {}
    // The About box.
    virtual void showAbout() = 0;
    // "Grid Settings" (dialog 221) on a copy of the grid: true on OK with
    // the copy as entered.
    virtual bool editGridSettings(GridSettings& grid) = 0;
    // "Preference Settings" on a copy of the settings, with the number of
    // recent files: true on OK with the copy as entered and whether the
    // recent-file list is to be cleared.
    virtual bool editPreferences(Settings& settings, int recentCount, bool& clearRecent) = 0;

    // One row of "Recover Maps": a recovery copy as the user knows its map.
    struct RecoveryRow {
        QString title;   // the map's title
        QString page;    // its page, or "New map"
        QString picture; // its picture file
        int areas = 0;
        QDateTime time; // when the copy was made
        bool recoverable = true;
        QString reason; // why not, when not recoverable
    };
    enum class RecoveryAction { Recover, Delete, Later };
    // "Recover Maps" over rows, the recoverable ones checked at first:
    // "Recover" (the default) or "Delete" with the rows then checked in
    // `checked`, or "Later". Without windows every copy is kept.
    virtual RecoveryAction chooseRecovery(const QList<RecoveryRow>& rows, QList<int>& checked) {
        (void)rows;
        checked.clear();
        return RecoveryAction::Later;
    }
};

#pragma once

#include "app/dialogs/AppDialogs.h"
#include "app/frames/DocumentServices.h"
#include "app/frames/MapPane.h"
#include "app/shell/AppDocumentServices.h"
#include "support/FakeDocumentDialogs.h"
#include "support/FakePictureSource.h"

#include <QStringList>

#include <functional>

// The application's dialogs answering from a script, counting their calls.
class ScriptedAppDialogs : public AppDialogs {
public:
    QList<QString> openAnswers; // paths the Open dialog gives, in turn; Cancel once used up
    bool openReadOnly = false;
    std::optional<std::pair<WelcomeChoice, bool>> welcomeAnswer; // unset cancels
    std::optional<GridSettings> gridAnswer;                      // unset cancels
    // Applied to the settings the preferences are opened with; unset cancels.
    std::function<void(Settings&)> preferencesAnswer;
    bool clearRecentAnswer = false;
    // "Recover Maps": each call takes the next answer (Later once used up)
    // with the rows it checks; every call's rows are kept.
    QList<std::pair<RecoveryAction, QList<int>>> recoveryAnswers;
    QList<QList<RecoveryRow>> recoveryShown;
    int welcomeShownAtFirstRecovery = -1;

    int openShown = 0;
    QStringList openFolders;
    int switchesShown = 0;
    int welcomeShown = 0;
    int welcomeClosed = 0;
    std::function<void()> duringWelcome; // runs while the welcome dialog shows
    WelcomeChoice welcomePreset = WelcomeChoice::OpenMap;
    int aboutShown = 0;
    int gridShown = 0;
    int preferencesShown = 0;
    int preferencesRecentCount = -1;

    bool openMapFile(const QString& folder, QString& path, bool& readOnly) override {
        ++openShown;
        openFolders << folder;
        if (openAnswers.isEmpty())
            return false;
        path = openAnswers.takeFirst();
        readOnly = openReadOnly;
        return true;
    }
    void showCommandLineSwitches() override { ++switchesShown; }
    bool runWelcome(WelcomeChoice& choice, bool& neverShow) override {
        ++welcomeShown;
        if (duringWelcome)
            duringWelcome();
        welcomePreset = choice;
        if (!welcomeAnswer)
            return false;
        choice = welcomeAnswer->first;
        neverShow = welcomeAnswer->second;
        return true;
    }
    void closeWelcome() override { ++welcomeClosed; }
    void showAbout() override { ++aboutShown; }
    bool editGridSettings(GridSettings& grid) override {
        ++gridShown;
        if (!gridAnswer)
            return false;
        grid = *gridAnswer;
        return true;
    }
    RecoveryAction chooseRecovery(const QList<RecoveryRow>& rows, QList<int>& checked) override {
        if (recoveryShown.isEmpty())
            welcomeShownAtFirstRecovery = welcomeShown;
        recoveryShown << rows;
        if (recoveryAnswers.isEmpty())
            return RecoveryAction::Later;
        const auto answer = recoveryAnswers.takeFirst();
        checked = answer.second;
        return answer.first;
    }
    bool editPreferences(Settings& settings, int recentCount, bool& clearRecent) override {
        ++preferencesShown;
        preferencesRecentCount = recentCount;
        if (!preferencesAnswer)
            return false;
        preferencesAnswer(settings);
        clearRecent = clearRecentAnswer;
        return true;
    }
};

// Documents with fake pictures (or the source given) and scripted dialogs,
// in the editor's own panes.
class TestDocumentServices : public DocumentServices {
public:
    FakePictureSource pictures;
    FakeDocumentDialogs dialogs;
    PictureSource* realPictures = nullptr; // used instead of the fake when set

    PictureSource* pictureSource() override {
        return realPictures ? realPictures : static_cast<PictureSource*>(&pictures);
    }
    DocumentDialogs* documentDialogs() override { return &dialogs; }
    std::unique_ptr<MapPane> createMapPane(CImageMapDoc& doc, ToolZoomState& toolZoom,
                                           StatusPanes* panes, QWidget* parent) override {
        return AppDocumentServices::mapViewPane(doc, toolZoom, panes, parent);
    }
    QWidget* createAreaList(CImageMapDoc& doc, MapPane& pane, QWidget* parent) override {
        return AppDocumentServices::areaList(doc, pane, parent);
    }
};

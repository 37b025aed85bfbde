// Where Open, Save As and the image file dialog start on a fresh profile:
// the user's documents, never the program's own folder, whatever the
// process's current folder is.
#include "app/dialogs/ImageFileDialog.h"
#include "app/dialogs/SaveMapDialog.h"
#include "model/ProgramFolder.h"
#include "model/Settings.h"
#include "model/UserFolders.h"
#include "support/QtTestApp.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFiles.h"
#include "support/WhenShown.h"

#include <QDir>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

class StartFolders : public ::testing::Test, protected TempFiles {
protected:
    void SetUp() override {
        qtTestApp();
        Settings::setStoreFolder(path("config"));
        Settings::app() = Settings();
        m_current = QDir::currentPath();
        QDir::setCurrent(ProgramFolder::path());
    }
    void TearDown() override {
        QDir::setCurrent(m_current);
        Settings::app() = Settings();
    }

    // The folder Save As opens in for request, and the path it hands back
    // when the proposed name is taken.
    QString saveFolder(DocumentDialogs::SaveAs& request, bool accept = false) {
        QString seen;
        whenShown<SaveMapDialog>([&](SaveMapDialog& d) {
            seen = d.directory().absolutePath();
            accept ? d.accept() : d.reject();
        });
        SaveMapDialog::choose(request);
        return seen;
    }

    ScriptedPrompter prompter;
    QString m_current;
};

} // namespace

TEST_F(StartFolders, SaveAsOfAnUntitledMapStartsInTheDocuments) {
    DocumentDialogs::SaveAs request;
    request.proposedName = "navbar.htm";
    EXPECT_EQ(saveFolder(request), UserFolders::documents());
    // A map read from the program's own sample is not saved back there.
    request.folder = ProgramFolder::path() + "/samples";
    EXPECT_EQ(saveFolder(request), UserFolders::documents());
    // The folder last worked in is offered, and a save there is remembered.
    QDir().mkpath(path("maps"));
    Settings::app().lastMapFolder = path("maps");
    request.folder.clear();
    EXPECT_EQ(saveFolder(request, true), path("maps"));
    EXPECT_EQ(request.path, path("maps/navbar.htm"));
    QDir().mkpath(path("other"));
    request.folder = path("other");
    EXPECT_EQ(saveFolder(request, true), path("other"));
    EXPECT_EQ(Settings::app().lastMapFolder, path("other"));
}

TEST_F(StartFolders, TheImageDialogStartsInTheDocuments) {
    EXPECT_EQ(ImageFileDialog::startFolder(), UserFolders::documents());
    Settings::app().lastImageFolder = ProgramFolder::path();
    EXPECT_EQ(ImageFileDialog::startFolder(), UserFolders::documents());
    QDir().mkpath(path("pictures"));
    Settings::app().lastImageFolder = path("pictures");
    EXPECT_EQ(ImageFileDialog::startFolder(), path("pictures"));
}

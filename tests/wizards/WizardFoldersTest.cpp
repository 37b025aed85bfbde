// Where the wizards' folder trees start and what they remember: the user's
// folders, never the program's own.
#include "model/ProgramFolder.h"
#include "model/Prompter.h"
#include "model/Settings.h"
#include "model/UserFolders.h"
#include "support/QtTestApp.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFiles.h"
#include "support/WhenShown.h"
#include "wizards/FileBrowser.h"
#include "wizards/ImageSavePage.h"
#include "wizards/ImageSaveValues.h"
#include "wizards/ImageWizard.h"
#include "wizards/NewMapPages.h"
#include "wizards/NewMapWizard.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

class WizardFolders : public ::testing::Test, protected TempFiles {
protected:
    void SetUp() override {
        qtTestApp();
        Settings::setStoreFolder(path("config"));
        Settings::app() = Settings();
        Prompter::install(&prompter);
        // A program started from its own folder: nothing may start there.
        m_current = QDir::currentPath();
        QDir::setCurrent(ProgramFolder::path());
    }
    void TearDown() override {
        QDir::setCurrent(m_current);
        Prompter::install(nullptr);
        Settings::app() = Settings();
    }

    // The Image wizard at its save page, the Pill style chosen.
    ImageSavePage* toSavePage(ImageWizard& wizard) {
        wizard.show();
        auto* styles = wizard.page(ImageWizard::StylePage)->findChild<QListWidget*>();
        styles->setCurrentRow(1);
        wizard.page(ImageWizard::StylePage)->findChildren<QRadioButton*>()[0]->click();
        wizard.next();
        wizard.next();
        return wizard.currentId() == ImageWizard::SavePage
                   ? static_cast<ImageSavePage*>(wizard.currentPage())
                   : nullptr;
    }

    ScriptedPrompter prompter;
    QString m_current;
};

} // namespace

TEST_F(WizardFolders, StartInTheUsersDocumentsNeverInTheProgramsFolder) {
    EXPECT_EQ(UserFolders::startFolder({}), UserFolders::documents());
    EXPECT_EQ(UserFolders::startFolder(ProgramFolder::path() + "/samples"),
              UserFolders::documents());
    EXPECT_EQ(UserFolders::startFolder(path("gone")), UserFolders::documents());
    QDir().mkpath(path("maps"));
    EXPECT_EQ(UserFolders::startFolder(path("maps")), path("maps"));
    EXPECT_NE(UserFolders::documents(), QDir::currentPath());

    ImageWizard wizard;
    ImageSavePage* save = toSavePage(wizard);
    ASSERT_TRUE(save);
    EXPECT_EQ(save->browser()->folder(), UserFolders::documents());
    wizard.reject();
    Settings::app().lastImageFolder = path("maps");
    ImageWizard again;
    save = toSavePage(again);
    ASSERT_TRUE(save);
    EXPECT_EQ(save->browser()->folder(), path("maps"));
}

// A new page: the tree starts in the documents; Finish remembers the page's
// and the picture's folders for Open, Save As and the next wizard.
TEST_F(WizardFolders, NewMapWizardStartsInDocumentsAndRemembersItsFolders) {
    const QString picture = write("art/logo.gif", "GIF89a");
    QString started;
    whenShown<NewMapWizard>([&](NewMapWizard& w) {
        static_cast<NewMapWizAA*>(w.page(NewMapWizard::AA))->choose(false);
        w.button(QWizard::NextButton)->click();
        auto* bb = static_cast<NewMapWizBB*>(w.currentPage());
        started = bb->browser()->folder();
        bb->browser()->openAt(path("pages"));
        bb->nameEdit()->setText("fresh");
        w.button(QWizard::NextButton)->click();
        static_cast<NewMapWizBC*>(w.currentPage())->browser()->openAt(picture);
        w.button(QWizard::NextButton)->click();
        w.button(QWizard::FinishButton)->click();
    });
    QDir().mkpath(path("pages"));
    DocumentDialogs::NewMap result;
    ASSERT_TRUE(NewMapWizard::run(result, {}));
    EXPECT_EQ(started, UserFolders::documents());
    EXPECT_EQ(result.mapPath, path("pages/fresh.htm"));
    EXPECT_EQ(Settings::app().lastMapFolder, path("pages"));
    EXPECT_EQ(Settings::app().lastImageFolder, path("art"));
}

// A full path typed as the name is taken as it is; a relative one joins the
// chosen folder. A failure names the path tried and goes once the name or
// the folder changes.
TEST_F(WizardFolders, ImageWizardTakesATypedFullPath) {
    ImageSaveValues values;
    values.setName("/some/folder/navbar");
    values.settle();
    EXPECT_EQ(values.fullPath("/home/user/"), "/some/folder/navbar.gif");
    values.setName("sub/navbar.png");
    EXPECT_EQ(values.fullPath("/home/user"), "/home/user/sub/navbar.png");

    QDir().mkpath(path("chosen"));
    QDir().mkpath(path("typed"));
    ImageWizard wizard;
    ImageSavePage* save = toSavePage(wizard);
    ASSERT_TRUE(save);
    ASSERT_TRUE(save->browser()->openAt(path("chosen")));
    auto* failure = save->findChild<QLabel*>("saveFailure");
    ASSERT_TRUE(failure);
    const auto type = [save](const QString& name) {
        save->nameEdit()->setText(name);
        emit save->nameEdit()->textEdited(name);
    };
    type(path("missing/navbar.png"));
    wizard.button(QWizard::FinishButton)->click();
    EXPECT_FALSE(failure->isHidden());
    EXPECT_TRUE(failure->text().contains("\"" + path("missing/navbar.png") + "\""))
        << failure->text().toStdString();
    type(path("typed/navbar"));
    EXPECT_TRUE(failure->isHidden());
    wizard.button(QWizard::FinishButton)->click();
    // The format chosen with the earlier name stays.
    EXPECT_EQ(wizard.savedImagePath(), path("typed/navbar.png"));
    EXPECT_TRUE(QFileInfo::exists(path("typed/navbar.png")));
    EXPECT_FALSE(QFileInfo::exists(path("chosen/navbar.png")));
    EXPECT_EQ(Settings::app().lastImageFolder, path("typed"));
    EXPECT_EQ(Settings::app().lastMapFolder, path("typed"));
}

TEST_F(WizardFolders, ImageWizardFailureGoesWhenTheFolderChanges) {
    QDir().mkpath(path("other"));
    ImageWizard wizard;
    ImageSavePage* save = toSavePage(wizard);
    ASSERT_TRUE(save);
    save->nameEdit()->setText(path("missing/x.png"));
    emit save->nameEdit()->textEdited(path("missing/x.png"));
    wizard.button(QWizard::FinishButton)->click();
    auto* failure = save->findChild<QLabel*>("saveFailure");
    ASSERT_TRUE(failure);
    EXPECT_FALSE(failure->isHidden());
    save->browser()->openAt(path("other"));
    EXPECT_TRUE(failure->isHidden());
}

// The tree shows the folder it opened at, however far down the tree it
// lies and however late the folders above it finish loading.
TEST_F(WizardFolders, FolderTreeScrollsToTheChosenFolder) {
    for (int i = 0; i < 80; ++i)
        QDir().mkpath(path(QStringLiteral("many/d%1").arg(i, 2, 10, QLatin1Char('0'))));
    const QString target = path("many/d79/inner");
    QDir().mkpath(target);
    FileBrowser browser;
    browser.resize(400, 160);
    ASSERT_TRUE(browser.openAt(target));
    browser.show();
    QTreeView* tree = browser.tree();
    const auto shown = [&] {
        const QModelIndex index = tree->currentIndex();
        return index.isValid() && tree->viewport()->rect().contains(tree->visualRect(index));
    };
    // Loading the folders takes a while; it has settled once nothing moves.
    QElapsedTimer clock;
    clock.start();
    int steady = 0;
    while (clock.elapsed() < 10000 && steady < 20) {
        QTest::qWait(25);
        steady = shown() ? steady + 1 : 0;
    }
    EXPECT_TRUE(shown());
    EXPECT_EQ(tree->currentIndex().data(QFileSystemModel::FilePathRole).toString(), target);
    // A folder chosen by the user stays where it was clicked.
    const QModelIndex above = tree->indexAbove(tree->currentIndex());
    ASSERT_TRUE(above.isValid());
    const int scroll = tree->verticalScrollBar()->value();
    tree->setCurrentIndex(above);
    QTest::qWait(100);
    EXPECT_EQ(tree->verticalScrollBar()->value(), scroll);
    EXPECT_EQ(browser.folder(), path("many/d79"));
}

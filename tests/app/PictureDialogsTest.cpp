// The image file dialog and "Missing Image", driven offscreen.
#include "app/dialogs/FileFilters.h"
#include "app/dialogs/ImageFileDialog.h"
#include "app/dialogs/MissingImageDialog.h"
#include "model/ProgramFolder.h"
#include "model/Settings.h"
#include "model/Strings.h"
#include "model/UserFolders.h"
#include "support/QtTestApp.h"
#include "support/ScriptedPrompter.h"
#include "support/WhenShown.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct SeenFileDialog {
    QString title;
    QStringList filters;
    QString folder;
    QString name;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
};

class ImageFileDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        qtTestApp();
        ASSERT_TRUE(dir.isValid());
        QDir(dir.path()).mkpath("last");
        QFile(dir.filePath("last/pic.gif")).open(QIODevice::WriteOnly);
        Settings::app().lastImageFolder = dir.filePath("last");
    }
    void TearDown() override { QDir::setCurrent(startFolder); }

    // Opens the dialog at startPath, notes what it shows, and accepts file
    // (cancels when empty).
    QString choose(const QString& startPath, const QString& file = {}) {
        whenShown<QFileDialog>([this, file](QFileDialog& d) {
            const auto* edit = d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            seen = {d.windowTitle(), d.nameFilters(), d.directory().absolutePath(),
                    edit ? edit->text() : QString(), d.fileMode()};
            if (file.isEmpty()) {
                d.reject();
                return;
            }
            d.selectFile(file);
            static_cast<QDialog&>(d).accept(); // as the Open button does
        });
        return ImageFileDialog::choose(startPath);
    }

    const QString startFolder = QDir::currentPath();
    QTemporaryDir dir;
    SeenFileDialog seen;
};

} // namespace

TEST_F(ImageFileDialogTest, AsksForAnExistingPictureWithTheImageFilters) {
    EXPECT_TRUE(choose("pic.gif").isEmpty()); // cancelled
    EXPECT_EQ(seen.title, "Open an existing Image (GIF/JPG/PNG) file");
    EXPECT_EQ(seen.filters,
              QStringList({"All Image Files (*.gif *.jpg *.jpeg *.png)", "GIF Files (*.gif)",
                           "JPG Files (*.jpg *.jpeg)", "PNG Files (*.png)", "All Files (*)"}));
    EXPECT_EQ(seen.mode, QFileDialog::ExistingFile);
}

TEST_F(ImageFileDialogTest, BareNameStartsInTheLastImageFolder) {
    EXPECT_EQ(choose("pic.gif", dir.filePath("last/pic.gif")), dir.filePath("last/pic.gif"));
    EXPECT_EQ(seen.folder, dir.filePath("last"));
    EXPECT_EQ(seen.name, "pic.gif");
    EXPECT_EQ(QDir::currentPath(), dir.filePath("last")); // the current folder, as well
}

TEST_F(ImageFileDialogTest, PathStartsInItsOwnFolder) {
    QDir(dir.path()).mkpath("current");
    choose(dir.filePath("current/now.png"));
    EXPECT_EQ(seen.folder, dir.filePath("current"));
    EXPECT_EQ(seen.name, "now.png");
    EXPECT_EQ(QDir::currentPath(), dir.filePath("last"));

    choose(dir.filePath("gone/now.png")); // a folder that is not there
    EXPECT_EQ(seen.folder, dir.filePath("last"));
}

TEST_F(ImageFileDialogTest, WithoutALastImageFolderItStartsInTheUsersDocuments) {
    // The same folder Open starts in without a last map folder: the user's
    // documents (else home), never the program's folder.
    const QString start = UserFolders::startFolder(QString());
    ASSERT_NE(start, ProgramFolder::path());
    for (const QString& last : {QString(), dir.filePath("removed")}) {
        Settings::app().lastImageFolder = last;
        choose(QString());
        EXPECT_EQ(seen.folder, start);
        EXPECT_EQ(QDir::currentPath(), start);
    }
}

namespace {

class MissingImageDialogTest : public ::testing::Test {
protected:
    void SetUp() override { qtTestApp(); }

    QPushButton* button(MissingImageDialog& d, QDialogButtonBox::StandardButton which) {
        return d.findChild<QDialogButtonBox*>()->button(which);
    }

    ScriptedPrompter prompter;
};

} // namespace

TEST_F(MissingImageDialogTest, NamesThePictureInQuotesOrLeavesABlank) {
    MissingImageDialog named("pic.gif");
    EXPECT_EQ(named.windowTitle(), "Missing Image");
    EXPECT_EQ(named.findChild<QLabel*>(QStringLiteral("text"))->text(),
              "Tessary is unable to locate the image file \" 'pic.gif' \" that goes with this "
              "map. You will have to manually locate it.");
    MissingImageDialog unnamed("");
    EXPECT_EQ(unnamed.findChild<QLabel*>(QStringLiteral("text"))->text(),
              "Tessary is unable to locate the image file \" \" that goes with this map. You "
              "will have to manually locate it.");
}

TEST_F(MissingImageDialogTest, OkLocatesCancelGivesUpHelpExplains) {
    whenShown<MissingImageDialog>([this](MissingImageDialog& d) {
        button(d, QDialogButtonBox::Help)->click();
        EXPECT_TRUE(d.isVisible()); // help leaves the choice open
        button(d, QDialogButtonBox::Ok)->click();
    });
    EXPECT_TRUE(MissingImageDialog::ask("pic.gif"));
    ASSERT_EQ(prompter.shown().size(), 1);
    EXPECT_EQ(prompter.shown()[0].icon, Prompter::Icon::Information);
    EXPECT_TRUE(prompter.texts()[0].contains("Choose Cancel to stop opening the map."));

    whenShown<MissingImageDialog>(
        [this](MissingImageDialog& d) { button(d, QDialogButtonBox::Cancel)->click(); });
    EXPECT_FALSE(MissingImageDialog::ask("pic.gif"));
}

TEST(FileFilters, ImageDialogFiltersInTemplateOrderThenAllFiles) {
    EXPECT_EQ(Strings::text(Str::ImageOpenTitle), "Open an existing Image (GIF/JPG/PNG) file");
    EXPECT_EQ(FileFilters::images(),
              QStringList({"All Image Files (*.gif *.jpg *.jpeg *.png)", "GIF Files (*.gif)",
                           "JPG Files (*.jpg *.jpeg)", "PNG Files (*.png)", "All Files (*)"}));
    EXPECT_EQ(FileFilters::filterOf("Map Files (*.map;*.imp)"), "Map Files (*.map *.imp)");
    EXPECT_EQ(FileFilters::filterOf("No patterns"), "No patterns");
}

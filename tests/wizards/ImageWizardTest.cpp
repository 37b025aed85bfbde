#include "wizards/ImageWizard.h"
#include "wizards/ButtonLayoutPage.h"
#include "wizards/FileBrowser.h"
#include "wizards/ImageSavePage.h"
#include "wizards/ImageSaveValues.h"
#include "wizards/LayoutValues.h"

#include "model/Settings.h"
#include "support/QtTestApp.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFiles.h"

#include <QColor>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

TEST(LayoutValuesTest, CountsClampAndCaptionsBeyondThemAreKept) {
    LayoutValues bar(LayoutValues::NavigationBar);
    EXPECT_EQ(bar.columns(), 4);
    EXPECT_EQ(bar.rows(), 1);
    EXPECT_EQ(bar.pageId(), 210);
    EXPECT_FALSE(bar.rowsEditable());
    EXPECT_EQ(bar.setRowsText("5"), "5"); // the bar's rows stay one
    EXPECT_EQ(bar.rows(), 1);
    // Typing 1 gives 2 and the edit shows 2; a cleared or non-numeric
    // edit counts as 0, so 2 as well.
    EXPECT_EQ(bar.setColumnsText("1"), "2");
    EXPECT_EQ(bar.setColumnsText(""), "2");
    EXPECT_EQ(bar.setColumnsText("x"), "2");
    EXPECT_EQ(bar.setColumnsText("12"), "9");
    EXPECT_EQ(bar.columns(), 9);

    LayoutValues grid(LayoutValues::CustomGrid);
    EXPECT_EQ(grid.columns(), 4);
    EXPECT_EQ(grid.rows(), 4);
    grid.setCaption(3, 0, "Shop");
    grid.setCaption(0, 0, "Home");
    grid.setColumnsText("2");
    EXPECT_EQ(grid.picture("lib", "s").captions[0], QStringList({"Home", ""}));
    grid.setColumnsText("4");
    EXPECT_EQ(grid.picture("lib", "s").captions[0], QStringList({"Home", "", "", "Shop"}));
    EXPECT_EQ(LayoutValues(LayoutValues::ProductMenu).picture("", "").captions.size(), 4);

    // The colours a new picture starts with are calm: white around the
    // buttons, white captions outlined in black, never a bright colour.
    for (auto kind :
         {LayoutValues::NavigationBar, LayoutValues::ProductMenu, LayoutValues::CustomGrid}) {
        const ButtonPicture p = LayoutValues(kind).picture("lib", "s");
        for (quint32 ref : {p.fillerColor, p.textColor, p.outlineColor})
            EXPECT_LT(QColor::fromRgb(ref & 0xff, (ref >> 8) & 0xff, ref >> 16).hsvSaturation(), 40)
                << kind << " " << std::hex << ref;
        EXPECT_EQ(p.fillerColor, 0x00FFFFFFu);
    }
}

TEST(ImageSaveValuesTest, NameAndFormatFollowEachOtherByTheExtensionTable) {
    ImageSaveValues v;
    EXPECT_FALSE(v.canFinish());
    v.setName("menu");
    v.setFormat(ImageSaveValues::Jpeg);
    EXPECT_EQ(v.name(), "menu.jpg");
    v.setName("menu.jpeg");
    v.setFormat(ImageSaveValues::Jpeg);
    EXPECT_EQ(v.name(), "menu.jpeg");
    v.setName("logo.PNG"); // typed while JPEG is chosen
    EXPECT_EQ(v.format(), ImageSaveValues::Png);
    v.setFormat(ImageSaveValues::Gif);
    EXPECT_EQ(v.name(), "logo.gif");
    v.setName("archive.tar");
    v.settle();
    EXPECT_EQ(v.name(), "archive.gif");
    EXPECT_EQ(v.formatCode(), 2);
    EXPECT_EQ(v.fullPath("/pics"), "/pics/archive.gif");
    EXPECT_EQ(v.fullPath("/pics/"), "/pics/archive.gif");
}

class ImageWizardTest : public ::testing::Test, protected TempFiles {
protected:
    void SetUp() override {
        qtTestApp();
        Settings::setStoreFolder(path("config"));
        Prompter::install(&prompter);
    }
    void TearDown() override { Prompter::install(nullptr); }

    // Goes through the wizard as a user would: the Pill style, a navigation
    // bar of three captions, saved as nav.png into folder.
    void drive(ImageWizard& wizard, const QString& folder) {
        wizard.show();
        auto* styles = wizard.page(ImageWizard::StylePage)->findChild<QListWidget*>();
        ASSERT_TRUE(styles);
        ASSERT_EQ(styles->count(), 8);
        EXPECT_FALSE(wizard.button(QWizard::NextButton)->isEnabled());
        styles->setCurrentRow(1); // Pill
        wizard.page(ImageWizard::StylePage)->findChildren<QRadioButton*>()[0]->click();
        EXPECT_TRUE(wizard.button(QWizard::NextButton)->isEnabled());
        wizard.next();
        ASSERT_EQ(wizard.currentId(), ImageWizard::BarPage);
        auto* layout = static_cast<ButtonLayoutPage*>(wizard.currentPage());
        layout->findChildren<QSpinBox*>()[0]->setValue(3);
        ASSERT_EQ(layout->grid()->columnCount(), 3);
        const QStringList captions = {"Home", "About", "Contact"};
        for (int c = 0; c < 3; ++c)
            layout->grid()->item(0, c)->setText(captions[c]);
        EXPECT_TRUE(layout->previewPending()); // the preview waits for a pause
        wizard.next();
        ASSERT_EQ(wizard.currentId(), ImageWizard::SavePage);
        auto* save = static_cast<ImageSavePage*>(wizard.currentPage());
        ASSERT_TRUE(save->browser()->openAt(folder));
        save->findChildren<QRadioButton*>()[2]->click(); // PNG
        save->nameEdit()->setText("nav");
        emit save->nameEdit()->textEdited("nav");
        save->findChildren<QRadioButton*>()[2]->click();
        EXPECT_EQ(save->nameEdit()->text(), "nav.png");
    }

    ScriptedPrompter prompter;
};

TEST_F(ImageWizardTest, SavesTheBarAsPngAndHandsItsPathBack) {
    const QString folder = path("pictures");
    QDir().mkpath(folder);
    ImageWizard wizard;
    drive(wizard, folder);
    wizard.button(QWizard::FinishButton)->click();
    const QString saved = folder + "/nav.png";
    EXPECT_EQ(wizard.savedImagePath(), saved);
    const QImage picture(saved);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(3 * 100 + 2 * 5, 36)); // the pill's picture is 100 x 36
    EXPECT_EQ(Settings::app().lastImageFolder, folder);
}

TEST_F(ImageWizardTest, AFailedSaveIsReportedAndThePageStaysOpen) {
    const QString folder = path("pictures");
    QDir().mkpath(folder);
    ImageWizard wizard;
    drive(wizard, folder);
    // A folder of the picture's name: no picture can replace it.
    QDir().mkpath(folder + "/nav.png");
    prompter.script({Prompter::Answer::Yes}); // overwrite it
    wizard.button(QWizard::FinishButton)->click();
    EXPECT_EQ(wizard.currentId(), ImageWizard::SavePage);
    EXPECT_TRUE(wizard.savedImagePath().isEmpty());
    EXPECT_TRUE(wizard.isVisible());
}

} // namespace

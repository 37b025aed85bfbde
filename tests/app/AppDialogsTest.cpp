#include "app/dialogs/AboutBox.h"
#include "app/dialogs/CommandLineSwitchesDialog.h"
#include "app/dialogs/OpenMapDialog.h"
#include "app/dialogs/WelcomeDialog.h"
#include "app/shell/QtPrompter.h"
#include "support/QtTestApp.h"

#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

TEST(AboutBox, ShowsOurPictureAtItsOwnSizeWithTheVersion) {
    qtTestApp();
    AboutBox box;
    EXPECT_EQ(box.pictureSize(), QSize(400, 240));
    EXPECT_EQ(box.size(), QSize(400, 240));
    EXPECT_TRUE(box.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(box.findChild<QLabel*>("version")->text(), "version " TESSARY_VERSION);
    EXPECT_EQ(AboutBox::picturePath(4), ":/about/about.gif");
    EXPECT_EQ(AboutBox::picturePath(24), ":/about/about.jpg");
}

TEST(AboutBox, AnyKeyOrClickClosesIt) {
    qtTestApp();
    AboutBox byKey;
    byKey.show();
    QTest::keyClick(&byKey, Qt::Key_Space);
    EXPECT_EQ(byKey.result(), QDialog::Accepted);
    EXPECT_FALSE(byKey.isVisible());

    AboutBox byClick;
    byClick.show();
    QTest::mouseClick(&byClick, Qt::LeftButton, {}, QPoint(200, 120));
    EXPECT_FALSE(byClick.isVisible());
}

TEST(WelcomeDialog, PresetToTheLastChoiceWithNeverShowCleared) {
    qtTestApp();
    WelcomeDialog dialog(AppDialogs::WelcomeChoice::CreateNewImage);
    EXPECT_EQ(dialog.windowTitle(), "Welcome to Tessary");
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("createNewImage")->isChecked());
    EXPECT_FALSE(dialog.neverShow());
    dialog.findChild<QRadioButton*>("openMap")->setChecked(true);
    dialog.findChild<QCheckBox*>("neverShow")->setChecked(true);
    EXPECT_EQ(dialog.choice(), AppDialogs::WelcomeChoice::OpenMap);
    EXPECT_TRUE(dialog.neverShow());
}

TEST(OpenMapDialog, MapFiltersInTemplateOrderAndAReadOnlyBox) {
    qtTestApp();
    EXPECT_EQ(OpenMapDialog::mapFilters(),
              (QStringList{"HTML Files (*.htm *.html)", "ImageMap Files (*.map)",
                           "All File Types (*.map *.imp *.htm *.html)", "All Files (*)"}));
    OpenMapDialog dialog(QStringLiteral(TESSARY_SOURCE_DIR));
    EXPECT_EQ(dialog.windowTitle(), "Open an existing Image Map file");
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
    ASSERT_TRUE(dialog.readOnlyBox());
    EXPECT_EQ(dialog.readOnlyBox()->window(), &dialog);
    EXPECT_FALSE(dialog.readOnly());
    dialog.readOnlyBox()->setChecked(true);
    EXPECT_TRUE(dialog.readOnly());
}

TEST(CommandLineSwitchesDialog, ShowsTheSyntax) {
    qtTestApp();
    CommandLineSwitchesDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Command Line Switches");
    QStringList texts;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains("Tessary.exe {filename} {/m:mapfile} {/g:imagefile}"));
}

namespace {

// Answers the next message box with button, noting its icon and caption.
void answerNextBox(QMessageBox::StandardButton button, QMessageBox::Icon* icon, QString* caption) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        *icon = box->icon();
        *caption = box->windowTitle();
        if (button == QMessageBox::NoButton)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->button(button)->click();
    });
}

} // namespace

TEST(QtPrompter, AsksWithTheGivenButtonsAndIconsAndClosingMeansCancelOrNo) {
    qtTestApp();
    QtPrompter prompter;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString caption;
    answerNextBox(QMessageBox::Yes, &icon, &caption);
    EXPECT_EQ(prompter.ask("Q?", Prompter::Buttons::YesNoCancel, Prompter::Icon::Exclamation),
              Prompter::Answer::Yes);
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(caption, "Tessary");

    answerNextBox(QMessageBox::NoButton, &icon, &caption);
    EXPECT_EQ(prompter.ask("Q?", Prompter::Buttons::YesNo, Prompter::Icon::Question),
              Prompter::Answer::No);
    answerNextBox(QMessageBox::NoButton, &icon, &caption);
    EXPECT_EQ(prompter.ask("Q?", Prompter::Buttons::YesNoCancel, Prompter::Icon::Stop),
              Prompter::Answer::Cancel);
    EXPECT_EQ(icon, QMessageBox::Critical);

    answerNextBox(QMessageBox::Ok, &icon, &caption);
    prompter.tellCaptioned("Program/System Failure", "bad", Prompter::Icon::Stop);
    EXPECT_EQ(caption, "Program/System Failure");
}

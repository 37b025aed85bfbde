#include "app/dialogs/AppDocumentDialogs.h"
#include "document/ImageMapDoc.h"
#include "model/Settings.h"
#include "support/FakePictureSource.h"
#include "support/QtTestApp.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFiles.h"
#include "support/WhenShown.h"
#include "wizards/ButtonLayoutPage.h"
#include "wizards/FileBrowser.h"
#include "wizards/ImageSavePage.h"
#include "wizards/ImageWizard.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

// Create New Image: the editor's document dialogs run the Image wizard, and
// the new map opens on the picture it saved.
TEST(ImageWizardStart, TheNewMapOpensOnThePictureTheWizardSaved) {
    qtTestApp();
    TempFiles files;
    Settings::setStoreFolder(files.path("config"));
    Settings::app() = Settings{};
    Settings::app().lastImageFolder = files.path("");
    ScriptedPrompter prompter;
    Prompter::install(&prompter);
    AppDocumentDialogs dialogs(nullptr);
    FakePictureSource pictures;
    CImageMapDoc doc(&dialogs, &pictures);
    whenShown<ImageWizard>([](ImageWizard& wizard) {
        wizard.page(ImageWizard::StylePage)->findChild<QListWidget*>()->setCurrentRow(0);
        wizard.page(ImageWizard::StylePage)->findChildren<QRadioButton*>()[1]->click(); // menu
        wizard.next();
        auto* layout = static_cast<ButtonLayoutPage*>(wizard.currentPage());
        const QStringList captions = {"Products", "Services", "Support", "Contact"};
        for (int r = 0; r < 4; ++r)
            layout->grid()->item(r, 0)->setText(captions[r]);
        wizard.next();
        auto* save = static_cast<ImageSavePage*>(wizard.currentPage());
        save->nameEdit()->setText("menu.gif");
        emit save->nameEdit()->textEdited("menu.gif");
        wizard.button(QWizard::FinishButton)->click();
    });
    ASSERT_TRUE(doc.newDocument({QString(), QString(), true}));
    const QString saved = files.path("menu.gif");
    EXPECT_TRUE(QImage(saved).size() == QSize(100, 4 * 36 + 3 * 5));
    ASSERT_FALSE(pictures.loadRequests.isEmpty());
    EXPECT_EQ(pictures.loadRequests.last(), saved);
    Prompter::install(nullptr);
}

} // namespace

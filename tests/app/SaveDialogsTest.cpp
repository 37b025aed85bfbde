// The dialogs of saving and of pages with several maps, driven offscreen:
// the Save As prompt with its check of an existing page, the saved
// confirmation and "Multiple Maps in HTML File".
#include "app/dialogs/MultipleMapsDialog.h"
#include "app/dialogs/SaveMapDialog.h"
#include "app/dialogs/SavedDialog.h"
#include "support/QtTestApp.h"
#include "support/ScriptedPrompter.h"
#include "support/WhenShown.h"
#include "wizards/PlacementDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class SaveMapDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        qtTestApp();
        ASSERT_TRUE(m_dir.isValid());
        m_request.folder = m_dir.path();
        m_request.proposedName = "Shop.htm";
        m_request.mapName = "Shop";
        m_request.insertOffset = 17;
    }

    // Opens the prompt, types each name in turn and presses Save, noting
    // whether the prompt is still open after each; an empty name cancels.
    bool save(const QStringList& names) {
        whenShown<SaveMapDialog>([this, names](SaveMapDialog& d) {
            seenTitle = d.windowTitle();
            seenFilters = d.nameFilters();
            seenFolder = d.directory().absolutePath();
            seenName = d.findChild<QLineEdit*>("fileNameEdit")->text();
            for (const QString& name : names) {
                if (name.isEmpty()) {
                    d.reject();
                    return;
                }
                d.findChild<QLineEdit*>("fileNameEdit")->setText(name); // typed
                d.accept();
                stillOpen << d.isVisible();
            }
        });
        return SaveMapDialog::choose(m_request);
    }

    QTemporaryDir m_dir;
    DocumentDialogs::SaveAs m_request;
    ScriptedPrompter m_prompter;
    QString seenTitle, seenFolder, seenName;
    QStringList seenFilters;
    QList<bool> stillOpen;
};

} // namespace

TEST_F(SaveMapDialogTest, OffersTheProposedNameInTheMapsFolder) {
    ASSERT_TRUE(save({"Shop.htm"}));
    EXPECT_EQ(seenTitle, "Save the Image Map file");
    EXPECT_EQ(seenFilters, (QStringList{"HTML Files (*.htm *.html)", "All Files (*)"}));
    EXPECT_EQ(seenFolder, m_dir.path());
    EXPECT_EQ(seenName, "Shop.htm");
    EXPECT_EQ(m_request.path, m_dir.filePath("Shop.htm"));
    EXPECT_TRUE(m_prompter.shown().isEmpty()); // a new file is taken unasked
    // What the insertion point and map name were, they stay.
    EXPECT_EQ(m_request.insertOffset, 17);
    EXPECT_EQ(m_request.mapName, "Shop");
}

TEST_F(SaveMapDialogTest, ANameWithoutExtensionBecomesAPage) {
    ASSERT_TRUE(save({"catalogue"}));
    EXPECT_EQ(m_request.path, m_dir.filePath("catalogue.htm"));
    EXPECT_FALSE(save({""}));
}

// Save As into an existing page asks which image or map the new map is
// for: each IMG tag, then the map no IMG uses. Replacing a map takes its
// name on Yes; the document's own name, when the page already holds it, is
// asked about too. Cancel keeps the prompt open; an empty file is only
// asked about being replaced.
TEST_F(SaveMapDialogTest, AnExistingPageSettlesTheImageOrMapTheNewMapIsFor) {
    const QByteArray page = "<HTML><BODY>\r\n<IMG SRC=\"a.gif\" USEMAP=\"#Shop\">"
                            "<IMG SRC=\"b.gif\">\r\n<MAP NAME=\"Old\"></MAP>\r\n"
                            "<MAP NAME=\"Shop\"></MAP></BODY></HTML>\r\n";
    writeFile(m_dir.filePath("page.htm"), page);
    writeFile(m_dir.filePath("empty.htm"), "");
    QList<QStringList> rows;
    const auto choose = [&](int row, bool ok) {
        whenShown<PlacementDialog>([&rows, row, ok](PlacementDialog& d) {
            EXPECT_EQ(d.windowTitle(), "Save As New Map into Existing HTML file");
            QStringList shown;
            for (int i = 0; i < d.list()->topLevelItemCount(); ++i)
                shown << d.list()->topLevelItem(i)->text(0) + "|" +
                             d.list()->topLevelItem(i)->text(1);
            rows << shown;
            d.list()->setCurrentItem(d.list()->topLevelItem(row));
            ok ? d.accept() : d.reject();
        });
    };
    // Cancel, then the unused map "Old" on Yes, in one prompt.
    m_prompter.script({Prompter::Answer::Yes});
    whenShown<SaveMapDialog>([&](SaveMapDialog& d) {
        for (bool ok : {false, true}) {
            choose(2, ok);
            d.findChild<QLineEdit*>("fileNameEdit")->setText("page.htm");
            d.accept();
            stillOpen << d.isVisible();
        }
    });
    ASSERT_TRUE(SaveMapDialog::choose(m_request));
    EXPECT_EQ(stillOpen, (QList<bool>{true, false}));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0], (QStringList{"a.gif|Shop", "b.gif|", "|Old"}));
    EXPECT_EQ(m_prompter.texts(), QStringList{"Replace existing map?"});
    EXPECT_EQ(m_request.mapName, "Old");
    EXPECT_EQ(m_request.imgTagOffset, -1);
    EXPECT_EQ(m_request.insertOffset, -1);

    // The picture without a map keeps the document's name "Shop", which the
    // page already holds: asked, and No keeps the dialog open.
    m_request.mapName = "Shop";
    m_prompter.clear();
    m_prompter.script({Prompter::Answer::No, Prompter::Answer::Yes});
    whenShown<SaveMapDialog>([&](SaveMapDialog& d) {
        whenShown<PlacementDialog>([](PlacementDialog& d) {
            d.list()->setCurrentItem(d.list()->topLevelItem(1));
            d.accept();
            EXPECT_TRUE(d.isVisible());
            d.accept();
        });
        d.findChild<QLineEdit*>("fileNameEdit")->setText("page.htm");
        d.accept();
    });
    ASSERT_TRUE(SaveMapDialog::choose(m_request));
    EXPECT_EQ(m_prompter.shown().size(), 2);
    EXPECT_TRUE(
        m_prompter.texts()[0].startsWith("The HTML file already holds a map named \"Shop\""));
    EXPECT_EQ(m_request.mapName, "Shop");
    EXPECT_EQ(m_request.imgTagOffset, page.indexOf("<IMG SRC=\"b.gif"));

    m_prompter.clear();
    m_prompter.script({Prompter::Answer::Yes});
    ASSERT_TRUE(save({"empty.htm"}));
    EXPECT_EQ(m_prompter.texts(),
              QStringList{m_dir.filePath("empty.htm") +
                          "\nThis file aready exists.\nReplace existing file?"});
}

TEST_F(SaveMapDialogTest, APageWithoutABodyEndIsNeverWrittenInto) {
    const QByteArray page = "<HTML><P>No end of body here</P></HTML>";
    writeFile(m_dir.filePath("broken.htm"), page);
    m_prompter.setFallback(Prompter::Answer::Yes);
    ASSERT_FALSE(save({"broken.htm", ""}));
    EXPECT_EQ(stillOpen, QList<bool>{true});
    ASSERT_EQ(m_prompter.shown().size(), 1);
    EXPECT_EQ(m_prompter.shown()[0].text,
              "This HTML file is malformed. Refusing to save into this file due to extreme "
              "possibility of destroying the file.");
    EXPECT_EQ(m_prompter.shown()[0].icon, Prompter::Icon::Stop);
    QFile file(m_dir.filePath("broken.htm"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), page);
}

TEST(SavedDialogTest, ShowsTheTextAndReportsTheTick) {
    qtTestApp();
    const QString text = "The file \"a.htm\" was saved into the directory \"/tmp/\".";
    whenShown<SavedDialog>([text](SavedDialog& d) {
        EXPECT_EQ(d.findChild<QLabel*>("text")->text(), text);
        EXPECT_EQ(d.findChild<QCheckBox*>("dontShow")->text(), "&Don't show this dialog again.");
        d.accept();
    });
    EXPECT_FALSE(SavedDialog::ask(text));
    whenShown<SavedDialog>([](SavedDialog& d) {
        d.findChild<QCheckBox*>("dontShow")->setChecked(true);
        d.accept();
    });
    EXPECT_TRUE(SavedDialog::ask(text));
}

TEST(MultipleMapsDialogTest, ListsEveryMapWithItsGraphicAndTakesTheChosenOne) {
    qtTestApp();
    const QList<DocumentDialogs::MapChoice> maps = {
        {"nav", "nav.gif"}, {"shop", "<unknown>"}, {"footer", "foot.png"}};
    int chosen = -1;
    whenShown<MultipleMapsDialog>([](MultipleMapsDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Multiple Maps in HTML File");
        auto* list = d.findChild<QTreeWidget*>("maps");
        ASSERT_EQ(list->topLevelItemCount(), 3);
        EXPECT_EQ(list->topLevelItem(1)->text(0), "shop");
        EXPECT_EQ(list->topLevelItem(1)->text(1), "<unknown>");
        EXPECT_EQ(d.chosen(), 0); // the first map at first
        list->setCurrentItem(list->topLevelItem(2));
        d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    ASSERT_TRUE(MultipleMapsDialog::choose(maps, chosen));
    EXPECT_EQ(chosen, 2);

    whenShown<MultipleMapsDialog>([](MultipleMapsDialog& d) { d.reject(); });
    EXPECT_FALSE(MultipleMapsDialog::choose(maps, chosen));
}

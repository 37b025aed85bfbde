// The New Map wizard offscreen, both branches, through the document it
// seeds and the page that document saves.
#include "wizards/NewMapWizard.h"
#include "document/ImageMapDoc.h"
#include "model/Settings.h"
#include "support/FakeDocumentDialogs.h"
#include "support/FakePictureSource.h"
#include "support/QtTestApp.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFiles.h"
#include "support/WhenShown.h"
#include "wizards/InsertPointDialog.h"
#include "wizards/NewMapPages.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

// Document dialogs with the real wizard and scripted everything else.
class WizardDialogs : public FakeDocumentDialogs {
public:
    bool runNewMapWizard(NewMap& result) override { return NewMapWizard::run(result, {}); }
};

template <class Page>
Page& pageOf(NewMapWizard& w) {
    return *static_cast<Page*>(w.currentPage());
}

bool press(NewMapWizard& w, QWizard::WizardButton which) {
    QAbstractButton* button = w.button(which);
    if (!button->isEnabled() || !button->isVisible())
        return false;
    button->click();
    return true;
}

class NewMapWizardTest : public ::testing::Test, protected TempFiles {
protected:
    void SetUp() override { qtTestApp(); }
    void TearDown() override { Settings::app() = Settings(); }

    std::unique_ptr<MapArea> area(int l, int t, int r, int b, const char* url) {
        auto a = std::make_unique<MapArea>(AreaShape::Rectangle);
        a->setRect(l, t, r, b);
        a->setUrl(url);
        return a;
    }

    ScriptedPrompter prompter;
    WizardDialogs dialogs;
    FakePictureSource pictures;
    CImageMapDoc doc{&dialogs, &pictures};
};

// Two pictures share a file name, so only the chosen tag tells them apart.
const QByteArray kTwoPictures = "<HTML><HEAD><TITLE>Shop</TITLE></HEAD>\r\n<BODY>\r\n"
                                "<P><IMG SRC=\"one/pic.gif\" WIDTH=10></P>\r\n"
                                "<P><IMG SRC=\"two/pic.gif\" ALT=\"second\"></P>\r\n"
                                "<P>The end</P>\r\n</BODY>\r\n</HTML>\r\n";

} // namespace

// The existing-page branch: the page with two pictures, the second chosen,
// an area drawn and saved. The map is attached to exactly that IMG tag and
// every other byte of the page is as it was.
TEST_F(NewMapWizardTest, ExistingPageMapGoesOnTheChosenPicture) {
    const QString page = write("site/shop.htm", kTwoPictures);
    QStringList titles, rows;
    QString status;
    whenShown<NewMapWizard>([&](NewMapWizard& w) {
        titles << w.windowTitle() << w.currentPage()->title();
        EXPECT_TRUE(press(w, QWizard::NextButton)); // an existing page is the first choice
        titles << w.currentPage()->title();
        auto& ab = pageOf<NewMapWizAB>(w);
        EXPECT_FALSE(w.button(QWizard::NextButton)->isEnabled());
        ab.browser()->openAt(page);
        status = ab.status();
        EXPECT_TRUE(press(w, QWizard::NextButton));
        auto& ac = pageOf<NewMapWizAC>(w);
        titles << ac.title();
        for (int i = 0; i < ac.list()->topLevelItemCount(); ++i)
            rows << ac.list()->topLevelItem(i)->text(0) + "|" + ac.list()->topLevelItem(i)->text(1);
        EXPECT_FALSE(w.button(QWizard::NextButton)->isEnabled());
        ac.list()->setCurrentItem(ac.list()->topLevelItem(1));
        EXPECT_TRUE(press(w, QWizard::NextButton));
        auto& ad = pageOf<NewMapWizName>(w);
        titles << ad.title();
        EXPECT_EQ(ad.nameEdit()->text(), "pic");
        ad.nameEdit()->setText("two words");
        EXPECT_FALSE(w.button(QWizard::FinishButton)->isEnabled());
        ad.nameEdit()->setText("Shop");
        EXPECT_TRUE(press(w, QWizard::FinishButton));
    });
    ASSERT_TRUE(doc.newDocument({}));
    EXPECT_EQ(titles,
              (QStringList{"New Map Wizard", "Create a new image map",
                           "New map in existing HTML - Step 1", "New map in existing HTML - Step 2",
                           "New map in existing HTML - Step 3"}));
    EXPECT_EQ(status, "Currently selected HTML file has no existing maps and 2 existing images.");
    EXPECT_EQ(rows, (QStringList{"one/pic.gif|", "two/pic.gif|"}));
    EXPECT_EQ(doc.mapPath(), page);
    EXPECT_EQ(doc.imagePath(), path("site/two/pic.gif"));
    EXPECT_EQ(doc.mapInfo().title, "Shop");
    EXPECT_TRUE(doc.fromWizard());

    ASSERT_TRUE(doc.addArea(area(1, 2, 30, 40, "x.htm")));
    ASSERT_TRUE(doc.save());
    EXPECT_TRUE(prompter.shown().isEmpty());
    EXPECT_TRUE(dialogs.saveAsShown.isEmpty()); // the wizard chose the page
    const QByteArray saved = read("site/shop.htm");
    const qsizetype first = kTwoPictures.indexOf("<IMG"), second = kTwoPictures.lastIndexOf("<IMG");
    const qsizetype secondEnd = kTwoPictures.indexOf('>', second) + 1;
    const qsizetype bodyEnd = kTwoPictures.indexOf("</BODY>");
    // Up to the chosen tag, byte for byte (the first picture untouched).
    EXPECT_TRUE(saved.startsWith(kTwoPictures.first(second)));
    EXPECT_EQ(saved.count("USEMAP"), 1);
    const qsizetype usemap = saved.indexOf("USEMAP=\"#Shop\"");
    ASSERT_GT(usemap, second);
    const qsizetype tagStart = saved.lastIndexOf("<IMG", usemap);
    const qsizetype tagEnd = saved.indexOf('>', usemap) + 1;
    EXPECT_TRUE(saved.mid(tagStart, tagEnd - tagStart).contains("ALT=\"second\""));
    // From the chosen tag's end to the body end, byte for byte, then the map.
    const QByteArray between = kTwoPictures.mid(secondEnd, bodyEnd - secondEnd);
    EXPECT_EQ(saved.mid(tagEnd, between.size()), between);
    const QByteArray map = saved.mid(tagEnd + between.size());
    EXPECT_TRUE(map.contains("<MAP NAME=\"Shop\">\r\n"));
    EXPECT_TRUE(map.contains("<AREA SHAPE=RECT COORDS=\"1,2,30,40\" HREF=\"x.htm\""));
    EXPECT_TRUE(map.endsWith("</MAP>\r\n<!-- End of Client Side Image Map information -->\r\n"
                             "</BODY>\r\n</HTML>\r\n"));
    EXPECT_EQ(saved.indexOf(kTwoPictures.mid(first, second - first)), first);
}

// "Add Image..." places a new IMG tag through "Add new image to HTML file":
// OK only between the body's tags, and the save inserts the tag there.
TEST_F(NewMapWizardTest, AnAddedImageGoesWhereTheCaretStood) {
    const QString page = write("shop.htm", kTwoPictures);
    bool insideTag = true, afterTag = false;
    whenShown<NewMapWizard>([&](NewMapWizard& w) {
        press(w, QWizard::NextButton);
        pageOf<NewMapWizAB>(w).browser()->openAt(page);
        press(w, QWizard::NextButton);
        whenShown<InsertPointDialog>([&](InsertPointDialog& d) {
            EXPECT_EQ(d.windowTitle(), "Add new image to HTML file");
            d.findChild<QLineEdit*>()->setText("/pics/new.png");
            const int tag = int(QByteArray(kTwoPictures).replace("\r", "").indexOf("<P>The end"));
            d.setCaret(tag + 2); // inside <P>
            insideTag = d.canAccept();
            d.setCaret(tag + 3); // just after it
            afterTag = d.canAccept();
            d.accept();
        });
        pageOf<NewMapWizAC>(w).addImage(); // goes on to step 3 by itself
        EXPECT_EQ(w.currentId(), NewMapWizard::AD);
        EXPECT_EQ(pageOf<NewMapWizName>(w).nameEdit()->text(), "new");
        press(w, QWizard::FinishButton);
    });
    ASSERT_TRUE(doc.newDocument({}));
    EXPECT_FALSE(insideTag);
    EXPECT_TRUE(afterTag);
    EXPECT_EQ(doc.mapInfo().title, "new");
    ASSERT_TRUE(doc.addArea(area(0, 0, 5, 5, "a.htm")));
    ASSERT_TRUE(doc.save());
    const QByteArray saved = read("shop.htm");
    const qsizetype at = kTwoPictures.indexOf("<P>The end") + 3;
    EXPECT_TRUE(saved.startsWith(kTwoPictures.first(at)));
    const qsizetype img = saved.indexOf("<IMG SRC=\"new.png\" USEMAP=\"#new\"", at);
    ASSERT_GT(img, at);
    EXPECT_TRUE(saved.mid(saved.indexOf('>', img) + 1).startsWith(kTwoPictures.mid(at, 7)));
}

// The brand-new branch: Back from its first step returns to the choice; the
// page gets ".htm"; the picture gives the name; the save writes a new page.
TEST_F(NewMapWizardTest, BrandNewPageBranchWritesANewPage) {
    const QString picture = write("art/logo.gif", "GIF89a");
    int backTo = -1;
    whenShown<NewMapWizard>([&](NewMapWizard& w) {
        static_cast<NewMapWizAA*>(w.page(NewMapWizard::AA))->choose(false);
        press(w, QWizard::NextButton);
        EXPECT_EQ(w.currentPage()->title(), "Brand New HTML file - Step 1");
        press(w, QWizard::BackButton);
        backTo = w.currentId();
        press(w, QWizard::NextButton);
        auto& bb = pageOf<NewMapWizBB>(w);
        bb.browser()->openAt(path(""));
        bb.nameEdit()->setText("fresh");
        press(w, QWizard::NextButton);
        auto& bc = pageOf<NewMapWizBC>(w);
        EXPECT_FALSE(w.button(QWizard::NextButton)->isEnabled());
        bc.browser()->openAt(picture);
        press(w, QWizard::NextButton);
        auto& bd = pageOf<NewMapWizName>(w);
        EXPECT_EQ(bd.title(), "Brand New HTML file - Step 3");
        EXPECT_EQ(bd.nameEdit()->text(), "logo");
        EXPECT_TRUE(press(w, QWizard::FinishButton));
    });
    ASSERT_TRUE(doc.newDocument({}));
    EXPECT_EQ(backTo, NewMapWizard::AA);
    EXPECT_EQ(doc.mapPath(), path("fresh.htm"));
    EXPECT_EQ(doc.imagePath(), picture);
    EXPECT_EQ(doc.mapInfo().title, "logo");
    ASSERT_TRUE(doc.addArea(area(0, 0, 5, 5, "a.htm")));
    ASSERT_TRUE(doc.save());
    const QByteArray saved = read("fresh.htm");
    EXPECT_TRUE(saved.startsWith("<HTML>\r\n<HEAD>\r\n<TITLE>\r\nlogo image map page\r\n"));
    // The picture lies below the page's folder: it is named relative to the
    // page, not copied beside it.
    EXPECT_TRUE(saved.contains("<IMG SRC=\"art/logo.gif\" USEMAP=\"#logo\" BORDER=0>"));
}

// A page that lost its closing BODY tag after the wizard chose it is not
// written into at the first save: the writer would replace it whole.
TEST_F(NewMapWizardTest, FirstSaveRefusesAPageWithoutABodyEnd) {
    FakeDocumentDialogs scripted;
    CImageMapDoc scriptedDoc{&scripted, &pictures};
    const QByteArray broken = "<HTML><BODY><P>Work in progress\r\n";
    scripted.newMapWizard =
        DocumentDialogs::NewMap{path("pic.gif"), write("wip.htm", broken), "Wip", -1, -1};
    ASSERT_TRUE(scriptedDoc.newDocument({}));
    ASSERT_TRUE(scriptedDoc.addArea(area(0, 0, 5, 5, "a.htm")));
    EXPECT_FALSE(scriptedDoc.save());
    ASSERT_EQ(prompter.shown().size(), 1);
    EXPECT_TRUE(prompter.texts()[0].startsWith("This HTML file is malformed."));
    EXPECT_EQ(read("wip.htm"), broken);
    EXPECT_TRUE(scriptedDoc.isModified());
}

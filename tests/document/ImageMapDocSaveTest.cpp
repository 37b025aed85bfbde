#include "document/ImageMapDoc.h"
#include "formats/PageFile.h"
#include "model/Settings.h"
#include "support/FakeDocumentDialogs.h"
#include "support/FakePictureSource.h"
#include "support/PageDiff.h"
#include "support/PageText.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>

namespace {

// Writes half the page and fails, or refuses the final rename.
class FailingPageFile : public PageFile {
public:
    explicit FailingPageFile(Step failAt) : m_failAt(failAt) {}
    bool write(QByteArrayView bytes) override {
        if (m_failAt != Step::Write)
            return PageFile::write(bytes);
        PageFile::write(bytes.first(bytes.size() / 2));
        return fail(Step::Write, ENOSPC);
    }
    bool replace() override {
        return m_failAt == Step::Replace ? fail(Step::Replace, EXDEV) : PageFile::replace();
    }

private:
    Step m_failAt;
};

const QByteArray kServerMap =
    "#$TITLE:Shop\n#$AUTHOR:Ann \"Quote\" Lee\n"
    "#$DESCRIPTION:Buttons of the shop page, mapped in both forms, with a "
    "description long enough to wrap.\n"
    "#$GIF:pic.gif\n"
    "# Home button\nrect home.htm 20,20 140,60\n"
    "circle c.htm?a=\"1\" 340,40 370,40\n"
    "poly t.htm 40,200 120,100 200,200\n"
    "default index.htm\n";

class Save : public ::testing::Test, protected TempFiles {
protected:
    void TearDown() override { Settings::app() = Settings(); }

    // Opens text as name and saves it once to page, so that page exists.
    void openAndSave(const QByteArray& text, const QString& name, const QString& page) {
        ASSERT_TRUE(doc.openDocument(write(name, text)));
        ASSERT_TRUE(doc.doSave(dir.filePath(page)));
    }

    ScriptedPrompter prompter;
    FakeDocumentDialogs dialogs;
    FakePictureSource pictures;
    CImageMapDoc doc{&dialogs, &pictures};
};

} // namespace

TEST_F(Save, FirstSaveOfAMapFileAsksForThePage) {
    ASSERT_TRUE(doc.openDocument(write("site.map", kServerMap)));
    int updates = 0;
    QObject::connect(&doc, &CImageMapDoc::allChanged, [&] { ++updates; });
    dialogs.saveAs = [&](DocumentDialogs::SaveAs& r) {
        r.path = QDir(r.folder).filePath(r.proposedName);
        return true;
    };
    ASSERT_TRUE(doc.save()); // site.htm does not exist yet
    ASSERT_EQ(dialogs.saveAsShown.size(), 1);
    EXPECT_EQ(dialogs.saveAsShown[0].proposedName, QStringLiteral("site.htm"));
    EXPECT_EQ(dialogs.saveAsShown[0].folder, dir.path());
    EXPECT_TRUE(read("site.htm").contains("<MAP NAME=\"Shop\">"));
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.path(), dir.filePath("site.htm"));
    EXPECT_EQ(updates, 1);
    EXPECT_EQ(dialogs.savedTexts,
              QStringList{QString("The file \"site.htm\" was saved into the directory \"%1/\". "
                                  "The image \"pic.gif\" also exists in this directory.")
                              .arg(dir.path())});

    // The page exists now: Save writes it without asking.
    doc.setModified(true);
    ASSERT_TRUE(doc.save());
    EXPECT_EQ(dialogs.saveAsShown.size(), 1);
    EXPECT_TRUE(prompter.shown().isEmpty());
}

TEST_F(Save, UntitledMapNeedsATitle) {
    ASSERT_TRUE(doc.newDocument({QString(), dir.filePath("pic.gif"), false}));
    EXPECT_FALSE(doc.doSave(dir.filePath("a.htm")));
    EXPECT_TRUE(prompter.shown().isEmpty()); // fails quietly
    EXPECT_FALSE(QFile::exists(dir.filePath("a.htm")));

    dialogs.mapInfo = [](MapInfo& info) {
        info.title = "Named";
        return true;
    };
    ASSERT_TRUE(doc.doSave(dir.filePath("a.htm")));
    EXPECT_TRUE(read("a.htm").contains("<MAP NAME=\"Named\">"));
}

TEST_F(Save, RequiredDefaultUrlIsNotTheLead) {
    Settings::app().requireDefault = true;
    ASSERT_TRUE(doc.openDocument(write("a.map", "rect a.htm 1,1 5,5\n")));
    ASSERT_EQ(doc.mapInfo().defaultUrl, "http://www."); // offered, not given
    int shown = 0;
    dialogs.mapInfo = [&](MapInfo&) { return ++shown, false; };

    prompter.script({Prompter::Answer::No, Prompter::Answer::Cancel});
    EXPECT_FALSE(doc.doSave(dir.filePath("a.htm")));
    EXPECT_EQ(shown, 2); // No shows the dialog again
    EXPECT_EQ(prompter.texts(),
              QStringList(2, "Do you really want to save without a default URL?"));
    EXPECT_FALSE(QFile::exists(dir.filePath("a.htm")));

    prompter.script({Prompter::Answer::Yes});
    ASSERT_TRUE(doc.doSave(dir.filePath("a.htm")));
    EXPECT_FALSE(read("a.htm").contains("SHAPE=default"));

    dialogs.mapInfo = [](MapInfo& info) {
        info.defaultUrl = "home.htm";
        return true;
    };
    prompter.clear();
    ASSERT_TRUE(doc.doSave(dir.filePath("a.htm")));
    EXPECT_TRUE(prompter.shown().isEmpty());
    EXPECT_TRUE(read("a.htm").contains("<AREA SHAPE=default HREF=\"home.htm\">"));
}

TEST_F(Save, DefaultUrlLeadIsNeverSavedAsDefaultArea) {
    openAndSave("rect a.htm 1,1 5,5\n", "a.map", "a.htm");
    EXPECT_EQ(doc.mapInfo().defaultUrl, "http://www.");
    EXPECT_FALSE(read("a.htm").contains("SHAPE=default"));
}

TEST_F(Save, AreasWithoutUrls) {
    ASSERT_TRUE(doc.openDocument(write("a.map", "rect a.htm 1,1 5,5\nrect (1,1) (5,5)\n")));
    ASSERT_TRUE(doc.area(1)->url().isEmpty());
    // One: its dialog opens, and the save goes on even though it stays empty.
    ASSERT_TRUE(doc.doSave(dir.filePath("a.htm")));
    EXPECT_EQ(dialogs.areaShown, 1);
    EXPECT_EQ(dialogs.lastAreaNumber, 2);
    EXPECT_TRUE(read("a.htm").contains("<AREA SHAPE=RECT COORDS=\"1,1,5,5\" ALT=\"\">"));

    doc.setAreaTexts(0, {});
    EXPECT_FALSE(doc.doSave(dir.filePath("b.htm")));
    EXPECT_EQ(prompter.texts(), QStringList{"You have some areas that do not have URLs. You will "
                                            "need to add them in before you can save this map."});
    EXPECT_FALSE(QFile::exists(dir.filePath("b.htm")));
}

// An area URL that is still exactly the lead is no URL: the map check
// reports it, the save asks for it and writes no HREF.
TEST_F(Save, AreaUrlThatIsOnlyTheLeadCountsAsNone) {
    ASSERT_TRUE(doc.openDocument(write("a.map", "rect a.htm 1,1 5,5\nrect b.htm 1,1 5,5\n")));
    doc.setAreaTexts(1, {"http://www.", {}, {}});
    doc.runMapCheck(nullptr);
    EXPECT_FALSE(doc.mapCheck().allHaveUrls);
    EXPECT_EQ(doc.mapCheck().firstMissingUrl, 2);
    ASSERT_TRUE(doc.doSave(dir.filePath("a.htm")));
    EXPECT_EQ(dialogs.lastAreaNumber, 2);
    EXPECT_TRUE(read("a.htm").contains("<AREA SHAPE=RECT COORDS=\"1,1,5,5\" ALT=\"\">"));

    // Typed beyond, it is a URL like any other.
    doc.setAreaTexts(1, {"http://www.x.org", {}, {}});
    doc.runMapCheck(nullptr);
    EXPECT_TRUE(doc.mapCheck().allHaveUrls);
    ASSERT_TRUE(doc.doSave(dir.filePath("a.htm")));
    EXPECT_TRUE(read("a.htm").contains("HREF=\"http://www.x.org\""));
}

TEST_F(Save, OnlyHtmlNamesAreAccepted) {
    ASSERT_TRUE(doc.openDocument(write("a.map", "rect a.htm 1,1 5,5\n")));
    EXPECT_TRUE(doc.doSave(dir.filePath("upper.HTM")));
    EXPECT_TRUE(doc.doSave(dir.filePath("long.html")));
    EXPECT_FALSE(doc.doSave(dir.filePath("b.map")));
    ASSERT_EQ(prompter.shown().size(), 1);
    EXPECT_EQ(prompter.texts()[0],
              "Saving a Client Side Image Map file into a non-HTML file is not allowed!");
    EXPECT_EQ(prompter.shown()[0].icon, Prompter::Icon::Stop);
    EXPECT_FALSE(QFile::exists(dir.filePath("b.map")));
}

TEST_F(Save, WizardPathIsUsedUnaskedAndSaveAsSetsItAside) {
    dialogs.newMapWizard =
        DocumentDialogs::NewMap{dir.filePath("pic.gif"), dir.filePath("page.htm"), "Nav", 42};
    ASSERT_TRUE(doc.newDocument({}));

    // Save As asks (with no insertion point), and a cancelled one puts both back.
    EXPECT_FALSE(doc.saveAs());
    ASSERT_EQ(dialogs.saveAsShown.size(), 1);
    EXPECT_EQ(dialogs.saveAsShown[0].insertOffset, -1);
    EXPECT_EQ(dialogs.saveAsShown[0].mapName, "Nav");
    EXPECT_TRUE(doc.fromWizard());
    EXPECT_EQ(doc.insertOffset(), 42);

    ASSERT_TRUE(doc.save()); // page.htm does not exist: the wizard's path, unasked
    EXPECT_EQ(dialogs.saveAsShown.size(), 1);
    EXPECT_TRUE(read("page.htm").contains("<MAP NAME=\"Nav\">"));
    EXPECT_FALSE(doc.fromWizard());
    EXPECT_EQ(doc.insertOffset(), -1);
}

TEST_F(Save, SaveAsTakesTheMapNameAndInsertionPointThePromptSettles) {
    write("page.htm", "<HTML><BODY>\r\n<P>hello</P>\r\n</BODY></HTML>");
    ASSERT_TRUE(doc.openDocument(write("a.map", "#$GIF:pic.gif\nrect a.htm 1,1 5,5\n")));
    dialogs.saveAs = [&](DocumentDialogs::SaveAs& r) {
        r.path = dir.filePath("page.htm");
        r.mapName = "Chosen";
        r.insertOffset = 16; // after "<P>": the line break counts once
        return true;
    };
    ASSERT_TRUE(doc.saveAs());
    EXPECT_EQ(doc.mapInfo().title, "Chosen");
    EXPECT_EQ(doc.insertOffset(), -1);
    EXPECT_TRUE(read("page.htm")
                    .startsWith("<HTML><BODY>\r\n<P>\r\n<!-- Image tags modified by "
                                "Tessary for Client Side Image Map insertion -->\r\n"
                                "<IMG SRC=\"pic.gif\" USEMAP=\"#Chosen\" BORDER=0>"
                                "hello</P>\r\n<!-- Start"));
}

TEST_F(Save, PictureIsCopiedBesideThePageButNeverOverAFile) {
    write("pics/pic.gif", "picture");
    ASSERT_TRUE(doc.openDocument(write("pics/a.map", "#$GIF:pic.gif\nrect a.htm 1,1 5,5\n")));
    dialogs.dontShowSavedAgain = true;
    ASSERT_TRUE(QDir(dir.path()).mkdir("site"));
    ASSERT_TRUE(doc.doSave(dir.filePath("site/a.htm")));
    EXPECT_EQ(read("site/pic.gif"), "picture");
    ASSERT_EQ(dialogs.savedTexts.size(), 1);
    EXPECT_EQ(dialogs.savedTexts[0],
              QString("The file \"a.htm\" was saved into the directory \"%1/site/\". For your "
                      "convenience, the image file \"pic.gif\" was also copied from its orignal "
                      "directory.")
                  .arg(dir.path()));
    EXPECT_TRUE(Settings::app().skipSavedDialog); // the tick is kept

    write("other/pic.gif", "someone else's");
    ASSERT_TRUE(doc.doSave(dir.filePath("other/a.htm")));
    EXPECT_EQ(read("other/pic.gif"), "someone else's");
    EXPECT_EQ(dialogs.savedTexts.size(), 1); // skipped from now on
}

TEST_F(Save, FailedSaveLeavesThePageAndTheDocumentAsTheyWere) {
    openAndSave(kServerMap, "a.map", "page.htm");
    const QByteArray saved = read("page.htm");
    const QString titleText = doc.titleText();
    for (const PageFile::Step step : {PageFile::Step::Write, PageFile::Step::Replace}) {
        FailingPageFile failing(step);
        doc.setPageFile(&failing);
        doc.setAreaTexts(0, {"changed.htm", {}, {}});
        prompter.clear();
        EXPECT_FALSE(doc.save());
        EXPECT_EQ(read("page.htm"), saved);
        EXPECT_TRUE(doc.isModified());
        ASSERT_EQ(prompter.texts().size(), 1);
        EXPECT_TRUE(prompter.texts()[0].startsWith("Attempting to "));

        // Nor does a failed Save As elsewhere change the document's names.
        dialogs.saveAs = [&](DocumentDialogs::SaveAs& r) {
            r.path = dir.filePath("other.htm");
            return true;
        };
        EXPECT_FALSE(doc.saveAs());
        EXPECT_EQ(doc.path(), dir.filePath("page.htm"));
        EXPECT_EQ(doc.mapPath(), dir.filePath("page.htm"));
        EXPECT_EQ(doc.titleText(), titleText);
        EXPECT_FALSE(QFile::exists(dir.filePath("other.htm")));
        EXPECT_EQ(QDir(dir.path()).entryList({"*.htm"}, QDir::Files), QStringList{"page.htm"});
    }
}

TEST_F(Save, ServerMapMakesTheRoundTripThroughPages) {
    openAndSave(kServerMap, "a.map", "first.htm");
    const QByteArray first = read("first.htm");

    CImageMapDoc back(&dialogs, &pictures);
    ASSERT_TRUE(back.openDocument(dir.filePath("first.htm")));
    EXPECT_FALSE(back.isModified());
    ASSERT_EQ(back.areaCount(), doc.areaCount());
    for (int i = 0; i < doc.areaCount(); ++i) {
        const MapArea& a = *doc.area(i);
        const MapArea& b = *back.area(i);
        EXPECT_EQ(b.shape(), a.shape()) << i;
        EXPECT_EQ(b.imageRect(), a.imageRect()) << i;
        EXPECT_EQ(b.texts(), a.texts()) << i;
        EXPECT_EQ(b.imageRing(), a.imageRing()) << i;
    }
    EXPECT_EQ(back.mapInfo().title, doc.mapInfo().title);
    EXPECT_EQ(back.mapInfo().author, doc.mapInfo().author);
    EXPECT_EQ(back.mapInfo().description, doc.mapInfo().description);
    EXPECT_EQ(back.mapInfo().defaultUrl, "index.htm");

    ASSERT_TRUE(back.doSave(dir.filePath("second.htm")));
    EXPECT_EQ(withoutDate(read("second.htm")), withoutDate(first));
    // And saved into its own page again.
    back.setModified(true);
    ASSERT_TRUE(back.save());
    EXPECT_EQ(withoutDate(read("first.htm")), withoutDate(first));
}

// Two maps of one name: the chosen row is the one that opens.
TEST_F(Save, PageOfSeveralMapsOpensTheChosenOne) {
    const QString page = write("two.htm", "<MAP NAME=\"A\"><AREA COORDS=\"1,1,5,5\" HREF=a></MAP>"
                                          "<MAP NAME=\"A\"><AREA COORDS=\"2,2,6,6\" HREF=b></MAP>");
    EXPECT_FALSE(doc.openDocument(page)); // the choice is cancelled
    EXPECT_EQ(dialogs.mapChoicesShown.size(), 2);
    dialogs.mapChoice = 1;
    ASSERT_TRUE(doc.openDocument(page));
    EXPECT_EQ(doc.mapInfo().title, "A");
    EXPECT_EQ(doc.area(0)->url(), "b");
    EXPECT_EQ(doc.path(), page);
}

TEST_F(Save, PageKeepsItsPictureReferenceAndAChosenPictureIsNamedFromThePage) {
    write("site/images/p.gif", "picture");
    const QByteArray map = "<map name=\"m\"><area shape=rect coords=\"1,1,5,5\" href=\"a.htm\">"
                           "</map>\n</body>\n";
    const QByteArray local = "<body>\n<img src='images/p.gif' usemap='#m' alt=\"\"/>\n" + map;
    const QByteArray remote = "<body>\n<IMG SRC=\"https://img.example.com/a/b.jpg\" "
                              "USEMAP=\"#m\">\n" +
                              map;
    // Saved into its own page, the map keeps the SRC as written (and the
    // tag, which shows the map already, its look), and nothing is copied.
    const QList<std::pair<QByteArray, QByteArray>> pages = {
        {local, "<img src='images/p.gif' usemap='#m' alt=\"\"/>\n"},
        {remote, "<IMG SRC=\"https://img.example.com/a/b.jpg\" USEMAP=\"#m\">\n"}};
    for (const auto& [page, img] : pages) {
        const QString file = write("site/page.htm", page);
        ASSERT_TRUE(doc.openDocument(file));
        ASSERT_TRUE(doc.doSave(file));
        const QByteArray saved = read("site/page.htm");
        EXPECT_TRUE(saved.contains(img)) << saved.constData();
        EXPECT_TRUE(saved.startsWith("<body>\n\r\n<!-- Image tags modified"));
        EXPECT_FALSE(QFile::exists(path("site/p.gif")));
        EXPECT_FALSE(QFile::exists(path("site/b.jpg")));
    }
    // Into a page outside the picture's folder tree, a relative reference
    // no longer reaches it: the picture is copied beside that page.
    ASSERT_TRUE(doc.openDocument(write("site/page.htm", local)));
    ASSERT_TRUE(QDir().mkpath(path("other")));
    ASSERT_TRUE(doc.doSave(path("other/new.htm")));
    EXPECT_EQ(read("other/p.gif"), "picture");
    EXPECT_TRUE(read("other/new.htm").contains("<IMG SRC=\"p.gif\" USEMAP=\"#m\" BORDER=0>"));
    // A picture chosen in the editor is named from the page; it is copied
    // only when it lies outside the page's folder tree.
    write("site/images/q.gif", "chosen");
    ASSERT_TRUE(doc.openDocument(write("site/page.htm", local), path("site/images/q.gif")));
    ASSERT_TRUE(doc.doSave(path("site/page.htm")));
    EXPECT_TRUE(read("site/page.htm").contains("<img src='images/q.gif' usemap='#m' alt=\"\"/>"));
    EXPECT_FALSE(QFile::exists(path("site/q.gif")));
}

TEST_F(Save, MapNotReadWholeOpensReadOnlyAndIsNotSavedBackIntoItsPage) {
    QByteArray page = "<body><map name=m><area coords=1,2,3,4 href=s.htm";
    for (int i = 0; i < TagAttribute::kMaxPerTag + 2; ++i)
        page += " d" + QByteArray::number(i);
    page += "><area coords=1,1,5,5 href=a.htm></map></body>";
    const QString file = write("p.htm", page);
    ASSERT_TRUE(doc.openDocument(file));
    EXPECT_TRUE(doc.isReadOnly());
    ASSERT_FALSE(prompter.texts().isEmpty());
    EXPECT_EQ(prompter.texts().last(),
              "This map cannot be held whole, so it opens read-only. "
              "Not read: 2 attributes beyond the 64 an area or map keeps.");
    EXPECT_FALSE(doc.doSave(file));
    EXPECT_EQ(read("p.htm"), page);
    EXPECT_TRUE(doc.doSave(path("copy.htm"))); // another page takes what was read
    doc.setAllowLoss(true);
    EXPECT_TRUE(doc.doSave(file));
    // The area was not changed: its own tag, attributes and all, is written.
    EXPECT_TRUE(read("p.htm").contains(" d65>"));

    // A failed Open says why on the message's second line.
    EXPECT_FALSE(doc.openDocument(write("u.htm", "<html>\n<map name=m>\n<area coords=1,1,2,2>")));
    EXPECT_TRUE(prompter.texts().last().endsWith(
        "or the file is in use.\nThe MAP element that begins on line 2 is never closed."));
}

TEST_F(Save, PageWithoutBodyEndThatLacksTheMapIsNeverReplaced) {
    const QByteArray page = "{* header *}\n<p>no end of body</p>\n";
    ASSERT_TRUE(doc.openDocument(write("a.map", "rect a.htm 1,1 5,5\n")));
    const QString target = write("t.htm", page);
    EXPECT_FALSE(doc.doSave(target));
    EXPECT_EQ(read("t.htm"), page);
    EXPECT_EQ(prompter.texts().last(),
              "This HTML file is malformed. Refusing to save into this file due to extreme "
              "possibility of destroying the file.");
    EXPECT_TRUE(doc.isModified());
}

// Attributes the editor does not write itself, on areas and on the map,
// come back from a save with their values, in their order; the title is
// written as TITLE; a second read and save changes no byte.
TEST_F(Save, EveryAttributeOfAreasAndTheMapSurvivesReadAndSave) {
    const QByteArray page =
        "<html><body>\n<img src=\"p.gif\" usemap=\"#nav\">\n"
        "<map name=\"nav\" id=\"site-nav\" class='maps main'>\n"
        "<area shape=\"rect\" coords=\"1,1,50,50\" href=\"a.htm\" alt=\"A\" title=\"Go to A\" "
        "id=a1 class='hot spot' data-track=\"nav:a\" onmouseover=\"show('a'); x=&quot;y&quot;\" "
        "aria-label=\"Tom &amp; Jerry\" download rel=noopener>\n"
        "<area shape=circle coords=\"80,80,10\" href=c.htm DATA-x='say \"hi\"' title=\"\" "
        "hreflang=en alt=C>\n"
        "<area shape=default href=index.htm title=\"Home page\" alt=Home>\n"
        "</map>\n</body></html>\n";
    ASSERT_TRUE(doc.openDocument(write("in.htm", page)));
    ASSERT_EQ(doc.areaCount(), 2);
    using Form = TagAttribute::Form;
    const TagAttributes first{{"id", "a1", Form::Unquoted},
                              {"class", "hot spot", Form::SingleQuoted},
                              {"data-track", "nav:a", Form::DoubleQuoted},
                              {"onmouseover", "show('a'); x=\"y\"", Form::DoubleQuoted},
                              {"aria-label", "Tom &amp; Jerry", Form::DoubleQuoted},
                              {"download", "", Form::Bare},
                              {"rel", "noopener", Form::Unquoted}};
    EXPECT_EQ(doc.area(0)->title(), "Go to A");
    EXPECT_EQ(doc.area(0)->attributes(), first);
    // An empty title is none to edit, but stays on the tag.
    EXPECT_EQ(doc.area(1)->title(), "");
    EXPECT_EQ(doc.area(1)->attributes(),
              (TagAttributes{{"title", "", Form::DoubleQuoted},
                             {"DATA-x", "say \"hi\"", Form::SingleQuoted},
                             {"hreflang", "en", Form::Unquoted}}));
    EXPECT_EQ(doc.mapInfo().mapAttributes,
              (TagAttributes{{"id", "site-nav", Form::DoubleQuoted},
                             {"class", "maps main", Form::SingleQuoted}}));
    EXPECT_EQ(doc.mapInfo().defaultAttributes,
              (TagAttributes{{"title", "Home page", Form::DoubleQuoted},
                             {"alt", "Home", Form::Unquoted}}));

    // Unedited, every tag is written as the page wrote it.
    ASSERT_TRUE(doc.doSave(dir.filePath("out.htm")));
    const QByteArray unedited = read("out.htm");
    const qsizetype mapAt = page.indexOf("<map");
    const QByteArray block = page.sliced(mapAt, page.indexOf("</map>") + 6 - mapAt);
    EXPECT_TRUE(withoutTracking(unedited).contains(block)) << unedited.constData();

    // Changed, they are written in the editor's form, the attributes after
    // the editor's own in their order and form.
    doc.moveAreas({0, 1}, 1, 0);
    MapInfo info = doc.mapInfo();
    info.title = "nav2";
    info.defaultUrl = "index.htm#top";
    doc.setMapInfo(info);
    ASSERT_TRUE(doc.doSave(dir.filePath("edited.htm")));
    const QByteArray saved = read("edited.htm");
    EXPECT_TRUE(saved.contains("<MAP NAME=\"nav2\" id=\"site-nav\" class='maps main'>\n"));
    EXPECT_TRUE(saved.contains(
        "<AREA SHAPE=RECT COORDS=\"2,1,51,50\" HREF=\"a.htm\" ALT=\"A\" TITLE=\"Go to A\" id=a1 "
        "class='hot spot' data-track=\"nav:a\" onmouseover=\"show('a'); x=&quot;y&quot;\" "
        "aria-label=\"Tom &amp; Jerry\" download rel=noopener>\n"))
        << saved.constData();
    EXPECT_TRUE(saved.contains("<AREA SHAPE=CIRCLE COORDS=\"81,80,10\" HREF=\"c.htm\" ALT=\"C\" "
                               "title=\"\" DATA-x='say &quot;hi&quot;' hreflang=en>\n"))
        << saved.constData();
    EXPECT_TRUE(saved.contains(
        "<AREA SHAPE=default HREF=\"index.htm#top\" title=\"Home page\" alt=Home>\n"));

    CImageMapDoc back(&dialogs, &pictures);
    ASSERT_TRUE(back.openDocument(dir.filePath("edited.htm")));
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(back.area(i)->texts(), doc.area(i)->texts()) << i;
    EXPECT_EQ(back.mapInfo().mapAttributes, doc.mapInfo().mapAttributes);
    EXPECT_EQ(back.mapInfo().defaultAttributes, doc.mapInfo().defaultAttributes);
    back.setModified(true);
    ASSERT_TRUE(back.save());
    EXPECT_EQ(withoutDate(read("edited.htm")), withoutDate(saved));

    // A server-side map has none, and its page gets none.
    openAndSave(kServerMap, "a.map", "server.htm");
    EXPECT_TRUE(doc.mapInfo().mapAttributes.isEmpty());
    EXPECT_TRUE(read("server.htm").contains("<MAP NAME=\"Shop\">\r\n"));
}

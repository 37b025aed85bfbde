// The rules of the wizards' pages and dialogs, through their value models,
// without windows.
#include "support/ScriptedPrompter.h"
#include "support/TempFiles.h"
#include "wizards/ImageChoiceValues.h"
#include "wizards/InsertPointValues.h"
#include "wizards/MapNameValues.h"
#include "wizards/NewPageValues.h"
#include "wizards/PageChoiceValues.h"
#include "wizards/PlacementValues.h"

#include <gtest/gtest.h>

namespace {

// A page whose markup hides ">" in places a colour rule would take for a
// tag's end: a quoted attribute value, a comment, a script and a style
// element. "|" marks every place a new tag may go; they are removed before
// the page is used.
const QByteArray kMarkedPage = "<HTML><HEAD><TITLE>T</TITLE></HEAD>\r\n"
                               "<BODY BGCOLOR=\"white\">|\r\n|"
                               "<P TITLE=\"a > b\">|x|</P>|\r\n|"
                               "<!-- note > <IMG SRC=x.gif> -->|\r\n|"
                               "<SCRIPT>if (a > b) document.write('<b>');</SCRIPT>|"
                               "<style>p > a { color: red }</style>|\r\n|"
                               "<MAP NAME=\"m\"><AREA SHAPE=RECT COORDS=\"1,2,3,4\"></MAP>|\r\n|"
                               "</BODY>\r\n</HTML>\r\n";

} // namespace

// Every caret of the page is allowed exactly where the marks say: between
// the body's tags, never inside a tag, comment, script, style, map or the
// head, and the caret counts the page without carriage returns.
TEST(InsertPointValuesTest, APointIsAllowedOnlyBetweenTheTagsOfTheBody) {
    QByteArray page;
    QList<qsizetype> marks; // byte offsets of the allowed points
    for (char c : kMarkedPage) {
        if (c == '|')
            marks << page.size();
        else
            page += c;
    }
    const InsertPointValues values(page);
    EXPECT_EQ(values.shownText(), QByteArray(page).replace("\r", ""));
    QList<qsizetype> allowed;
    for (int caret = 0; caret <= values.shownText().size(); ++caret) {
        if (values.allows(caret))
            allowed << values.byteOffsetOf(caret);
    }
    EXPECT_EQ(allowed, marks);
    // The caret starts just after the BODY tag, or where it was put before.
    const int start = values.initialCaret(-1);
    EXPECT_EQ(values.byteOffsetOf(start), page.indexOf("\r\n<P"));
    EXPECT_EQ(values.initialCaret(5), 5);
    EXPECT_TRUE(values.canAccept(start, false, "pic.gif"));
    EXPECT_FALSE(values.canAccept(start, true, "pic.gif"));
    EXPECT_FALSE(values.canAccept(start, false, "  "));
    // A page without a body end takes no point at all.
    const InsertPointValues open("<HTML><BODY><P>x</P>");
    for (int caret = 0; caret <= open.shownText().size(); ++caret)
        EXPECT_FALSE(open.allows(caret)) << caret;
}

// Step 1 of the existing-page branch: counts, and the malformed page refused.
TEST(PageChoiceValuesTest, CountsToTheBodyEndAndRefusesAPageWithoutOne) {
    TempFiles files;
    ScriptedPrompter prompter;
    PageChoiceValues values;
    EXPECT_FALSE(values.canNext());
    values.choose(files.write("one.htm", "<BODY><MAP NAME=a></MAP></BODY><IMG SRC=late.gif>"));
    EXPECT_EQ(values.status(),
              "Currently selected HTML file has 1 existing map and no existing images.");
    values.choose(files.write("two.htm", "<BODY><IMG SRC=a.gif><IMG SRC=b.gif></BODY>"));
    EXPECT_EQ(values.status(),
              "Currently selected HTML file has no existing maps and 2 existing images.");
    QString htmlPath;
    ASSERT_TRUE(values.next(htmlPath));
    EXPECT_EQ(htmlPath, files.path("two.htm"));
    values.choose(files.write("open.htm", "<HTML><BODY><IMG SRC=a.gif>"));
    EXPECT_TRUE(values.canNext());
    EXPECT_FALSE(values.next(htmlPath));
    EXPECT_EQ(htmlPath, files.path("two.htm"));
    ASSERT_EQ(prompter.shown().size(), 1);
    EXPECT_TRUE(prompter.texts()[0].startsWith("This HTML file is malformed."));
    EXPECT_EQ(prompter.shown()[0].icon, Prompter::Icon::Stop);
}

// Step 2: a row with a map is overwritten only on Yes; the chosen tag's
// offset and the resolved picture go with the result; an added image brings
// its insertion point and its own name.
TEST(ImageChoiceValuesTest, TheChosenRowOrTheAddedImageSettlesTheResult) {
    TempFiles files;
    ScriptedPrompter prompter;
    const QByteArray page = "<BODY><IMG SRC=\"pics\\a.gif\" USEMAP=\"#First\">\r\n"
                            "<IMG SRC=\"/srv/b.gif\"></BODY><IMG SRC=after.gif>";
    ImageChoiceValues values;
    values.load(files.write("site/page.htm", page));
    ASSERT_EQ(values.rowCount(), 2);
    EXPECT_EQ(values.resolvedPath(0), files.path("site/pics/a.gif"));
    EXPECT_EQ(values.resolvedPath(1), "/srv/b.gif");
    DocumentDialogs::NewMap result;
    EXPECT_FALSE(values.next(result)); // no row
    values.select(0);
    prompter.script({Prompter::Answer::No, Prompter::Answer::Yes});
    EXPECT_FALSE(values.next(result));
    EXPECT_TRUE(result.imagePath.isEmpty());
    ASSERT_TRUE(values.next(result));
    EXPECT_EQ(prompter.texts()[0], "The image that you have selected already has a map attached "
                                   "to it.\nDo you wish to overwrite this existing map?");
    EXPECT_EQ(result.title, "First");
    EXPECT_EQ(result.imagePath, files.path("site/pics/a.gif"));
    EXPECT_EQ(result.imgTagOffset, page.indexOf("<IMG"));
    EXPECT_EQ(values.agreedName(), "First");
    values.select(1);
    ASSERT_TRUE(values.next(result));
    EXPECT_EQ(result.title, "b");
    EXPECT_EQ(result.imgTagOffset, page.indexOf("<IMG SRC=\"/srv"));
    values.addImage("/pics/new one.png", 12);
    ASSERT_TRUE(values.next(result));
    EXPECT_EQ(result.title, "new one");
    EXPECT_EQ(result.insertOffset, 12);
    EXPECT_EQ(result.imgTagOffset, -1);
}

// The map name: no white space, '"' or '#'; a name the page already holds
// is asked about once (not again when step 2 already asked).
TEST(MapNameValuesTest, RefusesBadNamesAndAsksBeforeReplacingAMap) {
    for (const char* bad : {"", "two words", "tab\there", "say\"hi\"", "a#b", "line\nbreak"})
        EXPECT_FALSE(MapNameValues::isValid(bad)) << bad;
    for (const char* good : {"Shop", "shop_2", "caf\xc3\xa9"})
        EXPECT_TRUE(MapNameValues::isValid(good)) << good;

    ScriptedPrompter prompter;
    MapNameValues values;
    values.setPage(PageSummary::of("<BODY><MAP NAME=\"Shop\"></MAP><MAP NAME=Old></MAP></BODY>"));
    values.setName("Fresh");
    EXPECT_EQ(values.example("/x/pic.gif"), "<IMG SRC=\"pic.gif\" USEMAP=\"#Fresh\">");
    EXPECT_TRUE(values.finish());
    values.setName("Shop");
    prompter.script({Prompter::Answer::No, Prompter::Answer::Yes});
    EXPECT_FALSE(values.finish());
    EXPECT_TRUE(values.finish());
    EXPECT_TRUE(values.finish()); // agreed once
    EXPECT_EQ(prompter.shown().size(), 2);
    values.setAgreedName("Old");
    values.setName("Old");
    EXPECT_TRUE(values.finish());
    EXPECT_EQ(prompter.shown().size(), 2);
    values.setName("a b");
    EXPECT_FALSE(values.canFinish());
    EXPECT_FALSE(values.finish());
}

// Step 1 of the new-page branch: ".htm" added unless the name ends in
// ".htm" or ".html"; an existing file is taken only on Yes, and never a page
// the writer would replace whole.
TEST(NewPageValuesTest, NamesAPageAndAsksBeforeUsingAnExistingFile) {
    TempFiles files;
    ScriptedPrompter prompter;
    NewPageValues values;
    values.setFolder(files.path(""));
    values.setName("");
    EXPECT_FALSE(values.canNext());
    values.setName("sub/page");
    EXPECT_FALSE(values.canNext());
    for (const auto& [typed, named] : {std::pair{"shop", "shop.htm"},
                                       {"Shop.HTML", "Shop.HTML"},
                                       {"notes.txt", "notes.txt.htm"},
                                       {"a.htm", "a.htm"}}) {
        values.setName(typed);
        EXPECT_EQ(values.path(), files.path(named)) << typed;
    }
    QString htmlPath;
    values.setName("new");
    ASSERT_TRUE(values.next(htmlPath));
    EXPECT_EQ(htmlPath, files.path("new.htm"));
    EXPECT_TRUE(prompter.shown().isEmpty());

    files.write("old.htm", "<BODY><P>kept</P></BODY>");
    values.setName("old.htm");
    prompter.script({Prompter::Answer::No, Prompter::Answer::Yes});
    EXPECT_FALSE(values.next(htmlPath));
    EXPECT_EQ(htmlPath, files.path("new.htm"));
    ASSERT_TRUE(values.next(htmlPath));
    EXPECT_EQ(htmlPath, files.path("old.htm"));
    EXPECT_TRUE(
        prompter.texts()[0].startsWith(files.path("old.htm") + "\nThis file already exists."));

    files.write("broken.htm", "<HTML><BODY><P>no end");
    values.setName("broken");
    prompter.clear();
    prompter.setFallback(Prompter::Answer::Yes);
    EXPECT_FALSE(values.next(htmlPath));
    EXPECT_EQ(prompter.shown().size(), 1);
    EXPECT_EQ(prompter.shown()[0].icon, Prompter::Icon::Stop);
}

// "Add Image..." of the Save As page choice keeps the document's name: a
// name the page already holds is replaced only on Yes, and the new tag's
// insertion point replaces any IMG tag chosen before.
TEST(PlacementValuesTest, AnAddedImageKeepsTheNameOnlyWhenTheUserAgrees) {
    ScriptedPrompter prompter;
    const QByteArray page = "<BODY><IMG SRC=a.gif><MAP NAME=Shop></MAP></BODY>";
    PlacementValues values(PageSummary::of(page), "Shop");
    ASSERT_EQ(values.rows().size(), 2);
    prompter.script({Prompter::Answer::Yes, Prompter::Answer::No, Prompter::Answer::Yes});
    ASSERT_TRUE(values.accept(0)); // the picture, keeping "Shop": asked
    EXPECT_EQ(values.imgTagOffset(), page.indexOf("<IMG"));
    EXPECT_FALSE(values.acceptAdded(9));
    EXPECT_EQ(values.insertOffset(), -1);
    ASSERT_TRUE(values.acceptAdded(9));
    EXPECT_EQ(values.insertOffset(), 9);
    EXPECT_EQ(values.imgTagOffset(), -1);
    EXPECT_EQ(values.mapName(), "Shop");
    EXPECT_EQ(prompter.shown().size(), 3);
    EXPECT_FALSE(values.canAccept(2));
}

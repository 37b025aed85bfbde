// A map opened from a page and saved back into it: what the user did not
// change is written as the page wrote it, byte for byte, through every
// kind of edit and its undo.
#include "document/ImageMapDoc.h"
#include "model/Settings.h"
#include "support/FakeDocumentDialogs.h"
#include "support/FakePictureSource.h"
#include "support/PageDiff.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

namespace {

// Pages as people and other tools write them: line feeds, indentation,
// lower case, both quotes, decimals and spaces in COORDS, areas without a
// URL or with NOHREF, areas browsers give no shape, a comment and a NUL in
// the map, the default area first, XHTML, no line break after the map.
const char kHandWrittenText[] =
    "<!DOCTYPE html>\n<html>\n<body>\n  <p><img src='pic.gif' usemap='#nav' width=400></p>\n"
    "  <map name='nav' id=\"main-nav\">\n"
    "    <area shape=default href=\"/\" alt=''>\n"
    "    <area shape='rect' coords='10, 10, 100.4, 60' href='a.htm' alt='A' class=x>\n"
    "    <!-- the hole in the middle -->\n"
    "    <AREA SHAPE=CIRCLE COORDS=\"200,150,.4e2\" NOHREF ALT=\"hole\" />\n"
    "    <area coords=\"1;1;300;200\" alt=\"nowhere\">\n"
    "    <area shape=poly coords=\"5,5,50,5\" href='broken.htm' alt=\"two points\">\n"
    "    <area shape=circle coords=\"20,20,-10\" href=neg.htm>\n"
    "    <area shape=poly coords=\"40,40 90,40 90,90\" href='t\0x.htm' alt=nul>\n"
    "  </map></body>\n</html>\n";
const QByteArray kHandWritten(kHandWrittenText, sizeof(kHandWrittenText) - 1);

// One line, carriage returns, an earlier save's markers and tracking.
const QByteArray kSavedBefore =
    "<HTML>\r\n<BODY>\r\n<!-- Start of Client Side Image Map information -->\r\n"
    "<MAP NAME=\"Shop\">\r\n<!-- #$-:Image map file created by Tessary -->\r\n"
    "<!-- #$AUTHOR:Ann -->\r\n<AREA SHAPE=RECT COORDS=\"20,20,140,60\" HREF=\"home.htm\" "
    "ALT=\"\">\r\n<AREA SHAPE=POLY COORDS=\"40,200,120,100,200,200,40,200\" HREF=\"t.htm\" "
    "ALT=\"\">\r\n</MAP>\r\n<!-- End of Client Side Image Map information -->\r\n\r\n"
    "<!-- Image tags modified by Tessary for Client Side Image Map insertion -->\r\n"
    "<IMG SRC=\"pic.gif\" USEMAP=\"#Shop\" BORDER=0>\r\n</BODY>\r\n</HTML>\r\n";

const QByteArray kOneLine = "<body><map name=m><area coords=1,1,20,20 href=a><area shape=circ "
                            "coords=50,50,10></map><img src=pic.gif usemap=#m></body>";

class PageWriteBack : public ::testing::Test, protected TempFiles {
protected:
    void TearDown() override { Settings::app() = Settings(); }

    // Opens page, saves it into itself and returns what was written.
    QByteArray openAndSave(const QByteArray& page) {
        EXPECT_TRUE(doc.openDocument(write("page.htm", page)))
            << prompter.texts().join(QStringLiteral(" / ")).toStdString();
        EXPECT_FALSE(doc.isReadOnly());
        return saved();
    }
    QByteArray saved() {
        EXPECT_TRUE(doc.doSave(path("page.htm")));
        return read("page.htm");
    }

    ScriptedPrompter prompter;
    FakeDocumentDialogs dialogs;
    FakePictureSource pictures;
    CImageMapDoc doc{&dialogs, &pictures};
};

} // namespace

// Saved unedited, each page differs only by the editor's tracking comments;
// saved again, not even by those.
TEST_F(PageWriteBack, UneditedSaveChangesOnlyTrackingComments) {
    Settings::app().skipSavedDialog = true;
    for (const QByteArray& page : {kHandWritten, kSavedBefore, kOneLine}) {
        SCOPED_TRACE(page.left(40).toStdString());
        const QByteArray first = openAndSave(page);
        EXPECT_EQ(withoutTracking(first), withoutTracking(page));
        // No area without a URL was asked about: the page gave them so.
        EXPECT_EQ(dialogs.areaShown, 0);
        EXPECT_TRUE(prompter.shown().isEmpty())
            << prompter.texts().join(QStringLiteral(" / ")).toStdString();
        const QByteArray second = openAndSave(first);
        EXPECT_EQ(withoutTracking(second), withoutTracking(page));
    }
    ASSERT_TRUE(doc.openDocument(path("page.htm")));
}

// Every edit rewrites that area's tag alone, in the writer's form; its undo
// gives back the page's own tag.
TEST_F(PageWriteBack, AnEditChangesOnlyThatAreaAndUndoRestoresIt) {
    Settings::app().skipSavedDialog = true;
    const QByteArray original = withoutTracking(openAndSave(kHandWritten));
    ASSERT_EQ(doc.areaCount(), 6);
    const QByteArray rectTag =
        "<area shape='rect' coords='10, 10, 100.4, 60' href='a.htm' alt='A' class=x>";

    doc.moveAreas({0}, 5, 0);
    QByteArray expected = original;
    expected.replace(rectTag,
                     "<AREA SHAPE=RECT COORDS=\"15,10,105,60\" HREF=\"a.htm\" ALT=\"A\" class=x>");
    EXPECT_EQ(withoutTracking(saved()), expected);
    doc.undo();
    EXPECT_EQ(withoutTracking(saved()), original);

    // Texts, and a group of areas (the reordered ones keep their own tags).
    AreaTexts texts = doc.area(1)->texts();
    texts.url = "hole.htm";
    doc.setAreaTexts(1, texts);
    doc.moveAreas({0, 5}, 0, 1);
    const QByteArray edited = withoutTracking(saved());
    EXPECT_TRUE(edited.contains("<AREA SHAPE=CIRCLE COORDS=\"200,150,40\" HREF=\"hole.htm\" "
                                "ALT=\"hole\" NOHREF>"));
    EXPECT_TRUE(edited.contains("<AREA SHAPE=RECT COORDS=\"10,11,100,61\""));
    EXPECT_FALSE(edited.contains("alt=nul>"));
    EXPECT_TRUE(edited.contains("<area coords=\"1;1;300;200\" alt=\"nowhere\">"));
    doc.undo();
    doc.undo();
    doc.moveArea(2, 0);
    QByteArray reordered = original;
    const QByteArray nowhere = "\n    <area coords=\"1;1;300;200\" alt=\"nowhere\">";
    reordered.remove(reordered.indexOf(nowhere), nowhere.size());
    reordered.insert(reordered.indexOf("\n    <area shape='rect'"), nowhere);
    EXPECT_EQ(withoutTracking(saved()), reordered);
    doc.undo();
    EXPECT_EQ(withoutTracking(saved()), original);
}

// Areas a browser gives no shape are listed, found by the check, kept
// through moves and written back with their COORDS as written.
TEST_F(PageWriteBack, AreasWithoutShapeStayAsWritten) {
    Settings::app().skipSavedDialog = true;
    const QByteArray original = withoutTracking(openAndSave(kHandWritten));
    ASSERT_EQ(doc.areaCount(), 6);
    EXPECT_FALSE(doc.area(3)->clickable()); // two points
    EXPECT_FALSE(doc.area(4)->clickable()); // radius -10
    EXPECT_TRUE(doc.area(5)->clickable());
    const PictureArea before = doc.area(4)->picture();
    doc.moveAreas({3, 4}, 30, 30);
    EXPECT_EQ(doc.area(4)->picture(), before);
    EXPECT_EQ(withoutTracking(saved()), original);

    AreaTexts texts = doc.area(4)->texts();
    texts.url = "pos.htm";
    doc.setAreaTexts(4, texts);
    const QByteArray edited = withoutTracking(saved());
    EXPECT_TRUE(
        edited.contains("<AREA SHAPE=\"circle\" COORDS=\"20,20,-10\" HREF=\"pos.htm\" ALT=\"\">"));
    // Read back, it is still not clickable.
    ASSERT_TRUE(doc.openDocument(path("page.htm")));
    EXPECT_FALSE(doc.area(4)->clickable());
}

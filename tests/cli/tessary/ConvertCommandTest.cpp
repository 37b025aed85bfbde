#include "CliRun.h"

TEST_F(Cli, ConvertSavesAPageAsTheEditorDoes) {
    write("pics/pic.gif", "GIF89a");
    const QString map = write("site.map", "#$TITLE:Shop\n#$GIF:pics/pic.gif\n"
                                          "rect a.htm 1,1 5,5\ndefault index.htm\n");
    const Outcome r = run({"convert", map, dir.filePath("out/site.htm")});
    EXPECT_EQ(r.exitCode, 1); // the folder does not exist
    EXPECT_TRUE(r.err.startsWith("tessary-cli: Attempting to CREATE the target file gave error "));

    QDir(dir.path()).mkdir("out");
    const Outcome ok = run({"convert", map, dir.filePath("out/site.htm")});
    ASSERT_EQ(ok.exitCode, 0) << ok.err.constData();
    EXPECT_TRUE(ok.err.isEmpty());
    const QByteArray page = read("out/site.htm");
    EXPECT_TRUE(page.contains("<IMG SRC=\"pic.gif\" USEMAP=\"#Shop\" BORDER=0>"));
    EXPECT_TRUE(page.contains("<AREA SHAPE=default HREF=\"index.htm\">"));
    EXPECT_EQ(read("out/pic.gif"), "GIF89a"); // the picture goes beside the page

    // Converting the page into itself changes nothing but the date line.
    ASSERT_EQ(run({"convert", dir.filePath("out/site.htm"), dir.filePath("out/site.htm")}).exitCode,
              0);
    EXPECT_EQ(read("out/site.htm").size(), page.size());

    // --responsive: the page scales the map with its picture, and a later
    // convert keeps the flag the page gives it.
    const QString out = dir.filePath("out/site.htm");
    ASSERT_EQ(run({"convert", out, out, "--responsive"}).exitCode, 0);
    ASSERT_EQ(run({"convert", out, out}).exitCode, 0);
    EXPECT_EQ(read("out/site.htm").count("<!-- Start of Tessary map scaling script -->"), 1);
    EXPECT_TRUE(run({"read", out}).json()["responsive"].toBool());
}

TEST_F(Cli, ConvertTakesTitleAndPictureAndKeepsTheRestOfAPage) {
    const QString page = write("page.htm", "<HTML><BODY>\r\n<IMG SRC=\"logo.png\" WIDTH=5>\r\n"
                                           "</BODY></HTML>\r\n");
    const QString map = write("a.map", "rect a.htm 1,1 5,5\n");
    const Outcome r =
        run({"convert", map, page, "--title", "Logo \"map\"", "--image", dir.filePath("logo.png")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QByteArray written = read("page.htm");
    EXPECT_TRUE(written.startsWith("<HTML><BODY>\r\n\r\n<!-- Image tags modified"));
    EXPECT_TRUE(written.contains(
        "<IMG SRC=\"logo.png\" USEMAP=\"#Logo &quot;map&quot;\" WIDTH=5 BORDER=0>\r\n<!-- Start"));
    EXPECT_TRUE(written.endsWith("information -->\r\n</BODY></HTML>\r\n"));
}

TEST_F(Cli, ConvertAnswersQuestionsNoAndReportsThem) {
    settings("Require%20Default=1\n");
    const QString map = write("a.map", "rect a.htm 1,1 5,5\n");
    Outcome r = run({"convert", map, dir.filePath("a.htm")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "tessary-cli: Do you really want to save without a default URL?\n");
    EXPECT_FALSE(QFile::exists(dir.filePath("a.htm")));

    settings("");
    r = run({"convert", write("d.map", "rect a.htm 1,1 5,5\n"), dir.filePath("d.map2")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "tessary-cli: Saving a Client Side Image Map file into a non-HTML file is "
                     "not allowed!\n");
    EXPECT_EQ(run({"convert", map}).exitCode, 2);
}

TEST_F(Cli, ConvertNeverDestroysWhatItCouldNotRead) {
    // A map not read whole goes back into its own page only when asked.
    QByteArray lossy = "<body><map name=m><area coords=1,2,3,4 href=o.htm";
    for (int i = 0; i < 66; ++i) // two beyond the attributes a tag keeps
        lossy += " d" + QByteArray::number(i);
    lossy += "><area coords=1,1,5,5 href=a.htm></map></body>";
    const QString page = write("lossy.htm", lossy);
    Outcome r = run({"convert", page, page});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith("tessary-cli: This map was not read whole from"));
    EXPECT_TRUE(r.err.endsWith("tessary-cli: not read: 2 attributes beyond the 64 an area or map "
                               "keeps; --allow-loss writes it anyway\n"))
        << r.err.toStdString();
    EXPECT_EQ(read("lossy.htm"), lossy);
    EXPECT_EQ(run({"convert", page, page, "--allow-loss"}).exitCode, 0);

    // A page without a body end that lacks the map is kept byte for byte.
    const QByteArray tpl = "{* header *}\n<p>no end of body</p>\n";
    const QString target = write("t.htm", tpl);
    r = run({"convert", write("a.map", "rect a.htm 1,1 5,5\n"), target});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "tessary-cli: This HTML file is malformed. Refusing to save into this file "
                     "due to extreme possibility of destroying the file.\n");
    EXPECT_EQ(read("t.htm"), tpl);

    // A page that gives no map says why on a second line.
    r = run({"convert", write("u.htm", "<html>\n<!-- <map name=m></map> -->\n"), target});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.endsWith("in use.\ntessary-cli: The MAP element on line 2 lies inside a "
                               "comment, script or style, which is not part of the page.\n"));
}

// Areas the page gave without a URL, or with NOHREF, are written back as
// they were: they no longer stop the page from being saved into itself.
TEST_F(Cli, ConvertKeepsAreasWithoutUrlsItOnlyRead) {
    const QByteArray areas = "<area shape=rect coords=\"1, 1, 5, 5\">\n"
                             "<area coords='2,2,9,9' nohref alt=hole>\n"
                             "<area shape=poly coords=\"1,1,9,9\" href=two-points.htm>\n";
    const QString page = write("holes.htm", "<body>\n<img src=p.gif usemap=#m>\n<map name=m>\n" +
                                                areas + "</map>\n</body>\n");
    EXPECT_EQ(run({"convert", page, page}).exitCode, 0);
    EXPECT_TRUE(read("holes.htm").contains(areas)) << read("holes.htm").toStdString();
}

#include "CliRun.h"
#include "support/TestPictures.h"

namespace {

class Check : public Cli {
protected:
    Outcome check(QStringList args) {
        args.prepend("check");
        return run(args);
    }
};

} // namespace

TEST_F(Check, CleanMapExitsZero) {
    const Outcome r = check({write("a.map", "rect a.htm 0,0 10,10\ncircle b.htm 20,20 25,25\n")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonObject json = r.json();
    EXPECT_EQ(json["state"].toInt(), 0);
    EXPECT_EQ(json["firstMissingUrl"].toInt(), 0);
    EXPECT_EQ(json["firstObscured"].toInt(), 0);
    EXPECT_EQ(json["obscured"].toArray(), QJsonArray({0, 0}));
    EXPECT_FALSE(json.contains("outside")); // no picture size given
}

TEST_F(Check, FindingsInTheDocumentedOrder) {
    const Outcome r = check({write("a.map", "rect a.htm 0,0 100,100\n"
                                            "circle b.htm 40,40 45,45\n"
                                            "rect c.htm 200,0 300,100\n")});
    EXPECT_EQ(r.exitCode, 3);
    const QJsonObject json = r.json();
    EXPECT_EQ(json["state"].toInt(), 3);
    EXPECT_EQ(json["firstObscured"].toInt(), 2);
    EXPECT_EQ(json["obscured"].toArray(), QJsonArray({0, 1, 0}));
    qsizetype last = -1;
    for (const char* key :
         {"\"state\"", "\"firstMissingUrl\"", "\"firstObscured\"", "\"obscured\""}) {
        const qsizetype at = r.out.indexOf(key);
        EXPECT_GT(at, last) << key;
        last = at;
    }
}

TEST_F(Check, MissingUrlComesFirst) {
    // A CERN rectangle line without a URL.
    const Outcome r = check({write("a.map", "rect a.htm 0,0 100,100\nrect a.htm 0,0 100,100\n"
                                            "rect (0,0) (5,5)\n")});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.json()["state"].toInt(), 4);
    EXPECT_EQ(r.json()["firstMissingUrl"].toInt(), 3);
    EXPECT_EQ(r.json()["firstObscured"].toInt(), 2);
}

TEST_F(Check, AreasBeyondAGivenPictureCount) {
    const QString map = write("a.map", "rect a.htm 0,0 100,100\nrect b.htm 150,0 250,50\n");
    Outcome r = check({map, "--size", "200x100"});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.json()["state"].toInt(), 0);
    EXPECT_EQ(r.json()["outside"].toInt(), 1);

    ASSERT_TRUE(TestPictures::solid(250, 100, qRgb(255, 255, 255)).save(dir.filePath("p.png")));
    r = check({map, "--image", dir.filePath("p.png")});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.json()["outside"].toInt(), 0);
}

TEST_F(Check, MapNameMustMatch) {
    const QString map = write("a.map", "#$TITLE:Nav\nrect a.htm 0,0 10,10\n");
    EXPECT_EQ(check({map, "--map", "Nav"}).exitCode, 0);
    const Outcome r = check({map, "--map", "Other"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("no map named \"Other\""));
    EXPECT_TRUE(r.out.isEmpty());
}

TEST_F(Check, ErrorsAndBadCommandLines) {
    const QString map = write("a.map", "rect a.htm 0,0 10,10\n");
    Outcome r = check({dir.filePath("missing.map")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("Unable to locate the file"));
    r = check({map, "--image", dir.filePath("none.png")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.count('\n'), 1);
    EXPECT_EQ(check({map, "--size", "12"}).exitCode, 2);
    EXPECT_EQ(check({map, "--size", "10x10", "--image", "p.png"}).exitCode, 2);
    EXPECT_EQ(check({map, "--map"}).exitCode, 2);
    EXPECT_EQ(check({map, "other.map"}).exitCode, 2);
    EXPECT_EQ(check({}).exitCode, 2);
}

TEST_F(Check, MapOfAPageIsChosenByName) {
    const QString page = write("two.htm", "<MAP NAME=\"Top\"><AREA COORDS=\"1,1,5,5\" HREF=t></MAP>"
                                          "<MAP NAME=\"Side\"><AREA COORDS=\"2,2,6,6\">"
                                          "<AREA COORDS=\"2,2,6,6\" HREF=s></MAP>");
    EXPECT_EQ(check({page}).exitCode, 1); // several maps: one must be named
    EXPECT_EQ(check({page, "--map", "Top"}).exitCode, 0);
    const Outcome side = check({page, "--map", "Side"});
    EXPECT_EQ(side.exitCode, 3);
    EXPECT_EQ(side.json()["firstMissingUrl"].toInt(), 1);
    EXPECT_EQ(side.json()["obscured"].toArray(), QJsonArray({0, 1}));
}

TEST_F(Check, ImageInfoChecksAgainstTheMapsOwnPicture) {
    ASSERT_TRUE(TestPictures::solid(20, 10, qRgb(255, 255, 255)).save(dir.filePath("site.png")));
    const QString map = write("site.map", "rect a.htm 0,0 10,10\nrect b.htm 15,0 25,5\n");

    Outcome r = check({map, "--image-info"});
    EXPECT_EQ(r.exitCode, 3); // the second rectangle reaches beyond the picture
    EXPECT_EQ(r.json()["outside"].toInt(), 1);
    EXPECT_EQ(r.json()["image"].toObject()["width"].toInt(), 20);

    // A size given on the command line is the one checked against.
    r = check({map, "--image-info", "--size", "30x30"});
    EXPECT_EQ(r.exitCode, 0) << r.out.constData();
    EXPECT_EQ(r.json()["outside"].toInt(), 0);
    EXPECT_EQ(r.json()["image"].toObject()["height"].toInt(), 10);

    // Without a picture to find, nothing is counted as outside.
    r = check({write("lone.map", "rect a.htm 0,0 10,10\n"), "--image-info"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.json()["image"].isNull());
    EXPECT_FALSE(r.json().contains("outside"));
}

// The findings go with every check; only --strict makes them a problem. The
// IMG's WIDTH scales the picture found beside the page: a 30 x 30 area shown
// at half size is too small to hit.
TEST_F(Check, FindingsAndStrict) {
    ASSERT_TRUE(TestPictures::solid(100, 100, qRgb(255, 255, 255)).save(dir.filePath("p.png")));
    write("a.htm", "");
    const QByteArray areas =
        "<map name=\"Nav\"><area coords=\"0,0,30,30\" href=\"a.htm\" alt=\"A\">"
        "</map>";
    const QString full = write("full.htm", "<img src=\"p.png\" usemap=\"#Nav\">" + areas);
    Outcome r = check({full, "--strict"});
    EXPECT_EQ(r.exitCode, 0) << r.out.constData();
    EXPECT_EQ(r.json()["findings"].toArray(), QJsonArray());

    const QString half = write("half.htm", "<img src=\"p.png\" usemap=\"#Nav\" width=50>" + areas);
    r = check({half});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonArray findings = r.json()["findings"].toArray();
    ASSERT_EQ(findings.size(), 1) << r.out.constData();
    EXPECT_EQ(findings[0].toObject()["area"].toInt(), 1);
    EXPECT_EQ(findings[0].toObject()["code"].toString(), "small-target");
    EXPECT_TRUE(findings[0].toObject()["message"].toString().contains("15 x 15"));
    EXPECT_GT(r.out.indexOf("\"findings\""), r.out.indexOf("\"obscured\"")); // added last
    EXPECT_EQ(check({half, "--strict"}).exitCode, 3);

    // Every rule in one map: codes in order, area 0 for the map's name.
    r = check({write("all.htm", "<map name=\"Site map\">"
                                "<area coords=\"0,0,50,50\" href=\"gone.htm\">"
                                "<area coords=\"50,0,100,50\" href=\"javascript:x()\" alt=\"A\">"
                                "<area coords=\"0,50,50,100\" href=\"a.htm\" alt=\"A.HTM\">"
                                "<area coords=\"50,50,59,100\" href=\"a.htm\" alt=\"a\">"
                                "</map>"),
               "--strict"});
    EXPECT_EQ(r.exitCode, 3);
    QStringList codes;
    for (const QJsonValue& f : r.json()["findings"].toArray())
        codes << QString::number(f.toObject()["area"].toInt()) + f.toObject()["code"].toString();
    EXPECT_EQ(codes,
              QStringList({"0map-name-space", "1missing-alt", "1broken-link", "2javascript-url",
                           "3alt-is-url", "4duplicate-alt", "4small-target"}));
}

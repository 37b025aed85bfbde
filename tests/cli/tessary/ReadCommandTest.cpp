#include "CliRun.h"

#include <QImage>

#include <cstring>

TEST_F(Cli, ReadsTheBundledSample) {
    const Outcome r = run({"read", TESSARY_SOURCE_DIR "/res/samples/sample.map"});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonObject map = r.json();
    EXPECT_EQ(map["path"].toString(), TESSARY_SOURCE_DIR "/res/samples/sample.htm");
    EXPECT_TRUE(map["modified"].toBool());
    EXPECT_EQ(map["title"].toString(), "Tessary sample");
    EXPECT_EQ(map["author"].toString(), "Corvane Tessary");
    EXPECT_EQ(map["imageFile"].toString(), "sample.png");
    EXPECT_EQ(map["defaultUrl"].toString(), "index.htm");
    EXPECT_EQ(map["readOnly"].toInt(), 0);
    const QJsonArray areas = map["areas"].toArray();
    ASSERT_EQ(areas.size(), 5);
    EXPECT_EQ(areas[0]["shape"].toString(), "rect");
    EXPECT_EQ(areas[0]["comment"].toString(), "Home button");
    EXPECT_EQ(areas[1]["rect"].toArray(), QJsonArray({160, 20, 280, 60}));
    EXPECT_EQ(areas[2]["shape"].toString(), "circle");
    EXPECT_EQ(areas[2]["rect"].toArray(), QJsonArray({310, 10, 370, 70}));
    EXPECT_FALSE(areas[2].toObject().contains("points"));
    EXPECT_EQ(areas[3]["shape"].toString(), "poly");
    EXPECT_EQ(areas[3]["points"].toArray(),
              QJsonArray({QJsonArray({40, 200}), QJsonArray({120, 100}), QJsonArray({200, 200})}));
}

TEST_F(Cli, KeysComeInTheDocumentedOrder) {
    const Outcome r = run({"read", write("a.map", "rect a.htm 1,1 5,5\n")});
    ASSERT_EQ(r.exitCode, 0);
    qsizetype last = -1;
    for (const char* key :
         {"\"path\"",     "\"modified\"",   "\"title\"",         "\"description\"",
          "\"author\"",   "\"date\"",       "\"imageFile\"",     "\"defaultUrl\"",
          "\"readOnly\"", "\"responsive\"", "\"areas\"",         "\"shape\"",
          "\"url\"",      "\"target\"",     "\"comment\"",       "\"rect\"",
          "\"title\"",    "\"attributes\"", "\"mapAttributes\"", "\"defaultAttributes\""}) {
        const qsizetype at = r.out.indexOf(QByteArray(key) + ":", last + 1);
        EXPECT_GT(at, last) << key;
        last = at;
    }
}

// Attributes beside the editor's own, as [name, value] pairs in page
// order, a bare one with the value null; the map's own after the areas.
TEST_F(Cli, AreasCarryTheirTitleAndEveryOtherAttribute) {
    const Outcome r =
        run({"read", write("a.htm", "<body><map name=m id=\"nav\" class=x>"
                                    "<area coords=\"1,1,5,5\" title=Tip data-a='1 &quot;2&quot;' "
                                    "download ALT=a onclick=\"go()\"></map></body>")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonObject map = r.json();
    const QJsonObject area = map["areas"].toArray()[0].toObject();
    EXPECT_EQ(area["title"].toString(), "Tip");
    EXPECT_EQ(area["attributes"].toArray(),
              QJsonArray({QJsonArray({"data-a", "1 \"2\""}), QJsonArray({"download", QJsonValue()}),
                          QJsonArray({"onclick", "go()"})}));
    EXPECT_EQ(map["mapAttributes"].toArray(),
              QJsonArray({QJsonArray({"id", "nav"}), QJsonArray({"class", "x"})}));
}

TEST_F(Cli, TextsAreUtf8OrLatin1AndEscaped) {
    const Outcome r = run({"read", write("a.map", "#$TITLE:Caf\xc3\xa9\n"
                                                  "# r\xe9sum\xe9\n"
                                                  "rect \"q\\%09.htm 1,1 5,5\n")});
    ASSERT_EQ(r.exitCode, 0);
    const QJsonObject map = r.json();
    EXPECT_EQ(map["title"].toString(), QStringLiteral("Café"));
    const QJsonObject area = map["areas"].toArray()[0].toObject();
    EXPECT_EQ(area["comment"].toString(), QStringLiteral("résumé"));
    EXPECT_EQ(area["url"].toString(), QStringLiteral("\"q\\%09.htm"));
}

TEST_F(Cli, UserSettingsGiveTheDefaultUrl) {
    QDir(config.path()).mkpath("Corvane");
    QFile ini(config.filePath("Corvane/Tessary.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Settings]\nDefault%20Url%20Lead=https://example.org/\n");
    ini.close();
    const Outcome r = run({"read", write("a.map", "rect a.htm 1,1 5,5\n")});
    EXPECT_EQ(r.json()["defaultUrl"].toString(), "https://example.org/");
}

TEST_F(Cli, FailuresExitWithOneLineAndTheReason) {
    Outcome r = run({"read", dir.filePath("missing.map")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains("Unable to locate the file"));
    EXPECT_EQ(r.err.count('\n'), 1);

    r = run({"read", write("page.map", "<HTML><BODY>\n</BODY>\n")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith("tessary-cli: Unable to load the map file.")); // no map in it
    // The reason follows on a line of its own.
    EXPECT_TRUE(r.err.endsWith("\ntessary-cli: The page holds no complete MAP element.\n"));
    EXPECT_EQ(r.err.count('\n'), 2);
}

// What stands on standard error is the Open's result: the failure's own
// message, and its detail on the next line.
TEST_F(Cli, AFileThatCannotBeReadGivesItsMessageAndTheSystemsReason) {
    QDir(dir.path()).mkdir("folder.map");
    const QString folder = dir.filePath("folder.map");
    const Outcome r = run({"read", folder});
    EXPECT_EQ(r.exitCode, 1);
    const QList<QByteArray> lines = r.err.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2) << r.err.constData();
    EXPECT_EQ(lines[0], "tessary-cli: Unable to read the file \"" + folder.toUtf8() +
                            "\". It was left as it was.");
    EXPECT_TRUE(lines[1].startsWith("tessary-cli: ")) << r.err.constData();
    EXPECT_GT(lines[1].size(), qsizetype(std::strlen("tessary-cli: ")));
}

TEST_F(Cli, ImageInfoLocatesAndQueriesThePictureAsOpenDoes) {
    QImage palette(30, 20, QImage::Format_Indexed8);
    palette.setColorCount(200);
    palette.fill(7);
    ASSERT_TRUE(palette.save(dir.filePath("site.png")));
    const QString map = write("site.map", "rect a.htm 1,1 5,5\n");

    Outcome r = run({"read", "--image-info", map});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.json()["imageFile"].toString(), ""); // the map itself names none
    EXPECT_EQ(r.json()["image"].toObject(), QJsonObject({{"path", dir.filePath("site.png")},
                                                         {"width", 30},
                                                         {"height", 20},
                                                         {"bits", 8},
                                                         {"format", "PNG"}}));
    EXPECT_GT(r.out.indexOf("\"image\":"), r.out.indexOf("\"areas\":"));

    // A picture the map names where it is not is looked for beside the map.
    ASSERT_TRUE(QImage(12, 10, QImage::Format_RGB32).save(dir.filePath("pic.jpg")));
    r = run({"read", write("named.imp", "#$GIF:img\\pic.jpg\n"), "--image-info"});
    ASSERT_EQ(r.exitCode, 0);
    const QJsonObject image = r.json()["image"].toObject();
    EXPECT_EQ(image["path"].toString(), dir.filePath("pic.jpg"));
    EXPECT_EQ(image["bits"].toInt(), 24);
    EXPECT_EQ(image["format"].toString(), "JPG");

    EXPECT_FALSE(run({"read", map}).json().contains("image")); // only when asked for
}

TEST_F(Cli, ImageInfoIsNullForAPictureNotFoundOrNotAPicture) {
    Outcome r = run({"read", "--image-info", write("a.map", "#$GIF:gone.gif\n")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.err.isEmpty());
    ASSERT_TRUE(r.json().contains("image"));
    EXPECT_TRUE(r.json()["image"].isNull());

    write("b.gif", "GIF89a, but nothing else");
    r = run({"read", "--image-info", write("b.map", "rect a.htm 1,1 5,5\n")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.json()["image"].isNull());
}

TEST_F(Cli, UsageErrorsExitWithTwo) {
    EXPECT_EQ(run({"read", "--image-info"}).exitCode, 2);
    EXPECT_EQ(run({"read", "--image-info", "--image-info", "a.map"}).exitCode, 2);
    EXPECT_EQ(run({"read", "--pictures", "a.map"}).exitCode, 2);
    EXPECT_EQ(run({}).exitCode, 2);
    EXPECT_EQ(run({"read"}).exitCode, 2);
    EXPECT_EQ(run({"frobnicate", "x"}).exitCode, 2);
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("tessary-cli read FILE [--map NAME] [--image-info]"));
}

TEST_F(Cli, PagesOfSeveralMapsNeedTheMapNamed) {
    const QString page = write("two.htm", "<IMG SRC=\"a.gif\" USEMAP=\"#Top\">"
                                          "<MAP NAME=\"Top\"><AREA COORDS=\"1,1,5,5\" HREF=t></MAP>"
                                          "<MAP NAME=\"Side bar\"><AREA COORDS=\"2,2,6,6\" HREF=s>"
                                          "</MAP>");
    Outcome r = run({"read", page});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QString("tessary-cli: %1 holds several maps; name one with --map:\n"
                             "  Top\n  Side bar\n")
                         .arg(page)
                         .toUtf8());

    r = run({"read", page, "--map", "Side bar"});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.json()["title"].toString(), "Side bar");
    EXPECT_EQ(r.json()["areas"].toArray()[0].toObject()["url"].toString(), "s");
    EXPECT_FALSE(r.json()["modified"].toBool());

    r = run({"read", page, "--map", "top"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith("tessary-cli: no map named \"top\" in"));

    // A page of one map has no other to give.
    r = run({"read", write("one.htm", "<MAP NAME=\"Only\"></MAP>"), "--map", "Other"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.endsWith("its maps:\n  Only\n"));
    EXPECT_EQ(run({"read", page, "--map"}).exitCode, 2);
}

// The United States page of four maps of 52 states, polygons of up to 284
// points: each map reads whole and editable.
TEST_F(Cli, EveryMapOfTheUnitedStatesPageReadsEditable) {
    const QString page = TESSARY_SOURCE_DIR "/tests/data/us_states/states.html";
    for (const char* name : {"usmap", "usmap_medium", "usmap_small", "usmap_tiny"}) {
        const Outcome r = run({"read", "--map", name, page});
        ASSERT_EQ(r.exitCode, 0) << name << ": " << r.err.constData();
        const QJsonObject map = r.json();
        EXPECT_EQ(map["readOnly"].toInt(), 0) << name;
        const QJsonArray areas = map["areas"].toArray();
        ASSERT_EQ(areas.size(), 52) << name;
        qsizetype fewest = 1 << 30, most = 0;
        for (const QJsonValue& a : areas) {
            const qsizetype n = a["points"].toArray().size();
            fewest = std::min(fewest, n);
            most = std::max(most, n);
        }
        EXPECT_GE(fewest, 64) << name;
        EXPECT_EQ(most, 284) << name;
        EXPECT_EQ(areas[0]["title"].toString(), "Alaska");
    }
}

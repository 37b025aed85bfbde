#include "CliRun.h"

TEST_F(Cli, ScanPrintsTheRecordsOfAPage) {
    const QByteArray text =
        "<HTML><BODY><img src=\"a.gif\" usemap=\"#m\" width=10 alt=\"x\">"
        "<MAP NAME=\"m\"><!-- #$AUTHOR:me --><area shape=rect coords=\"1,2,3,4\" "
        "href=\"a.htm\" alt=\"A\" target=t><AREA SHAPE=default HREF=d></MAP>"
        "</BODY></HTML>";
    const Outcome r = run({"scan", write("page.htm", text)});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonObject scan = r.json();
    const QJsonObject img = scan["imgs"].toArray()[0].toObject();
    EXPECT_EQ(img["start"].toInt(), text.indexOf("<img"));
    EXPECT_EQ(img["end"].toInt(), text.indexOf("<MAP"));
    EXPECT_EQ(img["src"].toString(), "a.gif");
    EXPECT_EQ(img["usemap"].toString(), "m");
    EXPECT_EQ(img["attrs"].toArray(),
              QJsonArray({QJsonArray({"WIDTH", "10", false}), QJsonArray({"ALT", "x", true})}));
    const QJsonObject map = scan["maps"].toArray()[0].toObject();
    EXPECT_EQ(map["name"].toString(), "m");
    EXPECT_EQ(map["start"].toInt(), text.indexOf("<MAP"));
    EXPECT_EQ(map["end"].toInt(), text.indexOf("</BODY>"));
    EXPECT_EQ(map["tracking"].toArray(), QJsonArray({"#$AUTHOR:me"}));
    const QJsonArray areas = map["areas"].toArray();
    ASSERT_EQ(areas.size(), 2);
    EXPECT_EQ(areas[0].toObject(), QJsonObject({{"shape", "RECT"},
                                                {"coords", "1,2,3,4"},
                                                {"href", "a.htm"},
                                                {"alt", "A"},
                                                {"target", "t"}}));
    EXPECT_EQ(areas[1]["shape"].toString(), "DEFAULT");
    EXPECT_EQ(scan["bodyEnd"].toInt(), text.indexOf("</BODY>"));

    const Outcome empty = run({"scan", write("plain.txt", "no tags")});
    ASSERT_EQ(empty.exitCode, 0);
    EXPECT_EQ(empty.out, "{\n  \"imgs\": [],\n  \"maps\": [],\n  \"bodyEnd\": 0\n}\n");
    EXPECT_EQ(run({"scan", dir.filePath("missing.htm")}).exitCode, 1);
}

// A page of four maps of the United States, as public pages of the states
// write them: 52 state polygons of 64 to 284 points in each map, with HREF,
// ALT and TITLE, at four scales and in four hand-made spellings (the page
// comes from tests/data/us_states/generate.py). Every map opens editable,
// whole, and the tools that walk a map's areas work on it.
#include "document/ImageMapDoc.h"
#include "model/MapCheckStatus.h"
#include "support/FakeDocumentDialogs.h"
#include "support/FakePictureSource.h"
#include "support/ScriptedPrompter.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

const char* const kStatesPage = TESSARY_SOURCE_DIR "/tests/data/us_states/states.html";

struct MapOfPage {
    QByteArray name;
    int width, height;
    QList<QList<QPoint>> polygons; // as the page writes them
    QList<QByteArray> titles;
};

// The maps as a plain reading of the page gives them: every number of a
// COORDS in pairs.
QList<MapOfPage> mapsOfPage() {
    QFile file(kStatesPage);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString page = QString::fromLatin1(file.readAll());
    QList<MapOfPage> maps;
    const QRegularExpression img(
        R"re((?i)<img [^>]*width="?(\d+)"? height="?(\d+)"? usemap="#(\w+)")re");
    for (auto m = img.globalMatch(page); m.hasNext();) {
        const auto i = m.next();
        maps.append(
            {i.captured(3).toLatin1(), i.captured(1).toInt(), i.captured(2).toInt(), {}, {}});
    }
    const QRegularExpression map(R"re((?is)<map name=['"](\w+)['"].*?</map>)re");
    const QRegularExpression area(R"re((?is)<area\b.*?title=['"]([^'"]*)['"].*?>)re");
    const QRegularExpression coords(R"re((?i)coords=['"]([^'"]*)['"])re");
    int k = 0;
    for (auto m = map.globalMatch(page); m.hasNext(); ++k) {
        const QString text = m.next().captured(0);
        for (auto a = area.globalMatch(text); a.hasNext();) {
            const auto tag = a.next();
            const QStringList numbers =
                coords.match(tag.captured(0))
                    .captured(1)
                    .split(QRegularExpression("[,\\s]+"), Qt::SkipEmptyParts);
            QList<QPoint> points;
            for (qsizetype n = 0; n + 1 < numbers.size(); n += 2)
                points << QPoint(numbers[n].toInt(), numbers[n + 1].toInt());
            maps[k].polygons << points;
            maps[k].titles << tag.captured(1).toLatin1();
        }
    }
    return maps;
}

} // namespace

TEST(UsStatesMap, EveryMapOpensEditableAndWhole) {
    const QList<MapOfPage> expected = mapsOfPage();
    ASSERT_EQ(expected.size(), 4) << kStatesPage;
    int longest = 0;
    for (int m = 0; m < 4; ++m) {
        const MapOfPage& page = expected[m];
        ASSERT_EQ(page.polygons.size(), 52) << page.name.constData();
        ScriptedPrompter prompter;
        FakeDocumentDialogs dialogs;
        dialogs.mapChoice = m;
        FakePictureSource pictures;
        pictures.width = page.width;
        pictures.height = page.height;
        CImageMapDoc doc(&dialogs, &pictures);
        ASSERT_TRUE(doc.openDocument(QString::fromLatin1(kStatesPage)));
        EXPECT_EQ(dialogs.mapChoicesShown.size(), 4);
        EXPECT_EQ(dialogs.mapChoicesShown.value(m).name, page.name);
        EXPECT_FALSE(doc.isReadOnly()) << page.name.constData();
        EXPECT_TRUE(doc.lossText().isEmpty()) << doc.lossText().toStdString();
        EXPECT_TRUE(prompter.shown().isEmpty()); // nothing to clip, nothing lost
        ASSERT_EQ(doc.areaCount(), 52);
        for (int i = 0; i < 52; ++i) {
            const MapArea& a = *doc.area(i);
            ASSERT_EQ(a.shape(), AreaShape::Polygon);
            EXPECT_EQ(a.vertices(), QPolygon(page.polygons[i]))
                << page.name.constData() << " " << i;
            EXPECT_EQ(a.title(), page.titles[i]);
            EXPECT_TRUE(a.url().startsWith("states/") || a.url().startsWith("/states/"));
            longest = std::max(longest, a.vertexCount());
        }
        EXPECT_GE(doc.area(1)->vertexCount(), 64);

        // The states lie apart: the check finds none obscured, every one
        // with its URL.
        struct : MapCheckStatus {
            int state = -1;
            void showState(int s, int) override { state = s; }
        } status;
        doc.runMapCheck(&status);
        EXPECT_EQ(status.state, MapCheckStatus::Clean);

        // A state takes a point past the old limit of 63 and gives it back.
        ASSERT_TRUE(doc.changeArea(
            0, [](MapArea& a) { a.insertVertex(0, a.vertex(0).x() + 1, a.vertex(0).y() + 1); }));
        EXPECT_EQ(doc.area(0)->vertexCount(), page.polygons[0].size() + 1);
        doc.undo();
        EXPECT_EQ(doc.area(0)->vertices(), QPolygon(page.polygons[0]));
    }
    EXPECT_EQ(longest, 284);
}

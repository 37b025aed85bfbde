// A page of four maps of the United States, as public pages of the states
// write them: 52 state polygons of 64 to 284 points in each map, with HREF,
// ALT and TITLE, at four scales and in four hand-made spellings (the page
// comes from tests/data/us_states/generate.py). Every map opens editable,
// whole, and the tools that walk a map's areas work on it.
#include "document/ImageMapDoc.h"
#include "model/MapCheckStatus.h"
#include "support/FakeDocumentDialogs.h"
#include "support/FakePictureSource.h"
#include "support/PageDiff.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFiles.h"

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

QByteArray readPage(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The AREA tags of a page in page order, each as its attributes (names in
// lower case, values unquoted) and its text.
struct Tag {
    QMap<QString, QString> attributes;
    QByteArray text;
};
QList<Tag> areaTags(const QByteArray& page) {
    static const QRegularExpression tag(R"re((?is)<area\b[^>]*>)re");
    static const QRegularExpression attribute(
        R"re((?s)([\w-]+)\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>]+)))re");
    QList<Tag> tags;
    const QString text = QString::fromLatin1(page);
    for (auto t = tag.globalMatch(text); t.hasNext();) {
        const QString one = t.next().captured(0);
        Tag read{{}, one.toLatin1()};
        for (auto a = attribute.globalMatch(one); a.hasNext();) {
            const auto m = a.next();
            read.attributes[m.captured(1).toLower()] =
                m.captured(2) + m.captured(3) + m.captured(4);
        }
        tags << read;
    }
    return tags;
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

// Moving one state and saving the map back into its page changes that
// state's COORDS and nothing else: every other tag, every other map and
// the text around them stay byte for byte (the editor's tracking comments
// apart), and the moved tag keeps every attribute it had.
TEST(UsStatesMap, MovingOneStateChangesOnlyItsCoords) {
    const QList<MapOfPage> expected = mapsOfPage();
    ASSERT_EQ(expected.size(), 4);
    TempFiles files;
    const QByteArray original = readPage(QString::fromLatin1(kStatesPage));
    const QString page = files.write("states.html", original);
    constexpr int kMap = 2, kState = 17, kDx = 3, kDy = -2;

    ScriptedPrompter prompter;
    FakeDocumentDialogs dialogs;
    dialogs.mapChoice = kMap;
    FakePictureSource pictures;
    pictures.width = expected[kMap].width;
    pictures.height = expected[kMap].height;
    CImageMapDoc doc(&dialogs, &pictures);
    ASSERT_TRUE(doc.openDocument(page));
    ASSERT_FALSE(doc.isReadOnly());
    ASSERT_TRUE(doc.moveAreas({kState}, kDx, kDy));
    ASSERT_EQ(doc.doSave(page).code(), OperationResult::Code::Done);

    const QByteArray saved = files.read("states.html");
    const QList<Tag> before = areaTags(original), after = areaTags(saved);
    ASSERT_EQ(before.size(), 4 * 52);
    ASSERT_EQ(after.size(), before.size());
    const int moved = kMap * 52 + kState;
    for (int i = 0; i < before.size(); ++i) {
        if (i != moved) {
            EXPECT_EQ(after[i].text, before[i].text) << i;
            continue;
        }
        QMap<QString, QString> rest = after[i].attributes, was = before[i].attributes;
        const QString coords = rest.take(QStringLiteral("coords"));
        was.remove(QStringLiteral("coords"));
        // The moved tag is written in the editor's form, whose SHAPE is
        // "POLY" for the page's "polygon": the same shape to a browser.
        for (auto* tag : {&rest, &was})
            (*tag)[QStringLiteral("shape")] = (*tag)[QStringLiteral("shape")].left(4).toLower();
        EXPECT_EQ(rest, was);
        QStringList want;
        for (QPoint p : expected[kMap].polygons[kState])
            want << QString::number(p.x() + kDx) << QString::number(p.y() + kDy);
        // The editor's form closes a ring on its first point.
        QStringList numbers = coords.split(QRegularExpression("[,\\s]+"), Qt::SkipEmptyParts);
        if (numbers.size() == want.size() + 2 && numbers.mid(numbers.size() - 2) == want.mid(0, 2))
            numbers.resize(want.size());
        EXPECT_EQ(numbers.join(' ').toStdString(), want.join(' ').toStdString());
    }
    // Outside the moved tag, the page is as it was.
    QByteArray outside = withoutTracking(saved), page0 = withoutTracking(original);
    outside.replace(after[moved].text, "<moved>");
    page0.replace(before[moved].text, "<moved>");
    EXPECT_EQ(outside, page0);
}

#include "document/RecoveryCopy.h"
#include "document/ImageMapDoc.h"
#include "model/Settings.h"
#include "model/Strings.h"
#include "support/FakeDocumentDialogs.h"
#include "support/FakePictureSource.h"
#include "support/PageText.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFiles.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// A page with every kind of area, kept attributes on areas, map and default
// area, quoting of every form, and a polygon.
const QByteArray kShopPage =
    "<html><head><title>Shop</title></head><body>\n<p>Before the map.</p>\n"
    "<img src=\"p.gif\" usemap=\"#nav\" width=200 height=100>\n"
    "<map name=\"nav\" id=\"site-nav\" class='maps main'>\n"
    "<area shape=\"rect\" coords=\"1,1,50,50\" href=\"a.htm\" alt=\"A\" title=\"Go to A\" "
    "id=a1 class='hot spot' data-track=\"nav:a\" onmouseover=\"show('a'); x=&quot;y&quot;\" "
    "aria-label=\"Tom &amp; Jerry\" download rel=noopener>\n"
    "<area shape=circle coords=\"80,80,10\" href=c.htm DATA-x='say \"hi\"' title=\"\" "
    "hreflang=en alt=C target=_blank>\n"
    "<area shape=poly coords=\"100,10,180,10,150,90,120,60\" href=\"p.htm?a=1&amp;b=2\" "
    "alt=\"Poly\">\n"
    "<area shape=default href=index.htm title=\"Home page\" alt=Home>\n"
    "</map>\n<p>After the map.</p>\n</body></html>\n";

// Field by field, so that a difference names itself.
void expectSame(const DocumentState& a, const DocumentState& b) {
    const MapInfo &x = a.info, &y = b.info;
    EXPECT_EQ(x.formatVersion, y.formatVersion);
    EXPECT_EQ(x.readOnly, y.readOnly);
    EXPECT_EQ(x.title, y.title);
    EXPECT_EQ(x.description, y.description);
    EXPECT_EQ(x.author, y.author);
    EXPECT_EQ(x.date, y.date);
    EXPECT_EQ(x.imageFolder, y.imageFolder);
    EXPECT_EQ(x.imageFile, y.imageFile);
    EXPECT_EQ(x.defaultUrl, y.defaultUrl);
    EXPECT_EQ(x.shownWidth, y.shownWidth);
    EXPECT_EQ(x.shownHeight, y.shownHeight);
    EXPECT_EQ(x.scalesWithPicture, y.scalesWithPicture);
    EXPECT_TRUE(x.mapAttributes == y.mapAttributes);
    EXPECT_TRUE(x.defaultAttributes == y.defaultAttributes);
    ASSERT_EQ(a.areas.size(), b.areas.size());
    for (size_t i = 0; i < a.areas.size(); ++i) {
        EXPECT_TRUE(a.areas[i].texts == b.areas[i].texts) << "area " << i;
        EXPECT_TRUE(a.areas[i] == b.areas[i]) << "area " << i;
    }
    EXPECT_EQ(a.path, b.path);
    EXPECT_EQ(a.mapPath, b.mapPath);
    EXPECT_EQ(a.imagePath, b.imagePath);
    EXPECT_EQ(a.readFrom, b.readFrom);
    EXPECT_EQ(a.pageImageRef, b.pageImageRef);
    EXPECT_EQ(a.pagePicturePath, b.pagePicturePath);
    EXPECT_EQ(a.lossText, b.lossText);
    EXPECT_EQ(a.insertOffset, b.insertOffset);
    EXPECT_EQ(a.imgTagOffset, b.imgTagOffset);
    EXPECT_EQ(a.fromWizard, b.fromWizard);
    EXPECT_EQ(a.fromServerMap, b.fromServerMap);
}

class RecoveryCopyTest : public ::testing::Test, protected TempFiles {
protected:
    void TearDown() override { Settings::app() = Settings(); }

    RecoveryCopy copyOf(const CImageMapDoc& doc) {
        RecoveryCopy copy;
        copy.state = doc.state();
        copy.time = QDateTime::fromMSecsSinceEpoch(1'700'000'000'123, Qt::UTC);
        copy.ownerPid = 4242;
        copy.ownerStart = 987654;
        copy.pageSize = 1234;
        copy.pageModified = QDateTime::fromMSecsSinceEpoch(1'600'000'000'000, Qt::UTC);
        return copy;
    }
    RecoveryCopy readBack(const QByteArray& bytes) {
        RecoveryCopy back;
        QString reason;
        EXPECT_TRUE(RecoveryCopy::decode(bytes, back, reason)) << reason.toStdString();
        return back;
    }

    ScriptedPrompter prompter;
    FakeDocumentDialogs dialogs;
    FakePictureSource pictures;
};

} // namespace

// The copy of a changed map restores to a document that saves the page the
// original would have saved, byte for byte but for the date; the copy keeps
// every field of the state, and its owner and page facts.
TEST_F(RecoveryCopyTest, ARestoredCopySavesTheSamePageAsTheMapItWasTakenFrom) {
    const QString page = write("site.htm", kShopPage);
    CImageMapDoc original(&dialogs, &pictures);
    ASSERT_TRUE(original.openDocument(page));
    ASSERT_EQ(original.areaCount(), 3);
    // Changes of every kind: an area, its texts, the map's information and
    // the responsive flag.
    auto added = std::make_unique<MapArea>(AreaShape::Circle);
    added->setRect(20, 60, 40, 80);
    original.addArea(std::move(added));
    AreaTexts texts = original.area(3)->texts();
    texts.url = "new.htm";
    texts.comment = "A \"quoted\" <new> one & more";
    original.setAreaTexts(3, texts);
    MapInfo info = original.mapInfo();
    info.description = "Line one\nline two --> not an end";
    info.author = "Ann \"Quote\" Lee";
    info.scalesWithPicture = true;
    original.setMapInfo(info);
    original.moveArea(2, 0);

    const RecoveryCopy copy = copyOf(original);
    const QByteArray bytes = copy.encode();
    const RecoveryCopy back = readBack(bytes);
    expectSame(back.state, copy.state);
    EXPECT_EQ(back.time, copy.time);
    EXPECT_EQ(back.ownerPid, 4242);
    EXPECT_EQ(back.ownerStart, 987654);
    EXPECT_EQ(back.pageSize, 1234);
    EXPECT_EQ(back.pageModified, copy.pageModified);
    EXPECT_EQ(back.encode(), bytes); // nothing drifts from copy to copy

    CImageMapDoc restored(&dialogs, &pictures);
    ASSERT_TRUE(restored.restoreState(back.state));
    EXPECT_TRUE(restored.isModified());
    EXPECT_FALSE(restored.canUndo()); // the stack starts at the recovered state
    EXPECT_EQ(restored.path(), page);
    expectSame(restored.state(), original.state());

    ASSERT_TRUE(original.save());
    const QByteArray expected = read("site.htm");
    write("site.htm", kShopPage);
    ASSERT_TRUE(restored.save());
    EXPECT_EQ(withoutDate(read("site.htm")), withoutDate(expected));
    EXPECT_FALSE(restored.isModified());
}

// A new map (no page), one read from a server-side map file and a read-only
// one keep where they came from.
TEST_F(RecoveryCopyTest, NewServerSideAndReadOnlyMapsKeepTheirOrigin) {
    CImageMapDoc fresh(&dialogs, &pictures);
    CImageMapDoc::NewMapStart start;
    start.imagePath = path("pic.png");
    ASSERT_TRUE(fresh.newDocument(start));
    auto area = std::make_unique<MapArea>(AreaShape::Rectangle);
    area->setRect(5, 5, 25, 25);
    fresh.addArea(std::move(area));
    RecoveryCopy back = readBack(copyOf(fresh).encode());
    expectSame(back.state, fresh.state());
    EXPECT_TRUE(back.state.path.isEmpty());
    EXPECT_FALSE(back.state.fromServerMap);

    CImageMapDoc server(&dialogs, &pictures);
    ASSERT_TRUE(server.openDocument(write("shop.map", "#$TITLE:Shop\n#$GIF:pic.gif\n"
                                                      "rect home.htm 20,20 140,60\n"
                                                      "poly t.htm 40,200 120,100 200,200\n")));
    server.setReadOnly(true);
    back = readBack(copyOf(server).encode());
    expectSame(back.state, server.state());
    EXPECT_TRUE(back.state.fromServerMap);
    EXPECT_TRUE(back.state.info.readOnly);
    EXPECT_EQ(back.state.path, path("shop.htm"));
    EXPECT_EQ(back.state.readFrom, path("shop.map"));
}

// Whatever a copy turns out to be, it is refused with a reason unless it is
// whole: cut at any byte, of another version, of another program, too
// large, or with a header or a map that breaks a rule.
TEST_F(RecoveryCopyTest, HostileCopiesAreRefusedWithAReason) {
    CImageMapDoc doc(&dialogs, &pictures);
    ASSERT_TRUE(doc.openDocument(write("site.htm", kShopPage)));
    const QByteArray good = copyOf(doc).encode();

    const auto refused = [](const QByteArray& bytes) {
        RecoveryCopy copy;
        QString reason;
        const bool read = RecoveryCopy::decode(bytes, copy, reason);
        EXPECT_FALSE(reason.isEmpty() && !read);
        return read ? QString() : reason;
    };
    for (qsizetype cut = 0; cut < good.size(); cut += 7)
        EXPECT_FALSE(refused(good.first(cut)).isEmpty()) << "cut at " << cut;
    EXPECT_EQ(refused(good.first(good.size() - 1)), Strings::text(Str::RecoveryTruncated));
    EXPECT_EQ(refused(""), Strings::text(Str::RecoveryNotACopy));
    EXPECT_EQ(refused(kShopPage), Strings::text(Str::RecoveryNotACopy));

    QByteArray other = good;
    other.replace("Tessary recovery copy 1\n", "Tessary recovery copy 7\n");
    EXPECT_TRUE(refused(other).contains("another version"));
    EXPECT_TRUE(refused(other).contains("7"));

    QByteArray huge = good;
    huge.append(QByteArray(RecoveryCopy::kMaxBytes, ' '));
    EXPECT_EQ(refused(huge), Strings::text(Str::RecoveryTooLarge));
    EXPECT_EQ(refused(good + "trailing"), Strings::text(Str::RecoveryBadHeader));

    // Header rules: a value out of range, a key twice, a key missing, a
    // line without "=", an endless line.
    const auto edited = [&](const QByteArray& from, const QByteArray& to) {
        QByteArray b = good;
        EXPECT_TRUE(b.contains(from));
        return b.replace(from, to);
    };
    for (const QByteArray& bytes :
         {edited("read-only=0\n", "read-only=2\n"),
          edited("read-only=0\n", "read-only=0\nread-only=0\n"), edited("owner-pid=4242\n", ""),
          edited("owner-pid=4242\n", "owner-pid\n"), edited("owner-pid=4242\n", "owner-pid=-1\n"),
          edited("insert-offset=-1\n", "insert-offset=99999999999999999999\n"),
          edited("owner-pid=4242\n", "x=" + QByteArray(RecoveryCopy::kMaxHeaderLine, 'a') + "\n")})
        EXPECT_EQ(refused(bytes), Strings::text(Str::RecoveryBadHeader));

    // The map: two maps, or none, under a header that counts them right.
    const qsizetype body = good.indexOf("\n\n") + 2;
    const QByteArray map = good.mid(body);
    const auto withMap = [&](const QByteArray& page) {
        QByteArray b = good.first(body);
        b.replace("map-bytes=" + QByteArray::number(map.size()),
                  "map-bytes=" + QByteArray::number(page.size()));
        return b + page;
    };
    EXPECT_EQ(refused(withMap(map + map)), Strings::text(Str::RecoveryNoMap));
    EXPECT_FALSE(refused(withMap("<html><body>no map</body></html>")).isEmpty());
    EXPECT_TRUE(refused(withMap(map)).isEmpty());
}

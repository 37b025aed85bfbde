#include "document/ImageMapDoc.h"
#include "formats/PageFile.h"
#include "model/AreaClipRecord.h"
#include "model/GridSettings.h"
#include "model/PastePosition.h"
#include "model/Settings.h"
#include "model/UrlDrop.h"
#include "support/FakeDocumentDialogs.h"
#include "support/FakePictureSource.h"
#include "support/PageText.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFiles.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <random>

namespace {

// A page whose map has a rectangle, a circle, a polygon and a rectangle
// reaching beyond its 400 x 300 picture (left there: Open's question about
// clipping is answered No).
const QByteArray kPage =
    "<html><body>\r\n<!-- #$-:Image map file created by Tessary -->\r\n"
    "<map name=\"Shop\">\r\n"
    "<area shape=\"rect\" coords=\"20,20,140,60\" href=\"home.htm\" alt=\"Home\">\r\n"
    "<area shape=\"circle\" coords=\"340,40,30\" href=\"c.htm\">\r\n"
    "<area shape=\"poly\" coords=\"40,200,120,100,200,200,120,250\" href=\"t.htm\" data-x=1>\r\n"
    "<area shape=\"rect\" coords=\"380,280,420,320\" href=\"edge.htm\">\r\n"
    "<area shape=\"default\" href=\"index.htm\">\r\n"
    "</map>\r\n<!-- #$-:end Tessary -->\r\n"
    "<img src=\"pic.gif\" usemap=\"#Shop\">\r\n</body></html>\r\n";

// Everything of the map that undo puts back: areas in picture pixels,
// the map information but its save date, and the picture.
struct MapState {
    std::vector<PictureArea> areas;
    MapInfo info;
    QString imagePath;
    int imageWidth = 0;
    friend bool operator==(const MapState&, const MapState&) = default;
};

MapState stateOf(const CImageMapDoc& doc) {
    MapState s;
    for (int i = 0; i < doc.areaCount(); ++i)
        s.areas.push_back(doc.area(i)->picture());
    s.info = doc.mapInfo();
    s.info.date.clear();
    s.imagePath = doc.imagePath();
    s.imageWidth = doc.imageWidth();
    return s;
}

std::unique_ptr<MapArea> linkedRect(const PixelRect& r, const QByteArray& url) {
    auto a = std::make_unique<MapArea>();
    a->setRect(r);
    a->setUrl(url);
    return a;
}

// Writes the page and then fails to put it in place.
class NoRename : public PageFile {
public:
    bool replace() override { return fail(Step::Replace, EXDEV); }
};

class Undo : public ::testing::Test, protected TempFiles {
protected:
    void SetUp() override {
        Settings::app().skipSavedDialog = true;
        ASSERT_TRUE(doc.openDocument(write("page.htm", kPage)));
        ASSERT_FALSE(doc.isModified());
        ASSERT_EQ(doc.areaCount(), 4);
    }
    void TearDown() override { Settings::app() = Settings(); }

    ScriptedPrompter prompter;
    FakeDocumentDialogs dialogs;
    FakePictureSource pictures;
    CImageMapDoc doc{&dialogs, &pictures};
};

} // namespace

// Each kind of change is one step with its name; undoing it gives back the
// map exactly, redoing it the changed map exactly.
TEST_F(Undo, EveryChangeIsOneStepThatUndoesAndRedoesExactly) {
    PastePosition position;
    const auto toPolygon = [](MapArea& a) {
        a.insertVertex(1, a.vertex(1).x() + 3, a.vertex(1).y());
    };
    const std::vector<std::pair<const char*, std::function<void()>>> steps = {
        {"Draw Area",
         [&] {
             doc.addArea(linkedRect({1, 2, 30, 40}, "new.htm"));
         }},
        {"Paste", [&] { doc.pasteArea(AreaClipRecord::of(*doc.area(2)), position, {}); }},
        {"Delete Area", [&] { doc.deleteArea(1); }},
        {"Cut", [&] { doc.cutArea(0); }},
        {"Bring to Front", [&] { doc.moveArea(2, 0); }},
        {"Send to Back", [&] { doc.moveArea(0, 3); }},
        {"Move Area",
         [&] {
             doc.changeArea(0, [](MapArea& a) { a.setRect(a.imageRect().translated(2, -1)); });
         }},
        {"Reshape Area", [&] { doc.changeArea(1, [](MapArea& a) { a.setRect(0, 0, 9, 9); }); }},
        {"Insert Point", [&] { doc.changeArea(2, toPolygon); }},
        {"Delete Point", [&] { doc.changeArea(2, [](MapArea& a) { a.deleteVertex(0); }); }},
        {"Area Settings",
         [&] {
             dialogs.area = [](AreaTexts& t) {
                 t = {"settled.htm", "_top", "Settled"};
                 return DocumentDialogs::AreaChoice::Ok;
             };
             doc.editAreaInfo(1);
         }},
        {"Area Settings", // the title alone; the kept attributes stay
         [&] {
             dialogs.area = [](AreaTexts& t) {
                 EXPECT_EQ(t.attributes.size(), 1);
                 t.title = "Tip";
                 return DocumentDialogs::AreaChoice::Ok;
             };
             doc.editAreaInfo(2);
         }},
        {"Drop URL",
         [&] {
             doc.dropUrl({"dropped.htm", "Dropped"}, {34, 23});
         }},
        {"Edit Map Info",
         [&] {
             dialogs.mapInfo = [](MapInfo& info) {
                 info.title = "Store";
                 info.author = "Bo";
                 info.scalesWithPicture = true;
                 return true;
             };
             doc.editMapInfo();
         }},
        {"Change Image",
         [&] {
             pictures.width = 200; // clips the circle and the edge area
             dialogs.imageFiles = {dir.filePath("small.gif")};
             prompter.script({Prompter::Answer::Yes});
             doc.changeImage();
         }},
        {"Clip Areas to Image",
         [&] {
             prompter.script({Prompter::Answer::Yes});
             doc.clipAreasToImage();
         }},
        {"Create Guides",
         [&] {
             GuideValues v;
             v.across = 3;
             v.down = 2;
             v.width = v.height = 20;
             v.baseUrl = "g%d.htm";
             dialogs.guides = {v};
             dialogs.existing = {DocumentDialogs::ExistingAreas::Replace};
             doc.createGuides();
         }},
        {"Move Area", // three nudges of one area make one step
         [&] {
             doc.nudgeArea(0, 5, 0);
             doc.nudgeArea(0, 0, 2);
             doc.nudgeArea(0, -1, -1);
         }},
    };
    for (const auto& [name, step] : steps) {
        SCOPED_TRACE(name);
        const MapState before = stateOf(doc);
        step();
        const MapState after = stateOf(doc);
        ASSERT_NE(after, before);
        EXPECT_EQ(doc.undoStack().index(), 1);
        EXPECT_EQ(doc.undoMenuText(), QString("&Undo ") + name);
        EXPECT_TRUE(doc.isModified());
        doc.undo();
        EXPECT_EQ(stateOf(doc), before);
        EXPECT_FALSE(doc.isModified());
        EXPECT_EQ(doc.redoMenuText(), QString("&Redo ") + name);
        doc.redo();
        EXPECT_EQ(stateOf(doc), after);
        doc.undo();
        EXPECT_EQ(stateOf(doc), before);
    }
    // Nudges stop at the picture's edge and merge back to nothing.
    EXPECT_FALSE(doc.nudgeArea(3, 1, 1)); // it reaches beyond already
    EXPECT_TRUE(doc.nudgeArea(0, -100, 0));
    EXPECT_EQ(doc.area(0)->imageRect().left, 0);
    EXPECT_TRUE(doc.nudgeArea(0, 20, 0));
    EXPECT_EQ(doc.undoStack().index(), 0); // back where it started: no step
    EXPECT_FALSE(doc.isModified());
}

// Random edits on a loaded map, saved; undone to the start
// and saved again, the page is the one saved before the edits; redone to
// the end, the one saved after them.
TEST_F(Undo, UndoingAndRedoingEveryStepGivesBackTheSavedPages) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        const auto pick = [&random](int n) { return int(random() % unsigned(n)); };
        QFile::remove(dir.filePath("out.htm"));
        ASSERT_TRUE(doc.openDocument(dir.filePath("page.htm")));
        ASSERT_TRUE(doc.doSave(dir.filePath("out.htm")));
        const QByteArray start = withoutDate(read("out.htm"));
        const int steps = 10 + pick(30);
        for (int s = 0; s < steps; ++s) {
            const int n = doc.areaCount();
            const int i = n ? pick(n) : -1;
            const QByteArray url = "u" + QByteArray::number(s) + ".htm";
            switch (pick(n ? 9 : 1)) {
            case 0:
                doc.addArea(linkedRect({pick(300), pick(200), pick(300) + 10, pick(200) + 3}, url));
                break;
            case 1:
                doc.deleteArea(i);
                break;
            case 2:
                doc.moveArea(i, pick(n));
                break;
            case 3:
                doc.changeArea(i, [&](MapArea& a) {
                    if (a.shape() == AreaShape::Polygon)
                        a.insertVertex(0, pick(400), pick(300));
                    else
                        a.setRect(pick(800), pick(600), pick(800), pick(600));
                });
                break;
            case 4:
                doc.nudgeArea(i, pick(7) - 3, pick(7) - 3);
                break;
            case 5:
                doc.setAreaTexts(i, {url, "t", "c" + url});
                break;
            case 6: {
                MapInfo info = doc.mapInfo();
                info.description = url;
                doc.setMapInfo(info);
                break;
            }
            case 7: {
                GuideValues v;
                v.across = 1 + pick(3);
                v.down = 1 + pick(2);
                v.width = v.height = 5 + pick(20);
                v.leftStart = pick(100);
                v.baseUrl = "g%d.htm";
                doc.appendGuides(v);
                break;
            }
            default:
                prompter.script({Prompter::Answer::Yes});
                pictures.width = 150 + pick(300);
                dialogs.imageFiles = {dir.filePath("p" + QString::number(s) + ".gif")};
                doc.changeImage();
            }
        }
        ASSERT_TRUE(doc.doSave(dir.filePath("out.htm")));
        const QByteArray end = withoutDate(read("out.htm"));
        while (doc.undoStack().canUndo())
            doc.undo();
        ASSERT_TRUE(doc.doSave(dir.filePath("out.htm")));
        EXPECT_EQ(withoutDate(read("out.htm")), start);
        while (doc.undoStack().canRedo())
            doc.redo();
        ASSERT_TRUE(doc.doSave(dir.filePath("out.htm")));
        EXPECT_EQ(withoutDate(read("out.htm")), end);
        pictures.width = 400;
    }
}

// Modified means away from the saved step: saving marks the step, undoing
// back to it clears the mark, a failed save keeps it; a title change is
// undone with its title.
TEST_F(Undo, ModifiedFollowsTheSavedStep) {
    QList<bool> marks;
    QObject::connect(&doc, &CImageMapDoc::modifiedChanged, [&](bool m) { marks << m; });
    const QString title = doc.titleText();
    MapInfo info = doc.mapInfo();
    info.title = "Other";
    doc.setMapInfo(info);
    EXPECT_TRUE(doc.titleText().startsWith("Other / "));
    doc.deleteArea(0);
    ASSERT_TRUE(doc.save());
    EXPECT_FALSE(doc.isModified());
    EXPECT_FALSE(doc.commandEnabled(CommandId::Save, {}));
    doc.undo(); // the area comes back
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.areaCount(), 4);
    doc.undo(); // and the title
    EXPECT_EQ(doc.titleText(), title);
    doc.redo();
    doc.redo();
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(marks, QList<bool>({true, false, true, false}));

    // A save that fails leaves the step it had.
    doc.undo();
    NoRename failing;
    doc.setPageFile(&failing);
    EXPECT_FALSE(doc.save());
    EXPECT_TRUE(doc.isModified());
    doc.redo();
    EXPECT_FALSE(doc.isModified());
    doc.setPageFile(nullptr);

    // A map file continues as a page: modified from the start, until saved.
    ASSERT_TRUE(doc.openDocument(write("site.map", "rect a.htm 1,1 5,5\n")));
    EXPECT_TRUE(doc.isModified());
    EXPECT_FALSE(doc.commandEnabled(CommandId::Undo, {}));
    doc.deleteArea(0);
    doc.undo();
    EXPECT_TRUE(doc.isModified());
}

TEST_F(Undo, ReadOnlyMapsNeitherUndoNorRedo) {
    doc.deleteArea(0);
    doc.undo();
    EXPECT_TRUE(doc.commandEnabled(CommandId::Redo, {}));
    doc.setReadOnly(true);
    EXPECT_FALSE(doc.commandEnabled(CommandId::Redo, {}));
    doc.redo();
    EXPECT_EQ(doc.areaCount(), 4);
    doc.setReadOnly(false);
    EXPECT_TRUE(doc.commandEnabled(CommandId::Redo, {}));
    EXPECT_FALSE(doc.commandEnabled(CommandId::Undo, {}));
}

// Check Map's findings of maps read from pages: each rule on a page made to
// break it, a clean map, and the IMG's size scaling the targets.
#include "document/ImageMapDoc.h"
#include "support/FakeDocumentDialogs.h"
#include "support/FakePictureSource.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFiles.h"

#include <gtest/gtest.h>

namespace {

using Code = MapFindings::Code;

struct Seen {
    int area;
    Code code;
    friend bool operator==(const Seen&, const Seen&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Seen& s) {
        return os << "{" << s.area << ", " << MapFindings::codeName(s.code) << "}";
    }
};

class Findings : public ::testing::Test, protected TempFiles {
protected:
    // Opens a page whose IMG (with imgAttributes) shows the map name on a
    // 400 x 300 picture.
    void open(const QByteArray& name, const QByteArray& imgAttributes, const QByteArray& areas) {
        doc = std::make_unique<CImageMapDoc>(&dialogs, &pictures);
        const QString page =
            write("page.htm", "<html><body><img src=\"pic.png\" usemap=\"#" + name + "\" " +
                                  imgAttributes + ">\n<map name=\"" + name + "\">\n" + areas +
                                  "</map>\n</body></html>\n");
        ASSERT_TRUE(doc->openDocument(page));
    }
    std::vector<Seen> seen() const {
        std::vector<Seen> out;
        for (const MapFindings::Finding& f : doc->findings()) {
            EXPECT_FALSE(f.message.isEmpty());
            out.push_back({f.area, f.code});
        }
        return out;
    }

    ScriptedPrompter prompter;
    FakeDocumentDialogs dialogs;
    FakePictureSource pictures;
    std::unique_ptr<CImageMapDoc> doc;
};

} // namespace

TEST_F(Findings, EachRuleOnAPageMadeToBreakIt) {
    // Shown at half its size: every target's CSS size is half its pixels.
    write("here.htm", "");
    write("sub/other page.htm", "");
    open("Site map", "width=\"200\"",
         "<area coords=\"0,0,100,100\" href=\"here.htm\" alt=\"Home\">\n"
         "<area coords=\"100,0,200,100\" href=\"here.htm\" alt=\"  \">\n"
         "<area coords=\"200,0,300,100\" href=\"here.htm\" alt=\" HERE.HTM\">\n"
         "<area coords=\"0,100,100,200\" href=\"sub/other%20page.htm?x=1#top\" alt=\"home\">\n"
         "<area coords=\"100,100,130,130\" href=\"here.htm\" alt=\"Tiny\">\n"
         "<area coords=\"200,100,300,200\" href=\" JavaScript:go()\" alt=\"Go\">\n"
         "<area coords=\"0,200,100,300\" href=\"gone.htm#x\" alt=\"Gone\">\n"
         "<area shape=circle coords=\"350,250,40\" href=\"https://example.com/\" alt=\"Out\">\n"
         "<area coords=\"300,0,400,100\" href=\"#top\" alt=\"Top\">\n"
         "<area coords=\"300,100,400,200\" href=\"mailto:a@b.example\" alt=\"Mail\">\n"
         "<area coords=\"0,0,100,100\" href=\"here.htm\" alt=\"TINY\">\n");
    EXPECT_EQ(doc->mapInfo().shownWidth, 200);
    EXPECT_EQ(seen(), (std::vector<Seen>{{0, Code::MapNameSpace},
                                         {2, Code::MissingAlt},
                                         {3, Code::AltIsUrl},
                                         {4, Code::DuplicateAlt},
                                         {5, Code::SmallTarget},
                                         {6, Code::JavascriptUrl},
                                         {7, Code::BrokenLink}}));
    const std::vector<MapFindings::Finding> found = doc->findings();
    EXPECT_TRUE(found[3].message.contains("area 1")) << found[3].message.toStdString();
    EXPECT_TRUE(found[4].message.contains("15 x 15")) << found[4].message.toStdString();
    EXPECT_TRUE(found[6].message.contains("\"gone.htm\"")) << found[6].message.toStdString();

    // Without a page to resolve against, links are not looked for.
    MapFindings::Input input;
    input.areas = {doc->area(6)->picture()};
    input.mapName = "m";
    EXPECT_TRUE(MapFindings::find(input).empty());
    input.pagePath = doc->path();
    EXPECT_EQ(MapFindings::find(input).size(), 1u);
}

TEST_F(Findings, ACleanMapHasNone) {
    write("a.htm", "");
    open("Nav", "",
         "<area coords=\"0,0,24,24\" href=\"a.htm\" alt=\"Start\">\n"
         "<area shape=poly coords=\"100,100,200,100,150,180\" href=\"a.htm?p=2\" alt=\"Next\">\n"
         "<area coords=\"50,50,80,80\" href=\"http://example.com/a.htm\" alt=\"Example\">\n");
    EXPECT_EQ(seen(), std::vector<Seen>{});
}

// A 30 x 30 area is a target while it shows at least 24 CSS pixels each way:
// WIDTH and HEIGHT scale the 400 x 300 picture, one alone keeps its
// proportions, a percentage or a missing value leaves picture pixels.
TEST_F(Findings, TheImgSizeScalesTargets) {
    const struct {
        QByteArray attributes;
        bool small;
    } cases[] = {
        {"", false},
        {"width=\"200\"", true},
        {"width=320", false},
        {"width=\"319\"", true},
        {"height=\"150\"", true},
        {"WIDTH=\"800\" HEIGHT=\"240\"", false},
        {"width=\"400\" height=\"150\"", true},
        {"width=\"50%\"", false},
        {"width", false},
        {"width=\" 200.9px\"", true},
    };
    for (const auto& c : cases) {
        open("m", c.attributes, "<area coords=\"10,10,40,40\" href=\"#\" alt=\"Spot\">\n");
        const std::vector<Seen> small = {{1, Code::SmallTarget}};
        EXPECT_EQ(seen(), c.small ? small : std::vector<Seen>()) << c.attributes.constData();
    }

    // Saved into a new page, the map is shown by an IMG the save wrote.
    open("m", "width=\"200\"", "<area coords=\"10,10,40,40\" href=\"#\" alt=\"Spot\">\n");
    ASSERT_EQ(seen().size(), 1u);
    ASSERT_TRUE(doc->doSave(path("new.htm")));
    EXPECT_EQ(seen(), std::vector<Seen>());
}

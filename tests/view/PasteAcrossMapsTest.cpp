// Copy in one map and paste into another: the area lands beside its
// original's place, as it does in the map it was copied from, moved inside
// a smaller picture.
#include "ViewTestSupport.h"

#include "model/CommandIds.h"

#include <gtest/gtest.h>

using namespace ViewTest;

TEST(PasteAcrossMaps, LandsAtTheCopysPlacePlusTenInAnyMap) {
    resetSettings();
    StubPictures pictures, samePictures, smallPictures;
    auto source = documentWith(pictures, solid(400, 300, 0xff808080));
    addRect(*source, {300, 250, 380, 290}, AreaShape::Rectangle, "a.htm");
    CImageMapView from(source.get());
    showAt(from, 400, 300);
    from.setSelected(0);
    ASSERT_TRUE(from.onCommand(CommandId::Copy));

    auto same = documentWith(samePictures, solid(400, 300, 0xff808080));
    CImageMapView into(same.get());
    showAt(into, 400, 300);
    into.setZoom(ZoomLevel::in(2)); // the other map's zoom does not move it
    into.onCommand(CommandId::Paste);
    ASSERT_EQ(same->areaCount(), 1);
    EXPECT_EQ(same->area(0)->imageRect(), (PixelRect{310, 260, 390, 300}));
    EXPECT_EQ(same->area(0)->url(), "a.htm");

    // The cascade goes on; where it would leave the picture it stays inside.
    auto small = documentWith(smallPictures, solid(200, 150, 0xff808080));
    CImageMapView intoSmall(small.get());
    showAt(intoSmall, 200, 150);
    intoSmall.onCommand(CommandId::Paste);
    ASSERT_EQ(small->areaCount(), 1);
    EXPECT_EQ(small->area(0)->imageRect(), (PixelRect{120, 110, 200, 150}));
}

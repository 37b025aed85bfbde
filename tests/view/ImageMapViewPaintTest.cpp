#include "ViewTestSupport.h"

#include "support/TestPictures.h"
#include "view/PictureStretch.h"

#include <QPainter>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace ViewTest;

namespace {

constexpr QRgb kPaintedPictureColor = 0xff6a8f3c;

class ViewPaintTest : public ::testing::Test {
protected:
    void SetUp() override { resetSettings(); }

    std::unique_ptr<CImageMapDoc> plainDocument(int w = 200, int h = 150) {
        return documentWith(m_pictures, solid(w, h, kPaintedPictureColor));
    }

    StubPictures m_pictures;
};

// A 32-bit packed bitmap of picture (bottom-up rows, fourth byte unused).
QByteArray packed32(const QImage& picture) {
    const int w = picture.width(), h = picture.height();
    QByteArray b(40 + 4 * w * h, '\0');
    qToLittleEndian<qint32>(40, b.data());
    qToLittleEndian<qint32>(w, b.data() + 4);
    qToLittleEndian<qint32>(h, b.data() + 8);
    qToLittleEndian<quint16>(1, b.data() + 12);
    qToLittleEndian<quint16>(32, b.data() + 14);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            qToLittleEndian<quint32>((picture.pixel(x, y) & 0x00ffffff) | 0x5a000000,
                                     b.data() + 40 + 4 * ((h - 1 - y) * w + x));
    }
    return b;
}

// Pixels of a rectangle that differ from the picture's colour.
int marked(const QImage& shown, const PixelRect& r) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x)
            n += shown.pixel(x, y) != kPaintedPictureColor;
    }
    return n;
}

} // namespace

// Every stored form, at a zoom and scroll position that do not divide
// evenly, against the picture read the plain way.
TEST(PictureStretchTest, StretchesEveryStoredFormByStraightCopy) {
    struct Case {
        const char* name;
        QByteArray packed;
    };
    const QImage rgb = TestPictures::rgb(37, 23);
    const Case cases[] = {
        {"1 bit", PackedDib::fromImage(TestPictures::palette(37, 23, 2))},
        {"4 bits", PackedDib::fromImage(TestPictures::palette(37, 23, 16))},
        {"8 bits", PackedDib::fromImage(TestPictures::palette(37, 23, 200))},
        {"24 bits", PackedDib::fromImage(rgb)},
        {"32 bits", packed32(rgb)},
    };
    PictureStretch stretch;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto picture = LoadedImage::fromPackedDib(c.packed);
        ASSERT_TRUE(picture);
        const QImage plain = PackedDib::toImage(c.packed).convertToFormat(QImage::Format_RGB32);
        for (int zoom : {1, 3, 8}) {
            const QPoint scroll(zoom * 5 + 1, zoom * 2 + 2);
            const QRect part(4, 3, 37 * zoom - scroll.x() - 9, 23 * zoom - scroll.y() - 5);
            const QImage out = stretch.render(*picture, ZoomLevel::in(zoom), scroll, part);
            ASSERT_EQ(out.size(), part.size());
            int wrong = 0;
            for (int y = 0; y < part.height(); ++y) {
                for (int x = 0; x < part.width(); ++x) {
                    const QPoint i((x + part.left() + scroll.x()) / zoom,
                                   (y + part.top() + scroll.y()) / zoom);
                    wrong += out.pixel(x, y) != plain.pixel(i);
                }
            }
            EXPECT_EQ(wrong, 0) << "zoom " << zoom;
        }
    }
}

TEST_F(ViewPaintTest, MiddleHandlesShowOnlyWhenTheAreaIsWiderThanAHandle) {
    Settings::app().fillArea = false;
    AreaStyle::rebuild();
    auto doc = plainDocument();
    addRect(*doc, {40, 40, 44, 42}); // 4 wide, 2 high
    CImageMapView view(doc.get());
    showAt(view, 300, 200);

    QImage shown = shot(view);
    for (int h = 0; h < 4; ++h)
        EXPECT_GT(marked(shown, view.geometryOf(0).handle(h)), 6) << "corner " << h;
    // Above the top edge, between the corner handles: where handle 4 would be.
    EXPECT_EQ(marked(shown, {40, 35, 44, 40}), 0);
    EXPECT_EQ(marked(shown, {40, 42, 44, 47}), 0);

    view.setZoom(ZoomLevel::in(2)); // display width 8, height 4
    view.setScrollPosition({0, 0});
    shown = shot(view);
    for (int h : {0, 1, 2, 3, 4, 6})
        EXPECT_GT(marked(shown, view.geometryOf(0).handle(h)), 20) << "handle " << h;
    EXPECT_EQ(marked(shown, {80 - 10, 80, 80, 84}), 0); // handle 7's place: left of the area
    EXPECT_EQ(marked(shown, {88, 80, 88 + 10, 84}), 0); // handle 5's place
}

TEST_F(ViewPaintTest, HandlesStayVisibleOnDarkAndLightPictures) {
    for (QRgb background : {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(128, 128, 128)}) {
        auto doc = documentWith(m_pictures, solid(100, 100, background));
        addRect(*doc, {30, 30, 60, 60});
        CImageMapView view(doc.get());
        showAt(view, 120, 120);
        const QImage shown = shot(view);
        int black = 0, white = 0;
        const PixelRect h = view.geometryOf(0).handle(2);
        for (int y = h.top; y < h.bottom; ++y) {
            for (int x = h.left; x < h.right; ++x) {
                black += shown.pixel(x, y) == qRgb(0, 0, 0);
                white += shown.pixel(x, y) == qRgb(255, 255, 255);
            }
        }
        EXPECT_GT(black, 5);
        EXPECT_GT(white, 5);
    }
}

TEST_F(ViewPaintTest, OutlineTakesTheColoursOfItsState) {
    Settings::app().fillArea = false;
    Settings::app().showHandles = false;
    AreaStyle::rebuild();
    auto doc = plainDocument();
    addRect(*doc, {10, 10, 50, 40});
    addRect(*doc, {60, 10, 100, 40});
    addRect(*doc, {110, 10, 150, 40}, AreaShape::Circle);
    CImageMapView view(doc.get());
    showAt(view, 200, 150);
    view.setSelected(0);
    view.setFlyby(1);
    const Settings& s = Settings::app();

    const QImage shown = shot(view);
    // Dots one pixel on, two off from the top-left corner; the gaps in the
    // background colour.
    EXPECT_EQ(shown.pixel(10, 10), rgbOf(s.selectedColor));
    EXPECT_EQ(shown.pixel(11, 10), rgbOf(s.selectedBack));
    EXPECT_EQ(shown.pixel(12, 10), rgbOf(s.selectedBack));
    EXPECT_EQ(shown.pixel(13, 10), rgbOf(s.selectedColor));
    EXPECT_EQ(shown.pixel(10, 13), rgbOf(s.selectedColor));
    EXPECT_EQ(shown.pixel(49, 13), rgbOf(s.selectedColor)); // right edge, inside the rectangle
    EXPECT_EQ(shown.pixel(50, 13), kPaintedPictureColor);
    EXPECT_EQ(shown.pixel(60, 10), rgbOf(s.flybyColor));
    EXPECT_EQ(shown.pixel(61, 10), rgbOf(s.flybyBack));
    EXPECT_EQ(shown.pixel(30, 25), kPaintedPictureColor); // no fill
    // The circle's outline is dotted in the normal colours along its top.
    int dots = 0, gaps = 0;
    for (int x = 120; x < 140; ++x) {
        dots += shown.pixel(x, 10) == rgbOf(s.defaultColor);
        gaps += shown.pixel(x, 10) == rgbOf(s.defaultBack);
    }
    EXPECT_GT(dots, 3);
    EXPECT_GT(gaps, 6);

    // Flyby wins over selected.
    view.setFlyby(0);
    EXPECT_EQ(shot(view).pixel(10, 10), rgbOf(s.flybyColor));
}

TEST_F(ViewPaintTest, HatchFillFollowsTheFillSettings) {
    Settings::app().showHandles = false;
    Settings::app().fillType = 0; // horizontal lines
    Settings::app().fillColor = 0x00ff00ff;
    AreaStyle::rebuild();
    auto doc = plainDocument();
    addRect(*doc, {20, 20, 120, 100});
    CImageMapView view(doc.get());
    showAt(view, 200, 150);

    QImage shown = shot(view);
    QList<int> rows;
    for (int y = 21; y < 99; ++y) {
        if (shown.pixel(60, y) == rgbOf(0x00ff00ff))
            rows << y;
        else
            EXPECT_EQ(shown.pixel(60, y), kPaintedPictureColor) << y;
    }
    ASSERT_GE(rows.size(), 9);
    for (int i = 1; i < rows.size(); ++i)
        EXPECT_EQ(rows[i] - rows[i - 1], 8);
    for (int x = 21; x < 119; ++x)
        EXPECT_EQ(shown.pixel(x, rows[0]), rgbOf(0x00ff00ff)) << x;
    EXPECT_EQ(shown.pixel(150, rows[0]), kPaintedPictureColor); // outside the area

    Settings::app().fillArea = false;
    Settings::announceChange();
    shown = shot(view);
    EXPECT_EQ(shown.pixel(60, rows[0]), kPaintedPictureColor);
}

TEST_F(ViewPaintTest, HatchStylesAreTheSixStandardOnes) {
    EXPECT_EQ(AreaStyle::hatchStyle(0), Qt::HorPattern);
    EXPECT_EQ(AreaStyle::hatchStyle(1), Qt::VerPattern);
    EXPECT_EQ(AreaStyle::hatchStyle(2), Qt::FDiagPattern);
    EXPECT_EQ(AreaStyle::hatchStyle(3), Qt::BDiagPattern);
    EXPECT_EQ(AreaStyle::hatchStyle(4), Qt::CrossPattern);
    EXPECT_EQ(AreaStyle::hatchStyle(5), Qt::DiagCrossPattern);
    EXPECT_EQ(AreaStyle::hatchStyle(9), Qt::DiagCrossPattern);
    // Colour references keep red in the low byte, wherever they are turned
    // into Qt's colours and back; the top byte is never a colour.
    EXPECT_EQ(colorOfColorRef(0x00123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(rgbOfColorRef(0xff123456), qRgb(0x56, 0x34, 0x12));
    for (const ColorRef ref : {0x000000u, 0x0000ffu, 0x00ff00u, 0xff0000u, 0x123456u, 0xffffffu})
        EXPECT_EQ(colorRefOf(colorOfColorRef(ref)), ref);
    EXPECT_EQ(colorRefOfRgb(qRgba(1, 2, 3, 0)), 0x030201u);
}

TEST_F(ViewPaintTest, GridLinesStartAtTheOffsetTimesTheZoom) {
    GridSettings& grid = Settings::app().grid;
    grid = {true, 1, 15, 15, 3, 3};
    auto doc = plainDocument();
    CImageMapView view(doc.get());
    showAt(view, 300, 200);
    view.setZoom(ZoomLevel::in(2));
    view.setScrollPosition({0, 0});
    const QImage shown = shot(view);
    const QRgb grey = qRgb(0x80, 0x80, 0x80);
    const auto greyInColumn = [grey](const QImage& image, int x) {
        int n = 0;
        for (int y = 0; y < 150; ++y)
            n += image.pixel(x, y) == grey;
        return n;
    };
    const auto greyInRow = [grey](const QImage& image, int y) {
        int n = 0;
        for (int x = 0; x < 300; ++x)
            n += image.pixel(x, y) == grey;
        return n;
    };
    // Columns between lines meet only the dots of the horizontal lines.
    EXPECT_LT(greyInColumn(shown, 5), 6);
    EXPECT_GT(greyInColumn(shown, 6), 40); // dotted: one in three
    EXPECT_LT(greyInColumn(shown, 7), 6);
    EXPECT_LT(greyInColumn(shown, 21), 6);
    EXPECT_GT(greyInColumn(shown, 36), 40);
    EXPECT_GT(greyInColumn(shown, 66), 40);
    EXPECT_GT(greyInRow(shown, 6), 80); // horizontal lines likewise
    EXPECT_LT(greyInRow(shown, 7), 10);

    grid.enabled = false; // the grid shows only while snapping is on
    EXPECT_EQ(greyInColumn(shot(view), 6), 0);
}

TEST_F(ViewPaintTest, GridCrossesMarkEveryGridPoint) {
    Settings::app().grid = {true, 2, 20, 10, 0, 0};
    auto doc = plainDocument(100, 60);
    CImageMapView view(doc.get());
    showAt(view, 200, 150);
    const QImage shown = shot(view);
    const QRgb grey = qRgb(0x80, 0x80, 0x80);
    // Every cross alike: dots at its centre and three pixels out on each arm.
    for (QPoint c : {QPoint(40, 30), QPoint(20, 10), QPoint(60, 50)}) {
        for (QPoint d : {QPoint(0, 0), QPoint(3, 0), QPoint(-3, 0), QPoint(0, 3), QPoint(0, -3)})
            EXPECT_EQ(shown.pixel(c + d), grey) << c.x() << "," << c.y();
        EXPECT_EQ(shown.pixel(c + QPoint(0, 1)), kPaintedPictureColor);
        EXPECT_EQ(shown.pixel(c + QPoint(0, -5)), kPaintedPictureColor); // beyond the arm
        EXPECT_EQ(shown.pixel(c + QPoint(10, 0)), kPaintedPictureColor); // between crosses
    }
}

TEST_F(ViewPaintTest, SmallPictureSitsOnThePatternWithItsFrame) {
    auto doc = plainDocument(50, 40);
    CImageMapView view(doc.get());
    showAt(view, 200, 150);
    const QImage shown = shot(view);
    const quint32 frame[5] = {0xc0c0c0, 0xffffff, 0xc0c0c0, 0x808080, 0x000000};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(shown.pixel(10, 40 + i), rgbOf(frame[i])) << "bottom " << i;
        EXPECT_EQ(shown.pixel(0, 40 + i), rgbOf(frame[i])) << "bottom at the window edge " << i;
        EXPECT_EQ(shown.pixel(50 + i, 10), rgbOf(frame[i])) << "right " << i;
        EXPECT_EQ(shown.pixel(50 + i, 0), rgbOf(frame[i])) << "right at the top " << i;
    }
    EXPECT_EQ(shown.pixel(49, 39), kPaintedPictureColor);
    // Beyond the frame, the background pattern: two colours, tiled every 8.
    const QImage pattern = AreaStyle::shared().background().textureImage();
    QSet<QRgb> seen;
    for (int x = 100; x < 116; ++x) {
        seen.insert(shown.pixel(x, 100));
        EXPECT_EQ(shown.pixel(x, 100), shown.pixel(x + 8, 100));
        EXPECT_EQ(shown.pixel(x, 100), shown.pixel(x, 108));
    }
    EXPECT_EQ(seen.size(), 2);
    EXPECT_TRUE(seen.contains(pattern.pixel(0, 0)));
}

TEST_F(ViewPaintTest, PreferencesRebuildPensAndHandleSizes) {
    Settings::app().fillArea = false;
    AreaStyle::rebuild();
    auto doc = plainDocument();
    addRect(*doc, {40, 40, 80, 80});
    CImageMapView view(doc.get());
    showAt(view, 200, 150);
    view.setSelected(0);
    Settings::app().selectedColor = 0x0000ff00;
    Settings::app().grabSize = true;
    Settings::announceChange();
    EXPECT_EQ(view.geometryOf(0).handleSide(), 9);
    EXPECT_EQ(view.geometryOf(0).handle(2), (PixelRect{80, 80, 89, 89}));
    const QImage shown = shot(view);
    EXPECT_EQ(shown.pixel(40, 40), rgbOf(0x0000ff00));
    EXPECT_GT(marked(shown, {85, 85, 89, 89}), 4);
}

TEST_F(ViewPaintTest, FeedbackIsDrawnInvertedOverEverything) {
    auto doc = plainDocument();
    CImageMapView view(doc.get());
    showAt(view, 200, 150);
    view.setFeedbackPainter([](QPainter& p) { p.fillRect(QRect(10, 10, 5, 5), Qt::black); });
    view.repaintWindowRect(QRect(10, 10, 5, 5));
    const QImage shown = shot(view);
    EXPECT_EQ(shown.pixel(12, 12), qRgb(255 - 0x6a, 255 - 0x8f, 255 - 0x3c));
    EXPECT_EQ(shown.pixel(16, 12), kPaintedPictureColor);
}

#include "ViewTestSupport.h"

#include "view/AreaLayer.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QScrollBar>

#include <gtest/gtest.h>

using namespace ViewTest;

namespace {

// Paints a layer of a window into a scratch target, noting what the layer
// asked to have drawn.
struct LayerProbe {
    AreaLayer layer;
    QImage target{200, 100, QImage::Format_RGB32};
    QRegion drawn;
    int draws = 0;

    void paint(const QRegion& exposed) {
        QPainter p(&target);
        layer.paint(p, exposed, target.size(), 1.0, [this](QPainter& into, const QRegion& r) {
            drawn += r;
            ++draws;
            into.fillRect(r.boundingRect(), Qt::red);
        });
    }
};

} // namespace

// Only what was never drawn, marked changed or uncovered by a scroll is
// drawn again; the rest comes from the kept pixels.
TEST(AreaLayerTest, DrawsOnlyWhatIsNotKept) {
    LayerProbe probe;
    probe.paint(QRect(0, 0, 200, 100));
    EXPECT_EQ(probe.drawn, QRegion(0, 0, 200, 100));
    probe.drawn = QRegion();
    probe.paint(QRect(0, 0, 200, 100));
    probe.paint(QRect(10, 10, 30, 30));
    EXPECT_EQ(probe.draws, 1) << "a paint of kept pixels draws nothing";

    probe.layer.invalidate(QRect(50, 20, 10, 10));
    probe.paint(QRect(0, 0, 200, 100));
    EXPECT_EQ(probe.drawn, QRegion(50, 20, 10, 10));

    probe.drawn = QRegion();
    probe.layer.scroll(-30, 5);
    probe.paint(QRect(0, 0, 200, 100));
    EXPECT_EQ(probe.drawn, QRegion(0, 0, 200, 100) - QRegion(0, 5, 170, 95));

    probe.drawn = QRegion();
    probe.layer.scroll(0, 100); // farther than the window: nothing kept
    probe.paint(QRect(0, 0, 200, 100));
    EXPECT_EQ(probe.drawn, QRegion(0, 0, 200, 100));

    probe.drawn = QRegion();
    probe.layer.release();
    probe.paint(QRect(0, 0, 20, 20));
    EXPECT_EQ(probe.drawn, QRegion(0, 0, 20, 20));
}

// Scrolled in random steps, the kept pixels stay where the content they
// show went.
TEST(AreaLayerTest, ScrolledPixelsFollowTheirContent) {
    QPoint offset; // the window's place over a content of endless stripes
    const auto drawContent = [&offset](QPainter& into, const QRegion& region) {
        for (const QRect& r : region) {
            for (int y = r.top(); y <= r.bottom(); ++y) {
                for (int x = r.left(); x <= r.right(); ++x)
                    into.fillRect(x, y, 1, 1,
                                  QColor::fromRgb(QRgb(0xff000000 | ((x + offset.x()) * 7919 ^
                                                                     (y + offset.y()) * 104729))));
            }
        }
    };
    AreaLayer layer;
    QRandomGenerator random(5);
    for (int step = 0; step < 40; ++step) {
        const QPoint d(int(random.bounded(81)) - 40, int(random.bounded(61)) - 30);
        offset -= d;
        layer.scroll(d.x(), d.y());
        QImage shown(120, 90, QImage::Format_RGB32), fresh(120, 90, QImage::Format_RGB32);
        {
            QPainter p(&shown);
            layer.paint(p, QRect(0, 0, 120, 90), shown.size(), 1.0, drawContent);
        }
        {
            QPainter p(&fresh);
            drawContent(p, QRect(0, 0, 120, 90));
        }
        ASSERT_EQ(shown, fresh) << "step " << step;
    }
}

namespace {

// The state a view shows, copied into a view made afresh, so that its
// paint draws every area anew.
QImage freshShot(CImageMapDoc& doc, const CImageMapView& kept) {
    CImageMapView fresh(&doc);
    showAt(fresh, kept.width(), kept.height());
    fresh.setZoom(kept.zoom());
    fresh.setScrollPosition(kept.scrollPosition());
    fresh.setSelection(kept.selection());
    fresh.setFlyby(kept.flyby());
    QCoreApplication::processEvents();
    return shot(fresh);
}

// A map of random areas and the random changes a user and the document
// make to it and to its view.
struct RandomMap {
    StubPictures pictures;
    std::unique_ptr<CImageMapDoc> doc =
        documentWith(pictures, QImage(420, 330, QImage::Format_RGB32));
    QRandomGenerator random{31};
    bool rectanglesOnly = false;

    PixelRect box() {
        const int x = int(random.bounded(380)), y = int(random.bounded(290));
        return {x, y, x + 8 + int(random.bounded(60)), y + 8 + int(random.bounded(50))};
    }
    int any() { return int(random.bounded(doc->areaCount())); }
    void addOne() {
        const PixelRect r = box();
        switch (rectanglesOnly ? 0 : random.bounded(3)) {
        case 0:
            addRect(*doc, r);
            break;
        case 1:
            addRect(*doc, r, AreaShape::Circle);
            break;
        default:
            addPolygon(*doc, {{r.left, r.top}, {r.right, r.top + 5}, {r.left + 9, r.bottom}});
        }
    }
    // One of the changes that mark areas changed, numbered 0 to 10.
    void change(CImageMapView& view, int kind) {
        switch (kind) {
        case 0:
            view.setSelected(any());
            break;
        case 1: {
            AreaSelection several;
            for (int k = 0; k < 4; ++k)
                several.add(any());
            view.setSelection(several);
            break;
        }
        case 2:
            view.setFlyby(any());
            break;
        case 3:
            view.nudgeSelected({int(random.bounded(7)) - 3, int(random.bounded(7)) - 3});
            break;
        case 4:
            doc->changeArea(any(), [this](MapArea& a) {
                if (a.shape() != AreaShape::Polygon)
                    a.setRect(box());
            });
            break;
        case 5:
            if (doc->areaCount() > 8)
                doc->deleteArea(any());
            else
                addOne();
            break;
        case 6:
            addOne();
            break;
        case 7:
            doc->bringAreasToFront({any()});
            break;
        case 8:
            random.bounded(2) ? doc->undo() : doc->redo();
            break;
        case 9: {
            const ZoomLevel zooms[] = {ZoomLevel::in(1), ZoomLevel::in(2), ZoomLevel::out(2)};
            view.setZoom(zooms[random.bounded(3)]);
            break;
        }
        default:
            Settings::app().fillArea = random.bounded(2) != 0;
            Settings::app().showHandles = random.bounded(2) != 0;
            Settings::announceChange();
        }
    }
};

} // namespace

// Whatever happens to the map and the view, what the kept layer shows is
// what drawing every area afresh shows: areas edited, added, removed,
// reordered, undone, selected, hovered and zoomed in random order, with
// the fill and handles switched on and off between.
TEST(AreaLayerTest, KeptAreasPaintAsAFreshViewPaintsThem) {
    resetSettings();
    RandomMap map;
    for (int i = 0; i < 24; ++i)
        map.addOne();
    CImageMapView view(map.doc.get());
    showAt(view, 260, 190);
    for (int step = 0; step < 90; ++step) {
        const int kind = int(map.random.bounded(11));
        map.change(view, kind);
        QCoreApplication::processEvents();
        ASSERT_EQ(shot(view), freshShot(*map.doc, view)) << "step " << step << ", change " << kind;
    }
}

// Scrolling moves the kept areas with the window, and the changes after it
// land where the areas now are. Rectangles only: Qt draws a slanted or
// curved line clipped at the window's edge from where it enters, so that
// its pixels, moved or drawn afresh, may differ by one.
TEST(AreaLayerTest, ScrolledAreasMoveWithTheWindow) {
    resetSettings();
    RandomMap map;
    map.rectanglesOnly = true;
    for (int i = 0; i < 24; ++i)
        map.addOne();
    CImageMapView view(map.doc.get());
    showAt(view, 260, 190);
    for (int step = 0; step < 60; ++step) {
        const int kind = int(map.random.bounded(9));
        map.change(view, kind);
        const QPoint at = view.scrollPosition();
        view.setScrollPosition(
            at + QPoint(int(map.random.bounded(121)) - 60, int(map.random.bounded(81)) - 40));
        QCoreApplication::processEvents();
        ASSERT_EQ(shot(view), freshShot(*map.doc, view)) << "step " << step << ", change " << kind;
    }
}

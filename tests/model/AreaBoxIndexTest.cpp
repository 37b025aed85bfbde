#include "model/AreaBoxIndex.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

// What the index must answer: every area whose box (an empty one counting
// as its corner pixel) meets the query, in map order.
std::vector<int> meetingByHand(const std::vector<PixelRect>& boxes, const PixelRect& q) {
    std::vector<int> found;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        PixelRect b = boxes[i].normalized();
        b.right = std::max(b.right, b.left + 1);
        b.bottom = std::max(b.bottom, b.top + 1);
        if (b.left < q.right && b.right > q.left && b.top < q.bottom && b.bottom > q.top)
            found.push_back(int(i));
    }
    return found;
}

PixelRect randomBox(QRandomGenerator& random) {
    const int kind = int(random.bounded(20));
    const int x = int(random.bounded(4000)) - 200, y = int(random.bounded(3000)) - 200;
    if (kind == 0) // a backdrop over much of the picture
        return {x / 4, y / 4, x / 4 + 3000, y / 4 + 2500};
    if (kind == 1) // far outside the boxes the grid was made for
        return {x * 50, y * 50, x * 50 + 30, y * 50 + 30};
    if (kind == 2) // empty: a polygon whose vertices lie on one line
        return {x, y, x, y + int(random.bounded(50))};
    const int w = 1 + int(random.bounded(kind < 5 ? 400 : 60));
    const int h = 1 + int(random.bounded(kind < 5 ? 300 : 60));
    return {x, y, x + w, y + h};
}

} // namespace

// Random maps, edited area by area as a view edits its index (boxes moved,
// areas added and removed at the end), answer every query as a walk over
// all boxes does.
TEST(AreaBoxIndex, AnswersAsAWalkOverEveryBox) {
    QRandomGenerator random(11);
    for (int map = 0; map < 30; ++map) {
        std::vector<PixelRect> boxes;
        const int n = map == 0 ? 0 : int(random.bounded(map < 25 ? 300 : 5000));
        for (int i = 0; i < n; ++i)
            boxes.push_back(randomBox(random));
        AreaBoxIndex index;
        index.build(boxes);
        for (int step = 0; step < 400; ++step) {
            const int what = int(random.bounded(10));
            if (what < 5 && !boxes.empty()) {
                const int i = int(random.bounded(int(boxes.size())));
                boxes[std::size_t(i)] = randomBox(random);
                index.update(i, boxes[std::size_t(i)]);
            } else if (what < 7) {
                boxes.push_back(randomBox(random));
                index.append(boxes.back());
            } else if (what < 8 && !boxes.empty()) {
                boxes.pop_back();
                index.removeLast();
            }
            ASSERT_EQ(index.size(), int(boxes.size()));
            const int x = int(random.bounded(4400)) - 400, y = int(random.bounded(3400)) - 400;
            const int reach = int(random.bounded(step % 7 == 0 ? 300 : 8));
            const PixelRect q{x - reach, y - reach, x + reach + 1, y + reach + 1};
            ASSERT_EQ(index.meeting(q), meetingByHand(boxes, q))
                << "map " << map << " step " << step;
        }
    }
}

// A map of 100,000 small areas answers a query with the few that are near,
// without a look at the others.
TEST(AreaBoxIndex, LargestMapsAnswerWithTheFewNear) {
    std::vector<PixelRect> boxes;
    for (int i = 0; i < 100000; ++i) {
        const int x = (i % 400) * 20, y = (i / 400) * 20;
        boxes.push_back({x, y, x + 15, y + 15});
    }
    boxes[50000] = {0, 0, 8000, 5000}; // one backdrop over all of them
    AreaBoxIndex index;
    index.build(boxes);
    EXPECT_EQ(index.meeting({405, 405, 406, 406}), (std::vector<int>{8020, 50000}));
    EXPECT_EQ(index.meeting({415, 415, 420, 420}), (std::vector<int>{50000}));
}

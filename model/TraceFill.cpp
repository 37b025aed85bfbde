#include "model/TraceFill.h"

#include "model/TraceMask.h"
#include "model/TracePicture.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

// Four-byte pixels are read in memory order (blue, green, red, alpha), as
// QImage's 32-bit formats lay them out on the
// little-endian machines the editor runs on.
static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN);

namespace {

using Layout = TracePicture::Layout;

// One channel's window around the seed's value: v matches when
// (v - low) as unsigned is at most span.
struct Window {
    unsigned low = 0;
    unsigned span = 0;
    Window() = default;
    Window(int value, int tolerance)
        : low(unsigned(std::max(0, value - tolerance))),
          span(unsigned(std::min(255, value + tolerance)) - low) {}
    bool has(unsigned v) const { return v - low <= span; }
};

bool within(QRgb a, QRgb b, int tolerance, bool alpha) {
    const int d =
        std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                  std::abs(qBlue(a) - qBlue(b)), alpha ? std::abs(qAlpha(a) - qAlpha(b)) : 0});
    return d <= tolerance;
}

// Palette and grey pictures: whether each index matches is worked out once.
template <Layout L>
struct IndexMatch {
    const TracePicture* picture;
    std::array<std::uint8_t, 256> ok{};
    IndexMatch(const TracePicture& p, QRgb seed, int tolerance) : picture(&p) {
        for (int i = 0; i < 256; ++i) {
            const QRgb c = L == Layout::Grey8 ? qRgb(i, i, i) : p.palette()[size_t(i)];
            ok[size_t(i)] = within(c, seed, tolerance, false);
        }
    }
    bool operator()(const uchar* row, int x) const {
        if constexpr (L == Layout::Index8 || L == Layout::Grey8)
            return ok[row[x]];
        else
            return ok[size_t(picture->indexAt(row, x))];
    }
};

template <int Bytes, bool Alpha>
struct ColourMatch {
    Window b, g, r, a;
    ColourMatch(QRgb seed, int tolerance)
        : b(qBlue(seed), tolerance), g(qGreen(seed), tolerance), r(qRed(seed), tolerance),
          a(qAlpha(seed), tolerance) {}
    bool operator()(const uchar* row, int x) const {
        const uchar* p = row + Bytes * x;
        return b.has(p[0]) && g.has(p[1]) && r.has(p[2]) && (!Alpha || a.has(p[3]));
    }
};

// Premultiplied pictures are compared by their own, unpremultiplied colour.
struct PremultipliedMatch {
    QRgb seed;
    int tolerance;
    bool operator()(const uchar* row, int x) const {
        const uchar* p = row + 4 * x;
        const QRgb c = qUnpremultiply(qRgba(p[2], p[1], p[0], p[3]));
        return within(c, seed, tolerance, true);
    }
};

// A run of selected pixels of row y, found from the run parentLeft ..
// parentRight of row y - dy (dy 0 for the seed's own run).
struct Run {
    int y;
    int left;
    int right;
    int parentLeft;
    int parentRight;
    int dy;
};

template <class Match>
class Filler {
public:
    Filler(const TracePicture& picture, TraceMask& mask, const Match& match)
        : m_picture(picture), m_mask(mask), m_match(match), m_fill(mask.nextFill()),
          m_width(picture.width()), m_height(picture.height()) {}

    bool run(QPoint seed, const std::atomic_bool* cancel) {
        const int y = seed.y();
        const uchar* pixels = m_picture.row(y);
        const std::uint8_t* cells = m_mask.row(y);
        int left = seed.x();
        int right = seed.x();
        while (left > 0 && isFree(pixels, cells, left - 1))
            --left;
        while (right + 1 < m_width && isFree(pixels, cells, right + 1))
            ++right;
        m_mask.markRun(y, left, right, m_fill);
        m_stack.push_back({y, left, right, left, right, 0});
        for (unsigned n = 0; !m_stack.empty(); ++n) {
            if ((n & 255) == 0 && cancel && cancel->load(std::memory_order_relaxed))
                return false;
            const Run r = m_stack.back();
            m_stack.pop_back();
            if (r.dy == 0) {
                scan(r, r.y - 1, r.left, r.right);
                scan(r, r.y + 1, r.left, r.right);
                continue;
            }
            // The row the run came from was scanned over the parent run
            // already; only the parts this run overhangs are new there.
            scan(r, r.y + r.dy, r.left, r.right);
            scan(r, r.y - r.dy, r.left, r.parentLeft - 1);
            scan(r, r.y - r.dy, r.parentRight + 1, r.right);
        }
        return true;
    }

private:
    bool isFree(const uchar* pixels, const std::uint8_t* cells, int x) const {
        return (cells[x] & TraceMask::kFillBits) != m_fill && m_match(pixels, x);
    }

    // Finds the unvisited matching runs of row y touching from .. to, marks
    // them and stacks them.
    void scan(const Run& parent, int y, int from, int to) {
        if (y < 0 || y >= m_height || from > to)
            return;
        const uchar* pixels = m_picture.row(y);
        const std::uint8_t* cells = m_mask.row(y);
        int x = from;
        while (x <= to) {
            if (!isFree(pixels, cells, x)) {
                ++x;
                continue;
            }
            int left = x;
            if (x == from) {
                while (left > 0 && isFree(pixels, cells, left - 1))
                    --left;
            }
            int right = x;
            while (right + 1 < m_width && isFree(pixels, cells, right + 1))
                ++right;
            m_mask.markRun(y, left, right, m_fill);
            m_stack.push_back({y, left, right, parent.left, parent.right, y - parent.y});
            x = right + 2;
        }
    }

    const TracePicture& m_picture;
    TraceMask& m_mask;
    const Match& m_match;
    std::uint8_t m_fill;
    int m_width;
    int m_height;
    std::vector<Run> m_stack;
};

template <class Match>
bool fillWith(const TracePicture& picture, QPoint seed, TraceMask& mask, const Match& match,
              const std::atomic_bool* cancel) {
    return Filler<Match>(picture, mask, match).run(seed, cancel);
}

} // namespace

bool TraceFill::addRegion(const TracePicture& picture, QPoint seed, int tolerance, TraceMask& mask,
                          const std::atomic_bool* cancel) {
    if (!picture.contains(seed.x(), seed.y()) || mask.width() != picture.width() ||
        mask.height() != picture.height())
        return true;
    tolerance = std::clamp(tolerance, 0, 255);
    const QRgb s = picture.pixel(seed.x(), seed.y());
    switch (picture.layout()) {
    case Layout::None:
        return true;
    case Layout::Mono:
        return fillWith(picture, seed, mask, IndexMatch<Layout::Mono>(picture, s, tolerance),
                        cancel);
    case Layout::MonoLsb:
        return fillWith(picture, seed, mask, IndexMatch<Layout::MonoLsb>(picture, s, tolerance),
                        cancel);
    case Layout::Index8:
        return fillWith(picture, seed, mask, IndexMatch<Layout::Index8>(picture, s, tolerance),
                        cancel);
    case Layout::Grey8:
        return fillWith(picture, seed, mask, IndexMatch<Layout::Grey8>(picture, s, tolerance),
                        cancel);
    case Layout::Bgrx32:
        return fillWith(picture, seed, mask, ColourMatch<4, false>(s, tolerance), cancel);
    case Layout::Bgra32:
        return fillWith(picture, seed, mask, ColourMatch<4, true>(s, tolerance), cancel);
    case Layout::Bgra32Pm:
        return fillWith(picture, seed, mask, PremultipliedMatch{s, tolerance}, cancel);
    }
    return true;
}

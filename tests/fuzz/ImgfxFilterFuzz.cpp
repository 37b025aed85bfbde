// Every filter of the toolkit, as imgfx-cli lists them, on a small bitmap of
// any kind the kernel holds (1 to 32 bits, either row and colour order, a
// palette of any size), inside any region (rectangles, ellipses, polygons,
// partly or wholly off the bitmap), with any arguments, tables and records,
// and a progress callback that may stop it.
#include "FilterRegistry.h"
#include "FuzzBytes.h"
#include "FuzzTarget.h"

#include <memory>
#include <vector>

using namespace imgfxcli;

namespace {

constexpr int kBits[] = {1, 4, 8, 16, 24, 32, 0};

struct Bitmap {
    RasterBitmap record{};
    ~Bitmap() {
        if (record.Flags & RB_FLAG_ALLOCATED)
            KFreeBitmap(&record);
    }
};

// A bitmap of the kind and pixels the input gives; false when the kernel
// refuses to make one (which is then no case for the filters).
bool makeBitmap(FuzzBytes& in, int width, int height, RasterBitmap& bitmap) {
    const int bits = kBits[in.byte() % std::size(kBits)];
    KPalette* palette = nullptr;
    if (bits >= 1 && bits <= 8 && in.flag()) {
        std::vector<RasterColor> colors(1 + in.byte() % 256);
        for (RasterColor& c : colors) {
            const uint32_t v = in.u32();
            std::memcpy(&c, &v, sizeof c);
        }
        palette = KCreatePalette(int(colors.size()), colors.data());
    }
    const int status = KAllocBitmap(&bitmap, 1, width, height, bits, in.byte() & 1, palette,
                                    in.flag() ? RB_ROWS_BOTTOM_UP : 0);
    if (palette)
        KDeletePalette(palette);
    if (status != K_OK)
        return false;
    const intptr_t token = KBeginAccess(&bitmap);
    for (int row = 0; row < height; ++row) {
        const QByteArray pixels = in.bytes(size_t(bitmap.BytesPerLine));
        std::memcpy(KRowAddress(&bitmap, row), pixels.constData(), size_t(pixels.size()));
    }
    KEndAccess(&bitmap, token);
    return true;
}

void setRegion(FuzzBytes& in, RasterBitmap& bitmap) {
    for (int shapes = in.byte() % 4; shapes > 0; --shapes) {
        const int mode = in.flag() ? K_REGION_UNION : K_REGION_SET;
        const auto c = [&] { return int(in.flag() ? in.range(-4, 40) : in.edgy()); };
        switch (in.byte() % 3) {
        case 0: {
            const KRect r{c(), c(), c(), c()};
            KSetRegionRect(&bitmap, &r, mode);
            break;
        }
        case 1: {
            const KRect r{c(), c(), c(), c()};
            KSetRegionEllipse(&bitmap, &r, mode);
            break;
        }
        default: {
            std::vector<KPoint> points(in.byte() % 12);
            for (KPoint& p : points)
                p = {c(), c()};
            KSetRegionPolygon(&bitmap, points.data(), int(points.size()), mode);
        }
        }
    }
}

// The pictures of a filter over several: each read one a new bitmap of the
// input's making, each written one an empty record.
class FuzzFiles : public PictureFiles {
public:
    FuzzFiles(FuzzBytes& in, int count, int width, int height)
        : m_in(in), m_count(count), m_width(width), m_height(height), m_bitmaps(size_t(count)) {}
    int count() const override { return m_count; }
    RasterBitmap* read(int i) override {
        if (i < 0 || i >= m_count || !makeBitmap(m_in, m_width, m_height, m_bitmaps[i].record))
            return nullptr;
        return &m_bitmaps[i].record;
    }
    RasterBitmap* write(int i) override {
        return i >= 0 && i < m_count ? &m_bitmaps[i].record : nullptr;
    }

private:
    FuzzBytes& m_in;
    int m_count, m_width, m_height;
    std::vector<Bitmap> m_bitmaps;
};

int g_stopAfter = 0;
int stopWhenTold(int) {
    return --g_stopAfter == 0 ? 0 : 1;
}

} // namespace

TESSARY_FUZZ_NO_INITIALIZE

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::vector<const FilterEntry*> filters = allFilters();
    FuzzBytes in(data, size);
    const FilterEntry& filter = *filters[in.byte() % filters.size()];
    const int width = 1 + in.byte() % 24, height = 1 + in.byte() % 24;
    std::vector<long long> args(size_t(filter.argCount));
    for (long long& a : args)
        a = in.edgy();
    g_stopAfter = in.byte() % 8;
    KSetStatusCallback(g_stopAfter ? stopWhenTold : nullptr);

    if (filter.runFiles) {
        const int wanted = filter.filesFor ? filter.filesFor(args) : 0;
        FuzzFiles files(in, wanted ? wanted : filter.minFiles, width, height);
        filter.runFiles(args, files);
        return 0;
    }
    Bitmap bitmap;
    if (!makeBitmap(in, width, height, bitmap.record))
        return 0;
    setRegion(in, bitmap.record);
    if (filter.runRecord && in.flag()) {
        const int dimension = 1 + in.byte() % 9;
        std::vector<int32_t> record(size_t(filter.recordHeader + dimension * dimension));
        for (int32_t& v : record)
            v = int32_t(in.edgy());
        record[size_t(filter.recordHeader - 1)] = dimension;
        filter.runRecord(&bitmap.record, record);
    } else if (filter.runIo) {
        FilterIo io;
        const QByteArray table = in.bytes(256);
        io.table.assign(table.begin(), table.end());
        io.table.resize(256);
        filter.runIo(&bitmap.record, args, io);
    } else if (filter.run) {
        filter.run(&bitmap.record, args);
    }
    KSetStatusCallback(nullptr);
    return 0;
}

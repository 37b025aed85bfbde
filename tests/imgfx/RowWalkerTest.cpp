// The row walker: bitmap checks, aligned columns and spans, work formats,
// colour matching, writes kept inside the region, round trips of every
// stored format and progress.
#include "FxTestSupport.h"

#include "imgfx/RowWalker.h"

#include <gtest/gtest.h>

using namespace fxtest;

namespace {

struct RowJob {
    std::function<void(const FxRow&)> change;
};

int runRow(void* context, const FxRow* row) {
    static_cast<RowJob*>(context)->change(*row);
    return FX_OK;
}

int walk(RasterBitmap* bmp, unsigned options, std::function<void(const FxRow&)> change) {
    RowJob job{std::move(change)};
    return RowWalkerRun(bmp, options, 0, 100, runRow, &job);
}

} // namespace

TEST(RowWalker, RejectsNullAndUnallocatedBitmaps) {
    RowWalker* w = reinterpret_cast<RowWalker*>(1);
    EXPECT_EQ(RowWalkerOpen(nullptr, 0, &w), FX_ERR_BAD_BITMAP);
    EXPECT_EQ(w, nullptr);

    Bitmap bmp(8, 2, 24);
    fillPattern(bmp.get());
    auto before = storedBytes(bmp.get());
    bmp->Flags &= ~RB_FLAG_ALLOCATED;
    CallbackRecorder recorder;
    EXPECT_EQ(RowWalkerOpen(bmp.get(), 0, &w), FX_ERR_BAD_BITMAP);
    EXPECT_EQ(bmp->AccessCount, 0);
    bmp->Flags |= RB_FLAG_ALLOCATED;
    EXPECT_EQ(storedBytes(bmp.get()), before);
    EXPECT_TRUE(recorder.calls.empty());
}

TEST(RowWalker, OneBitRegionIsReadFromTheByteBoundaryWithShiftedSpans) {
    Bitmap bmp(40, 4, 1);
    fillPattern(bmp.get(), 7);
    KRect rect{13, 1, 30, 3};
    ASSERT_EQ(KSetRegionRect(bmp.get(), &rect, K_REGION_SET), K_OK);
    auto stored = storedBytes(bmp.get());

    RowWalker* w;
    ASSERT_EQ(RowWalkerOpen(bmp.get(), 0, &w), FX_OK);
    EXPECT_EQ(w->FirstColumn, 8);
    EXPECT_EQ(w->Width, 22);
    EXPECT_EQ(w->StoredBytes, 3);
    EXPECT_EQ(w->Rows, 2);
    EXPECT_EQ(w->WorkFormat, K_WORK_GREY); // black and white palette is grey
    uint8_t* buffer = RowWalkerAllocRow(w);
    int32_t* spans = RowWalkerAllocSpans(w);
    int count = 0;
    ASSERT_EQ(RowWalkerReadRow(w, buffer, 1, spans, &count), FX_OK);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(spans[0], 5);
    EXPECT_EQ(spans[1], 22);
    for (int k = 0; k < 22; ++k)
        EXPECT_EQ(buffer[k], rawAt(stored, bmp.get(), 8 + k, 1) ? 255 : 0) << k;
    KFree(buffer);
    KFree(spans);
    RowWalkerClose(w);
    EXPECT_EQ(bmp->AccessCount, 0);
}

TEST(RowWalker, EightBitGreyRowsPassWithoutConversion) {
    Bitmap bmp(10, 3, 8); // the kernel's grey palette: index = grey level
    fillPattern(bmp.get(), 3);
    auto stored = storedBytes(bmp.get());
    RowWalker* w;
    ASSERT_EQ(RowWalkerOpen(bmp.get(), 0, &w), FX_OK);
    EXPECT_EQ(w->SourceFormat, 0);
    EXPECT_EQ(w->WorkFormat, K_WORK_GREY);
    EXPECT_FALSE(w->NeedsMatching);
    std::vector<uint8_t> buffer(RowWalkerRowBufferSize(w));
    ASSERT_EQ(RowWalkerReadRow(w, buffer.data(), 2, nullptr, nullptr), FX_OK);
    EXPECT_EQ(0, std::memcmp(buffer.data(), stored.data() + 2 * bmp->BytesPerLine, 10));
    RowWalkerClose(w);

    // In colour the grey levels arrive tripled and go back without matching.
    ASSERT_EQ(RowWalkerOpen(bmp.get(), WALK_COLOR, &w), FX_OK);
    EXPECT_FALSE(w->NeedsMatching);
    EXPECT_EQ(RowWalkerBytesPerPixel(w), 3);
    buffer.assign(RowWalkerRowBufferSize(w), 0);
    ASSERT_EQ(RowWalkerReadRow(w, buffer.data(), 1, nullptr, nullptr), FX_OK);
    for (int x = 0; x < 10; ++x)
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(buffer[3 * x + k], stored[bmp->BytesPerLine + x]);
    RowWalkerClose(w);
}

TEST(RowWalker, FourBitGreyIsDeliveredAsGreyAndMatchedBack) {
    for (bool descending : {false, true}) {
        Bitmap bmp(9, 2, 4, RB_ORDER_BGR, 0, greyPalette(4, descending));
        fillPattern(bmp.get(), 5);
        auto before = storedBytes(bmp.get());
        RowWalker* w;
        ASSERT_EQ(RowWalkerOpen(bmp.get(), 0, &w), FX_OK);
        EXPECT_EQ(w->GreyKind, descending ? 2 : 1);
        EXPECT_EQ(w->WorkFormat, K_WORK_GREY);
        EXPECT_TRUE(w->NeedsMatching);
        EXPECT_TRUE(w->Match.Flags & RB_FLAG_GREY_PALETTE);
        std::vector<uint8_t> buffer(RowWalkerRowBufferSize(w));
        ASSERT_EQ(RowWalkerStartProgress(w, 0, 100), FX_OK);
        for (int row = 0; row < 2; ++row) {
            ASSERT_EQ(RowWalkerReadRow(w, buffer.data(), row, nullptr, nullptr), FX_OK);
            for (int x = 0; x < 9; ++x) {
                EXPECT_EQ(buffer[x], bmp->Colors[rawAt(before, bmp.get(), x, row)].Red);
                buffer[x] = uint8_t(255 - buffer[x]);
            }
            ASSERT_EQ(RowWalkerWriteRow(w, buffer.data(), row, nullptr, 0), FX_OK);
        }
        RowWalkerClose(w);
        auto after = storedBytes(bmp.get());
        for (int row = 0; row < 2; ++row)
            for (int x = 0; x < 9; ++x)
                EXPECT_EQ(rawAt(after, bmp.get(), x, row), 15 - rawAt(before, bmp.get(), x, row));
    }
}

TEST(RowWalker, EveryStoredFormatMakesTheRoundTripUnchanged) {
    for (const Format& f : allFormats()) {
        for (unsigned options : {0u, unsigned(WALK_COLOR), unsigned(WALK_WHOLE_ROWS)}) {
            Bitmap bmp(23, 5, f,
                       f.bits <= 8 ? colorPalette(1 << f.bits) : std::vector<RasterColor>{});
            fillPattern(bmp.get(), 11);
            auto before = storedBytes(bmp.get());
            EXPECT_EQ(walk(bmp.get(), options, [](const FxRow&) {}), FX_OK);
            EXPECT_EQ(storedBytes(bmp.get()), before) << f.name() << " options " << options;
        }
        // Grey palettes take the grey work format both ways.
        if (f.bits <= 8) {
            Bitmap grey(23, 5, f, greyPalette(f.bits, f.rowOrder != 0));
            fillPattern(grey.get(), 2);
            auto before = storedBytes(grey.get());
            EXPECT_EQ(walk(grey.get(), 0, [](const FxRow&) {}), FX_OK);
            EXPECT_EQ(storedBytes(grey.get()), before) << f.name() << " grey";
        }
    }
}

TEST(RowWalker, WritesNeverTouchPixelsOutsideTheRegion) {
    for (const Format& f : allFormats()) {
        for (unsigned options : {0u, unsigned(WALK_WHOLE_ROWS)}) {
            Bitmap bmp(37, 11, f,
                       f.bits <= 8 ? colorPalette(1 << f.bits) : std::vector<RasterColor>{});
            fillPattern(bmp.get(), 13);
            KRect ellipse{3, 1, 20, 9};
            KPoint star[] = {{22, 0}, {30, 10}, {18, 4}, {36, 4}, {24, 10}};
            ASSERT_EQ(KSetRegionEllipse(bmp.get(), &ellipse, K_REGION_SET), K_OK);
            ASSERT_EQ(KSetRegionPolygon(bmp.get(), star, 5, K_REGION_UNION), K_OK);
            auto before = storedBytes(bmp.get());
            // The row function scribbles over the whole buffer, then paints
            // the spans; only the spans may reach the bitmap.
            ASSERT_EQ(walk(bmp.get(), options,
                           [](const FxRow& row) {
                               std::memset(row.Pixels, 0x5A, size_t(row.Width) * row.BytesPerPixel);
                               for (int i = 0; i + 1 < row.SpanCount; i += 2)
                                   std::memset(row.Pixels + row.Spans[i] * row.BytesPerPixel, 0xA5,
                                               size_t(row.Spans[i + 1] - row.Spans[i]) *
                                                   row.BytesPerPixel);
                           }),
                      FX_OK);
            auto expected = referenceApply(bmp.get(), before, [](Bgr) {
                return Bgr{0xA5, 0xA5, 0xA5};
            });
            EXPECT_EQ(storedBytes(bmp.get()), expected) << f.name() << " options " << options;
        }
    }
}

TEST(RowWalker, WholeRowsAreReadEverywhereButWrittenOnlyInsideTheRegion) {
    Bitmap bmp(16, 6, 24);
    fillPattern(bmp.get(), 17);
    KRect rect{4, 2, 9, 4};
    ASSERT_EQ(KSetRegionRect(bmp.get(), &rect, K_REGION_SET), K_OK);
    auto before = storedBytes(bmp.get());
    RowWalker* w;
    ASSERT_EQ(RowWalkerOpen(bmp.get(), WALK_WHOLE_ROWS, &w), FX_OK);
    KRect bounds = RowWalkerBounds(w);
    EXPECT_EQ(bounds.Left, 0);
    EXPECT_EQ(bounds.Top, 0);
    EXPECT_EQ(bounds.Right, 16);
    EXPECT_EQ(bounds.Bottom, 6);
    std::vector<uint8_t> buffer(RowWalkerRowBufferSize(w));
    std::vector<int32_t> spans(4);
    int count = -1;
    ASSERT_EQ(RowWalkerReadRow(w, buffer.data(), 0, spans.data(), &count), FX_OK);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(0, std::memcmp(buffer.data(), before.data(), 48));
    for (int row : {0, 3}) {
        ASSERT_EQ(RowWalkerReadRow(w, buffer.data(), row, nullptr, nullptr), FX_OK);
        std::memset(buffer.data(), 0, 48);
        ASSERT_EQ(RowWalkerWriteRow(w, buffer.data(), row, nullptr, 0), FX_OK);
    }
    RowWalkerClose(w);
    auto after = storedBytes(bmp.get());
    auto expected = before;
    std::memset(expected.data() + 3 * bmp->BytesPerLine + 12, 0, 15);
    EXPECT_EQ(after, expected);
}

TEST(RowWalker, ProgressOfThreeRowsIs0_33_66_100) {
    Bitmap bmp(5, 3, 24);
    CallbackRecorder recorder;
    EXPECT_EQ(walk(bmp.get(), 0, [](const FxRow&) {}), FX_OK);
    EXPECT_EQ(recorder.calls, (std::vector<int>{0, 33, 66, 100}));
}

TEST(RowWalker, ProgressRisesFromStartToEndOverManyRows) {
    Bitmap bmp(2, 7, 8);
    CallbackRecorder recorder;
    RowJob job{[](const FxRow&) {}};
    EXPECT_EQ(RowWalkerRun(bmp.get(), 0, 51, 100, runRow, &job), FX_OK);
    EXPECT_EQ(recorder.calls, (std::vector<int>{51, 58, 65, 72, 79, 86, 93, 100}));

    Bitmap tall(1, 300, 8);
    CallbackRecorder again;
    EXPECT_EQ(walk(tall.get(), 0, [](const FxRow&) {}), FX_OK);
    // Steps of zero call the callback only when the remainders carry.
    EXPECT_EQ(again.calls.size(), 101u);
    EXPECT_EQ(again.calls.back(), 100);
}

TEST(RowWalker, EmptyRegionReportsOnlyTheStartAndWritesNothing) {
    Bitmap bmp(8, 8, 24);
    fillPattern(bmp.get());
    KRect outside{20, 20, 30, 30};
    ASSERT_EQ(KSetRegionRect(bmp.get(), &outside, K_REGION_SET), K_OK);
    auto before = storedBytes(bmp.get());
    CallbackRecorder recorder;
    int rows = 0;
    EXPECT_EQ(walk(bmp.get(), 0, [&](const FxRow&) { ++rows; }), FX_OK);
    EXPECT_EQ(rows, 0);
    EXPECT_EQ(recorder.calls, std::vector<int>{0});
    EXPECT_EQ(storedBytes(bmp.get()), before);
}

TEST(RowWalker, StopValueIsReturnedAfterTheRowsWrittenSoFar) {
    Bitmap bmp(4, 4, 8, RB_ORDER_BGR, 0, colorPalette(256));
    fillPattern(bmp.get());
    auto before = storedBytes(bmp.get());
    CallbackRecorder recorder(2, 7); // start, first row, then stop after the second
    EXPECT_EQ(walk(bmp.get(), 0, [](const FxRow& row) { std::memset(row.Pixels, 0, 12); }), 7);
    auto after = storedBytes(bmp.get());
    int black = nearestIndex(bmp.get(), Bgr{0, 0, 0});
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(rawAt(after, bmp.get(), x, 0), uint32_t(black));
        EXPECT_EQ(rawAt(after, bmp.get(), x, 1), uint32_t(black));
        EXPECT_EQ(rawAt(after, bmp.get(), x, 2), rawAt(before, bmp.get(), x, 2));
    }
    EXPECT_EQ(bmp->AccessCount, 0);
}

// A walk whose function depends on each pixel's colour alone may go through
// a table of the 256 stored values: it must leave exactly the bytes, the
// progress and the status of the pixel-by-pixel walk, for every palette
// depth, grey ramps, short palettes whose stored indices run past them, in
// colour and in grey, and when the callback stops it half-way.
TEST(RowWalker, ColourTableWalksMatchThePixelByPixelWalk) {
    const auto change = [](const FxRow& row) {
        for (int i = 0; i + 1 < row.SpanCount; i += 2)
            for (int x = row.Spans[i]; x < row.Spans[i + 1]; ++x) {
                uint8_t* p = row.Pixels + size_t(x) * size_t(row.BytesPerPixel);
                if (row.BytesPerPixel == 1) {
                    p[0] = uint8_t(p[0] * 13 + 7);
                } else {
                    const uint8_t b = p[0], g = p[1], r = p[2];
                    p[0] = uint8_t(b * 7 + g), p[1] = uint8_t(r ^ 0x5A), p[2] = uint8_t(b + g * 3);
                }
            }
    };
    struct Case {
        int bits;
        std::vector<RasterColor> palette;
    };
    std::vector<Case> cases;
    for (int bits : {1, 4, 8}) {
        cases.push_back({bits, colorPalette(1 << bits)});
        cases.push_back({bits, greyPalette(bits)});
        cases.push_back({bits, greyPalette(bits, true)});
    }
    cases.push_back({8, colorPalette(100)});
    cases.push_back({4, colorPalette(5)});
    for (const Case& c : cases)
        for (unsigned colour : {0u, unsigned(WALK_COLOR)})
            for (int stopAt : {-1, 3}) {
                std::vector<uint8_t> results[2];
                std::vector<int> calls[2];
                int statuses[2];
                for (int byColour : {0, 1}) {
                    Bitmap bmp(45, 9, c.bits, RB_ORDER_BGR, RB_ROWS_BOTTOM_UP, c.palette);
                    std::vector<uint8_t> bytes = storedBytes(bmp.get());
                    uint32_t s = 99;
                    for (uint8_t& b : bytes)
                        b = uint8_t((s = s * 1103515245u + 12345u) >> 16);
                    setStoredBytes(bmp.get(), bytes);
                    KRect ellipse{3, 1, 20, 8};
                    KPoint star[] = {{22, 0}, {30, 9}, {17, 3}, {45, 4}, {24, 9}};
                    ASSERT_EQ(KSetRegionEllipse(bmp.get(), &ellipse, K_REGION_SET), K_OK);
                    ASSERT_EQ(KSetRegionPolygon(bmp.get(), star, 5, K_REGION_UNION), K_OK);
                    CallbackRecorder recorder(stopAt, 9);
                    statuses[byColour] =
                        walk(bmp.get(), colour | (byColour ? WALK_BY_COLOUR : 0u), change);
                    results[byColour] = storedBytes(bmp.get());
                    calls[byColour] = recorder.calls;
                }
                const std::string what =
                    std::to_string(c.bits) + " bits, " + std::to_string(c.palette.size()) +
                    " colours from " + std::to_string(c.palette[0].Red) + ", options " +
                    std::to_string(colour) + ", stop " + std::to_string(stopAt);
                EXPECT_EQ(results[1], results[0]) << what;
                EXPECT_EQ(calls[1], calls[0]) << what;
                EXPECT_EQ(statuses[1], statuses[0]) << what;
            }
}

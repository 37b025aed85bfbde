// The loops that deal three-byte pixels to planes, gather them back (both
// also complementing every byte, as for CMY) and make ink planes of blue,
// green and red, at the processor's level (the suite runs at each): every
// width around the vector blocks and their parts, plane rows placed
// anywhere in their lines, streamed or not, give the bytes of a plain loop
// and write nothing past the pixels.
#include "FxTestSupport.h"

#include "imgfx/ColorPlanes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

using fxtest::nextRandom;

namespace {

constexpr size_t guard = 64;
constexpr uint8_t guardByte = 0xA5;

std::vector<uint8_t> randomBytes(size_t n, uint32_t& seed) {
    std::vector<uint8_t> v(n);
    for (uint8_t& b : v)
        b = uint8_t(nextRandom(seed));
    return v;
}

// A buffer whose usable bytes start `offset` bytes past a 64-byte line,
// with guard bytes on both sides.
struct Placed {
    std::vector<uint8_t> storage;
    size_t start;
    size_t bytes;
    Placed(size_t n, size_t offset) : storage(n + 3 * guard + 64, guardByte), bytes(n) {
        const uintptr_t base = reinterpret_cast<uintptr_t>(storage.data()) + guard;
        start = size_t((-base & 63) + offset) + guard;
    }
    uint8_t* data() { return storage.data() + start; }
    bool guardsIntact() const {
        for (size_t i = 0; i < storage.size(); ++i)
            if ((i < start || i >= start + bytes) && storage[i] != guardByte)
                return false;
        return true;
    }
};

const int widths[] = {0,  1,  2,   15,  16,  17,  31,  32,  33,  47,  48,  63,  64,   65,  95,
                      96, 97, 127, 128, 129, 191, 192, 193, 255, 256, 257, 300, 1001, 4099};

} // namespace

TEST(ColorPlanesLoops, DealingGivesEachPlaneItsBytesAndNothingMore) {
    uint32_t seed = 7;
    for (int width : widths)
        for (int stream : {0, 1})
            for (size_t offset : {0u, 1u, 17u, 32u, 63u}) {
                // Alike placed planes stream from their first line; the
                // third placed apart keeps everything in the cache. Pixels
                // that start inside a line are read a line at a time.
                for (bool apart : {false, true})
                    for (uint8_t flip : {0, 255}) {
                        const size_t from = (offset * 7 + size_t(flip) + (apart ? 29 : 0)) % 64;
                        SCOPED_TRACE("width " + std::to_string(width) + " stream " +
                                     std::to_string(stream) + " offset " + std::to_string(offset) +
                                     (apart ? " apart" : "") + (flip ? " complemented" : "") +
                                     " pixels at " + std::to_string(from));
                        const size_t n = size_t(width);
                        Placed pixels(3 * n, from);
                        const auto bytes = randomBytes(3 * n, seed);
                        std::copy(bytes.begin(), bytes.end(), pixels.data());
                        Placed a(n, offset), b(n, offset), c(n, apart ? (offset + 5) % 64 : offset);
                        uint8_t* rows[3] = {a.data(), b.data(), c.data()};
                        if (flip)
                            FxDealComplement3(pixels.data(), width, rows, stream);
                        else
                            FxDealPlanes(pixels.data(), width, 3, rows, stream);
                        if (stream)
                            FxStreamDone();
                        size_t wrong = 0;
                        for (size_t x = 0; x < n; ++x)
                            for (size_t k = 0; k < 3; ++k)
                                wrong += rows[k][x] != uint8_t(bytes[3 * x + k] ^ flip);
                        EXPECT_EQ(wrong, 0u);
                        EXPECT_TRUE(a.guardsIntact() && b.guardsIntact() && c.guardsIntact() &&
                                    pixels.guardsIntact());
                    }
            }
}

TEST(ColorPlanesLoops, GatheringInterleavesThePlanesAndNothingMore) {
    uint32_t seed = 11;
    for (int width : widths)
        for (int stream : {0, 1})
            for (size_t offset : {0u, 1u, 2u, 21u, 32u, 48u, 63u})
                for (uint8_t flip : {0, 255}) {
                    SCOPED_TRACE("width " + std::to_string(width) + " stream " +
                                 std::to_string(stream) + " offset " + std::to_string(offset) +
                                 (flip ? " complemented" : ""));
                    const size_t n = size_t(width);
                    const auto a = randomBytes(n, seed), b = randomBytes(n, seed),
                               c = randomBytes(n, seed);
                    const uint8_t* rows[3] = {a.data(), b.data(), c.data()};
                    Placed pixels(3 * n, offset);
                    if (flip)
                        FxGatherComplement3(pixels.data(), width, rows, stream);
                    else
                        FxGatherPlanes(pixels.data(), width, 3, rows, stream);
                    if (stream)
                        FxStreamDone();
                    size_t wrong = 0;
                    for (size_t x = 0; x < n; ++x)
                        for (size_t k = 0; k < 3; ++k)
                            wrong += pixels.data()[3 * x + k] != uint8_t(rows[k][x] ^ flip);
                    EXPECT_EQ(wrong, 0u);
                    EXPECT_TRUE(pixels.guardsIntact());
                }
}

TEST(ColorPlanesLoops, InkPlanesAreThoseOfEachPixel) {
    uint32_t seed = 13;
    for (int width : widths)
        for (int stream : {0, 1})
            for (size_t offset : {0u, 16u, 40u, 63u}) {
                SCOPED_TRACE("width " + std::to_string(width) + " stream " +
                             std::to_string(stream) + " offset " + std::to_string(offset));
                const size_t n = size_t(width);
                const auto b = randomBytes(n, seed), g = randomBytes(n, seed),
                           r = randomBytes(n, seed);
                const uint8_t* bgr[3] = {b.data(), g.data(), r.data()};
                // The fourth plane 16 bytes apart from the others: still
                // streamed, its lines split differently.
                Placed p0(n, offset), p1(n, offset), p2(n, offset), p3(n, (offset + 16) % 64);
                uint8_t* rows[4] = {p0.data(), p1.data(), p2.data(), p3.data()};
                FxInkPlanes(bgr, width, rows, stream);
                if (stream)
                    FxStreamDone();
                size_t wrong = 0;
                for (size_t x = 0; x < n; ++x) {
                    const uint8_t mx = std::max({b[x], g[x], r[x]});
                    const uint8_t expected[4] = {uint8_t(mx - r[x]), uint8_t(mx - g[x]),
                                                 uint8_t(mx - b[x]), uint8_t(255 - mx)};
                    for (int k = 0; k < 4; ++k)
                        wrong += rows[k][x] != expected[k];
                }
                EXPECT_EQ(wrong, 0u);
                EXPECT_TRUE(p0.guardsIntact() && p1.guardsIntact() && p2.guardsIntact() &&
                            p3.guardsIntact());
            }
}

// Table lookups on byte runs and on one channel of blue-green-red rows, at
// every length and start the vector forms split into blocks and tails.
#include "imgfx/LookupTable.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<uint8_t> bytesFrom(size_t n, unsigned seed) {
    std::vector<uint8_t> v(n);
    for (size_t i = 0; i < n; ++i)
        v[i] = uint8_t((i + seed) * 2654435761u >> 11);
    return v;
}

} // namespace

TEST(LookupTable, EveryByteAndEveryThirdByteMapLikeAPlainLoop) {
    uint8_t table[256];
    for (int i = 0; i < 256; ++i)
        table[i] = uint8_t(i * 101 + 7);
    for (size_t n = 0; n <= 200; ++n)
        for (size_t offset : {0u, 1u, 2u}) {
            auto bytes = bytesFrom(3 * n + 8, unsigned(n));
            auto expected = bytes;
            for (size_t i = 0; i < n; ++i)
                expected[offset + 3 * i] = table[expected[offset + 3 * i]];
            FxMapChannel(bytes.data() + offset, n, 3, table);
            ASSERT_EQ(bytes, expected) << "channel run of " << n << " from " << offset;

            auto all = bytesFrom(n + 8, unsigned(n));
            auto allExpected = all;
            for (size_t i = 0; i < n; ++i)
                allExpected[offset + i] = table[allExpected[offset + i]];
            FxMapBytes(all.data() + offset, n, table);
            ASSERT_EQ(all, allExpected) << "byte run of " << n << " from " << offset;
        }
}

// Conversions between grey levels and colour rows at every length the
// vector forms split into blocks, chunks and tails.
#include "../imgfx/FxTestSupport.h"

#include <gtest/gtest.h>

using namespace fxtest;

TEST(KernelGreyConvert, ColourRowsBecomeTheirIntensities) {
    for (int bytes : {3, 4})
        for (int order : {RB_ORDER_BGR, RB_ORDER_RGB})
            for (int width : {0, 1, 15, 16, 17, 63, 64, 65, 200, 1100}) {
                std::vector<uint8_t> row(size_t(bytes) * width + 1);
                for (size_t i = 0; i < row.size(); ++i)
                    row[i] = uint8_t(i * 2654435761u >> 9);
                std::vector<uint8_t> expected(static_cast<size_t>(width));
                for (int x = 0; x < width; ++x) {
                    const uint8_t* p = row.data() + size_t(bytes) * x;
                    Bgr c = order == RB_ORDER_BGR ? Bgr{p[0], p[1], p[2]} : Bgr{p[2], p[1], p[0]};
                    expected[size_t(x)] = uint8_t(intensity(c));
                }
                ASSERT_EQ(KConvertRow(row.data(), width, 8 * bytes, K_WORK_GREY, order,
                                      RB_ORDER_BGR, nullptr, nullptr),
                          K_OK);
                EXPECT_TRUE(std::equal(expected.begin(), expected.end(), row.begin()))
                    << bytes << " bytes, order " << order << ", width " << width;
            }
}

TEST(KernelGreyConvert, GreyRowsBecomeGreyColours) {
    for (int order : {RB_ORDER_BGR, RB_ORDER_RGB})
        for (int width : {0, 1, 63, 64, 65, 511, 512, 513, 1100}) {
            std::vector<uint8_t> row(3 * size_t(width) + 1);
            for (int x = 0; x < width; ++x)
                row[size_t(x)] = uint8_t(x * 7 + 3);
            ASSERT_EQ(KConvertRow(row.data(), width, K_WORK_GREY, 24, RB_ORDER_BGR, order, nullptr,
                                  nullptr),
                      K_OK);
            for (int x = 0; x < width; ++x)
                for (int k = 0; k < 3; ++k)
                    ASSERT_EQ(row[3 * size_t(x) + k], uint8_t(x * 7 + 3))
                        << "order " << order << ", width " << width << ", x " << x;
        }
}

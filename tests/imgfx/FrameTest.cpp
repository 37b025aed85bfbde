// The library as a whole: its exports, its banner and the per-thread noise
// seed.
#include "imgfx/imgfx.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

namespace {
const std::string libraryPath = std::string(TESSARY_BINARY_DIR) + "/lib/libimgfx.so";
}

TEST(ImgfxLibrary, ExportsFiltersAndHidesTheFrame) {
    void* library = dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    EXPECT_NE(dlsym(library, "R_InvertBitmap"), nullptr);
    EXPECT_NE(dlsym(library, "R_GetBitmapNoiseSeed"), nullptr);
    EXPECT_EQ(dlsym(library, "RowWalkerOpen"), nullptr);
    EXPECT_EQ(dlsym(library, "FxApplyTable"), nullptr);
    dlclose(library);
}

TEST(ImgfxLibrary, CarriesItsBannerInReadOnlyData) {
    std::ifstream file(libraryPath, std::ios::binary);
    ASSERT_TRUE(file);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_NE(bytes.find(std::string("RastelKit IMAGE MODULE V6.2") + '\0'), std::string::npos);
}

TEST(ImgfxLibrary, NoiseSeedIsPerThreadAndStartsAtZero) {
    R_SetBitmapNoiseSeed(5);
    uint32_t seen = 1, after = 0;
    std::thread other([&] {
        seen = R_GetBitmapNoiseSeed();
        R_SetBitmapNoiseSeed(9);
        after = R_GetBitmapNoiseSeed();
    });
    other.join();
    EXPECT_EQ(seen, 0u);
    EXPECT_EQ(after, 9u);
    EXPECT_EQ(R_GetBitmapNoiseSeed(), 5u);
    R_SetBitmapNoiseSeed(0);
}

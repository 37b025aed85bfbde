// The pictures the filter benchmarks work on, pixel by pixel, so that a
// benchmark and a picture file written for imgfx-cli hold the same pixels:
// a 4096 x 4096 photograph-like colour picture and an A4 page scanned at
// 300 dpi with its text lines turned 2 degrees.
#pragma once

#include <cmath>
#include <cstdint>

#ifdef TESSARY_HAVE_OPENCV
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#endif

namespace benchpictures {

constexpr int side = 4096;

// Channel c (0 blue, 1 green, 2 red) at (x, y): a gradient with noise on
// it, so that neither flat areas nor pure noise flatter any method.
inline uint8_t sample(int x, int y, int c) {
    uint32_t h = uint32_t(x) * 73856093u ^ uint32_t(y) * 19349663u ^ uint32_t(c) * 83492791u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return uint8_t((x + 2 * y + 40 * c) / 24 + (h >> 26));
}

constexpr int pageWidth = 2480, pageHeight = 3508;

// Grey level of the page at (x, y): text lines of words drawn turned 2
// degrees clockwise on a light ground.
inline int pageLevel(int x, int y) {
    const double pi = 3.14159265358979323846;
    const double c = std::cos(2 * pi / 180), s = std::sin(2 * pi / 180);
    const double cx = pageWidth / 2.0, cy = pageHeight / 2.0;
    const double u = cx + (x - cx) * c + (y - cy) * s, v = cy - (x - cx) * s + (y - cy) * c;
    const int ground = 235 + (x * 7 + y * 13) % 9;
    if (u < 200 || u >= pageWidth - 200 || v < 250 || v >= pageHeight - 250)
        return ground;
    const int line = int(v - 250) / 50, inLine = int(v - 250) % 50;
    if (inLine >= 24)
        return ground;
    const int column = int(u - 200), word = (column + line * 97) / 140;
    const int inWord = (column + line * 97) % 140;
    return inWord < 40 + (word * 37 % 80) && inWord % 9 < 4 ? 30 : ground;
}

#ifdef TESSARY_HAVE_OPENCV
// The page as OpenCV holds it: 8-bit grey (CV_8UC1) or 24-bit (CV_8UC3).
inline cv::Mat cvPage(int type) {
    cv::Mat page(pageHeight, pageWidth, type);
    for (int y = 0; y < pageHeight; ++y)
        for (int x = 0; x < pageWidth; ++x) {
            const uint8_t level = uint8_t(pageLevel(x, y));
            if (type == CV_8UC1)
                page.at<uint8_t>(y, x) = level;
            else
                page.at<cv::Vec3b>(y, x) = cv::Vec3b(level, level, level);
        }
    return page;
}

// The reference for deskew: one bilinear turn of the whole page back by
// the angle its text lines lean, onto the page's light ground.
inline void cvTurnPage(const cv::Mat& page, cv::Mat& out) {
    const cv::Mat turn =
        cv::getRotationMatrix2D(cv::Point2f(pageWidth / 2.0f, pageHeight / 2.0f), 2.24, 1.0);
    cv::warpAffine(page, out, turn, page.size(), cv::INTER_LINEAR, cv::BORDER_CONSTANT,
                   cv::Scalar::all(235));
}
#endif

} // namespace benchpictures

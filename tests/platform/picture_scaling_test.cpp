#include "platform/picture_scaling.h"

#include <gtest/gtest.h>

namespace {

using platform::Picture;
using platform::Resample;

constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kBlack = 0xFF000000;

// A white strip with a black dot on every third pixel of its middle row.
Picture DottedStrip(int width) {
    Picture strip(width, 3, kWhite);
    for (int x = 1; x < width; x += 3) strip.set(x, 1, kBlack);
    return strip;
}

// How much darker than white a pixel is (0 for white, 255 for black).
int Ink(std::uint32_t argb) {
    return 255 - static_cast<int>(argb & 0xFF);
}

TEST(PictureScaling, SqueezedDotsThinOutEvenlyAlongTheWholeLine) {
    const Picture squeezed = Resample(DottedStrip(140), 94, 3);
    // Every stretch of four pixels keeps its share of the dots; taking the nearest pixel instead
    // loses every dot over long stretches.
    const double mean = 255.0 / 3;
    for (int x = 0; x + 4 <= squeezed.width; ++x) {
        int ink = 0;
        for (int k = x; k < x + 4; ++k) ink += Ink(squeezed.at(k, 1));
        EXPECT_NEAR(ink / 4.0, mean, mean / 2) << "from " << x;
    }
    for (int x = 0; x < squeezed.width; ++x) EXPECT_EQ(squeezed.at(x, 0), kWhite) << x;
}

TEST(PictureScaling, EvenAreasKeepTheirColourAtAnySize) {
    const std::uint32_t halfClearBlue = 0x800000FF;
    for (const auto& [width, height] : {std::pair{1, 1}, {3, 7}, {94, 16}, {300, 40}}) {
        const Picture scaled = Resample(Picture(140, 16, halfClearBlue), width, height);
        ASSERT_EQ(scaled.width, width);
        ASSERT_EQ(scaled.height, height);
        for (const std::uint32_t pixel : scaled.pixels) EXPECT_EQ(pixel, halfClearBlue) << width << "x" << height;
    }
}

TEST(PictureScaling, ClearPixelsLendNoColour) {
    Picture picture(2, 1);
    picture.set(0, 0, 0xFFFF0000);  // opaque red
    picture.set(1, 0, 0x0000FF00);  // clear, with a green that must not show
    EXPECT_EQ(Resample(picture, 1, 1).at(0, 0), 0x80FF0000u);
}

TEST(PictureScaling, SameSizeIsTheSamePicture) {
    Picture picture = DottedStrip(10);
    picture.set(0, 0, 0x0012345);
    EXPECT_EQ(Resample(picture, 10, 3), picture);
}

}  // namespace

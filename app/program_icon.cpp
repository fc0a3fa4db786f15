#include "app/program_icon.h"

#include "app/artwork_canvas.h"

namespace app {

namespace {

// Where the parts lie, in pixels of the finished icon. Each size has its own layout so that the
// thin lines fall on whole pixels instead of blurring across two.
struct IconLayout {
    double pageLeft, pageTop, pageRight, pageBottom, corner;
    double headerBottom;
    double ringLeftX, ringRightX, ringTop, ringBottom, ringHalfWidth;
    double lineLeft, lineRight, lineHalfWidth;
    double lineY[3];
    double markX, markY, markRadius;
    double outlineHalfWidth, shadowOffset, shadowSoftness;
};

constexpr IconLayout kSmall{.pageLeft = 1,
                            .pageTop = 2,
                            .pageRight = 15,
                            .pageBottom = 15,
                            .corner = 2,
                            .headerBottom = 6,
                            .ringLeftX = 5.5,
                            .ringRightX = 10.5,
                            .ringTop = 0.5,
                            .ringBottom = 4.5,
                            .ringHalfWidth = 0.9,
                            .lineLeft = 3.5,
                            .lineRight = 12.5,
                            .lineHalfWidth = 0.5,
                            .lineY = {8.5, 10.5, 12.5},
                            .markX = 12.0,
                            .markY = 8.5,
                            .markRadius = 1.4,
                            .outlineHalfWidth = 0.5,
                            .shadowOffset = 0.8,
                            .shadowSoftness = 1.0};
constexpr IconLayout kLarge{.pageLeft = 3,
                            .pageTop = 5,
                            .pageRight = 28,
                            .pageBottom = 29,
                            .corner = 3.5,
                            .headerBottom = 12,
                            .ringLeftX = 10.5,
                            .ringRightX = 20.5,
                            .ringTop = 1.5,
                            .ringBottom = 8.5,
                            .ringHalfWidth = 1.6,
                            .lineLeft = 7.5,
                            .lineRight = 24.5,
                            .lineHalfWidth = 0.6,
                            .lineY = {16.5, 20.5, 24.5},
                            .markX = 23.0,
                            .markY = 16.5,
                            .markRadius = 2.4,
                            .outlineHalfWidth = 0.6,
                            .shadowOffset = 1.2,
                            .shadowSoftness = 1.6};

IconLayout Scaled(const IconLayout& base, double f) {
    IconLayout l = base;
    for (double* v :
         {&l.pageLeft,  &l.pageTop,       &l.pageRight,    &l.pageBottom,    &l.corner,        &l.headerBottom,
          &l.ringLeftX, &l.ringRightX,    &l.ringTop,      &l.ringBottom,    &l.ringHalfWidth, &l.lineLeft,
          &l.lineRight, &l.lineHalfWidth, &l.lineY[0],     &l.lineY[1],      &l.lineY[2],      &l.markX,
          &l.markY,     &l.markRadius,    &l.shadowOffset, &l.shadowSoftness}) {
        *v *= f;
    }
    return l;
}

constexpr std::uint32_t kPaperTop = art::Argb(255, 255, 253, 244);
constexpr std::uint32_t kPaperBottom = art::Argb(255, 244, 234, 206);
constexpr std::uint32_t kHeaderTop = art::Argb(255, 24, 132, 190);  // the calendar window's blue
constexpr std::uint32_t kHeaderBottom = art::Argb(255, 0, 86, 136);
constexpr std::uint32_t kInk = art::Argb(255, 36, 52, 70);
constexpr std::uint32_t kRuling = art::Argb(255, 118, 150, 182);
constexpr std::uint32_t kRing = art::Argb(255, 226, 232, 238);
constexpr std::uint32_t kMark = art::Argb(255, 208, 32, 16);  // the diary's red
constexpr std::uint32_t kShadow = art::Argb(110, 0, 0, 0);

}  // namespace

platform::Picture ProgramIcon(int size) {
    const IconLayout l = size == 16 ? kSmall : size == 32 ? kLarge : Scaled(kLarge, size / 32.0);
    art::Canvas canvas(size, size);
    const art::Shape page = art::RoundedRect(l.pageLeft, l.pageTop, l.pageRight, l.pageBottom, l.corner);
    const art::Shape shadow = art::RoundedRect(l.pageLeft + l.shadowOffset, l.pageTop + l.shadowOffset,
                                               l.pageRight + l.shadowOffset, l.pageBottom + l.shadowOffset, l.corner);
    canvas.Shadow(shadow, kShadow, l.shadowSoftness);
    canvas.Fill(page, art::VerticalGradient(kPaperTop, kPaperBottom, l.pageTop, l.pageBottom));
    const art::Shape header =
        art::Intersect(page, art::RoundedRect(l.pageLeft - 1, l.pageTop - 1, l.pageRight + 1, l.headerBottom, 0));
    canvas.Fill(header, art::VerticalGradient(kHeaderTop, kHeaderBottom, l.pageTop, l.headerBottom));
    for (double y : l.lineY) canvas.Fill(art::Segment(l.lineLeft, y, l.lineRight, y, l.lineHalfWidth), kRuling);
    canvas.Fill(art::Circle(l.markX, l.markY, l.markRadius), kMark);
    canvas.Fill(art::Outline(page, l.outlineHalfWidth), kInk);
    for (double x : {l.ringLeftX, l.ringRightX}) {
        const art::Shape ring = art::Segment(x, l.ringTop, x, l.ringBottom, l.ringHalfWidth);
        canvas.Fill(ring, kRing);
        canvas.Fill(art::Outline(ring, l.outlineHalfWidth), kInk);
    }
    return canvas.picture();
}

}  // namespace app

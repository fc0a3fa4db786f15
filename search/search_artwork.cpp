#include "search/search_artwork.h"

#include "app/artwork_canvas.h"

namespace search::art {

namespace {

using namespace app::art;

PicturePtr DrawFindButton(double scale) {
    Canvas canvas(kFindButtonSize, kFindButtonSize, scale);
    // The body, rim and gloss of the help button's sky blue, so that the two read as a row.
    canvas.Shadow(Circle(10, 10.8, 8.6), Argb(110, 0x00, 0x1E, 0x33), 1.6);
    canvas.Fill(Circle(10, 10, 8.6), VerticalGradient(Argb(255, 0xDD, 0xF3, 0xFF), Argb(255, 0x86, 0xC4, 0xEE), 2, 18));
    canvas.Fill(Outline(Circle(10, 10, 8.6), 0.55), Argb(255, 0x3E, 0x7F, 0xAE));
    canvas.Fill(Intersect(Circle(10, 10, 7.4), Circle(10, 3.6, 6.2)),
                VerticalGradient(Argb(120, 255, 255, 255), Argb(0, 255, 255, 255), 2, 9));
    // The glass: a ring with a pale lens, and its handle down to the right.
    const std::uint32_t ink = Argb(255, 0x0B, 0x4A, 0x78);
    canvas.Fill(Circle(8.8, 8.8, 3.0), Argb(150, 0xFF, 0xFF, 0xFF));
    canvas.Fill(Outline(Circle(8.8, 8.8, 3.2), 0.9), ink);
    canvas.Fill(Segment(11.3, 11.3, 14.2, 14.2, 1.35), ink);
    return canvas.Finish();
}

}  // namespace

PicturePtr FindButtonPicture(double scale) {
    return DrawnOnce<DrawFindButton>(scale);
}

}  // namespace search::art

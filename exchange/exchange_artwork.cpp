#include "exchange/exchange_artwork.h"

#include "app/artwork_canvas.h"

namespace exchange::art {

namespace {

using namespace app::art;

PicturePtr DrawExchangeButton(double scale) {
    constexpr double kSize = kExchangeButtonSize;
    Canvas canvas(kExchangeButtonSize, kExchangeButtonSize, scale);
    // The Alarms button's pill and colours, as the restore button has them.
    const Shape pill = RoundedRect(0.5, 0.5, kSize - 0.5, kSize - 0.5, 7);
    canvas.Fill(pill, VerticalGradient(Argb(255, 0x33, 0x8F, 0xC9), Argb(255, 0x14, 0x5B, 0x88), 0, kSize));
    canvas.Fill(Outline(pill, 0.5), Argb(140, 0xB0, 0xEF, 0xFF));
    // Out and in: an arrow to the right above one to the left.
    const Shape out = Union(Segment(7, 10.5, 19, 10.5, 1.5), ConvexPolygon({{18, 5.8}, {24.2, 10.5}, {18, 15.2}}));
    const Shape in = Union(Segment(11, 19.5, 23, 19.5, 1.5), ConvexPolygon({{12, 24.2}, {5.8, 19.5}, {12, 14.8}}));
    const Shape arrows = Union(out, in);
    canvas.Shadow(arrows, Argb(110, 0x00, 0x1E, 0x33), 1.5);
    canvas.Fill(arrows, VerticalGradient(Argb(255, 0xFF, 0xE8, 0x6A), Argb(255, 0xE3, 0x9A, 0x1C), 6, 24));
    canvas.Fill(Outline(arrows, 0.4), Argb(255, 0x9A, 0x63, 0x08));
    return canvas.Finish();
}

}  // namespace

PicturePtr ExchangeButtonPicture(double scale) {
    return DrawnOnce<DrawExchangeButton>(scale);
}

}  // namespace exchange::art

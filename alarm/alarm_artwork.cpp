#include "alarm/alarm_artwork.h"

#include "app/artwork_canvas.h"

namespace alarms::art {

namespace {

using namespace app::art;

PicturePtr DrawOk() {
    Canvas canvas(kOkWidth, kOkHeight);
    const Shape body = RoundedRect(1, 0.5, kOkWidth - 1, kOkHeight - 1.5, 6);
    canvas.Shadow(RoundedRect(1.5, 1.5, kOkWidth - 0.5, kOkHeight - 0.5, 6), Argb(110, 0x00, 0x1E, 0x33), 1.2);
    canvas.Fill(body, VerticalGradient(Argb(255, 0x7E, 0xD3, 0x6A), Argb(255, 0x2F, 0x8F, 0x2E), 0, kOkHeight));
    canvas.Fill(Outline(body, 0.5), Argb(255, 0x1E, 0x5E, 0x1C));
    canvas.Fill(Intersect(body, RoundedRect(0, 0, kOkWidth, 7.5, 0)), Argb(60, 255, 255, 255));
    const std::uint32_t white = Argb(255, 255, 255, 255);
    // The tick, then "O" and "K" drawn with strokes.
    canvas.Fill(Union(Segment(21, 9.5, 24.5, 13, 1.4), Segment(24.5, 13, 31, 5.5, 1.4)), white);
    canvas.Fill(Outline(RoundedRect(38, 5, 45.5, 14, 3.7), 1.15), white);
    canvas.Fill(Union(Segment(50.5, 5, 50.5, 14, 1.15),
                      Union(Segment(50.8, 10, 56.5, 5, 1.15), Segment(52.6, 8.5, 56.5, 14, 1.15))),
                white);
    return canvas.Finish();
}

}  // namespace

PicturePtr OkPicture() {
    static const PicturePtr picture = DrawOk();
    return picture;
}

}  // namespace alarms::art

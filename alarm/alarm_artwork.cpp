#include "alarm/alarm_artwork.h"

#include "app/artwork_canvas.h"

namespace alarms::art {

namespace {

using namespace app::art;

PicturePtr DrawAlarmButton(double scale) {
    Canvas canvas(kAlarmButtonWidth, kAlarmButtonHeight, scale);
    // The same pill as the button behind today's date, so that the two read as a pair.
    const Shape pill = RoundedRect(0.5, 0.5, kAlarmButtonWidth - 0.5, kAlarmButtonHeight - 0.5, 7);
    canvas.Fill(pill, VerticalGradient(Argb(255, 0x33, 0x8F, 0xC9), Argb(255, 0x14, 0x5B, 0x88), 0, 30));
    canvas.Fill(Outline(pill, 0.5), Argb(140, 0xB0, 0xEF, 0xFF));
    // A bell: a dome on a flared rim, the clapper below, two strokes of ringing beside it.
    const Shape dome = Union(Circle(16.5, 12.5, 5.2), ConvexPolygon({{11.3, 12.5}, {21.7, 12.5}, {24, 20}, {9, 20}}));
    const Shape bell = Union(dome, RoundedRect(8, 19, 25, 21.5, 1.2));
    canvas.Shadow(bell, Argb(110, 0x00, 0x1E, 0x33), 1.5);
    canvas.Fill(bell, VerticalGradient(Argb(255, 0xFF, 0xE8, 0x6A), Argb(255, 0xE3, 0x9A, 0x1C), 6, 22));
    canvas.Fill(Outline(bell, 0.45), Argb(255, 0x9A, 0x63, 0x08));
    canvas.Fill(Circle(16.5, 23.6, 1.8), Argb(255, 0x9A, 0x63, 0x08));
    canvas.Fill(Circle(16.5, 6.6, 1.3), Argb(255, 0x9A, 0x63, 0x08));
    const std::uint32_t ringing = Argb(200, 0xB0, 0xEF, 0xFF);
    canvas.Fill(Arc(16.5, 14, 10.5, 0.7, 200, 240), ringing);
    canvas.Fill(Arc(16.5, 14, 10.5, 0.7, 300, 340), ringing);
    return canvas.Finish();
}

PicturePtr DrawOk(double scale) {
    Canvas canvas(kOkWidth, kOkHeight, scale);
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

PicturePtr AlarmButtonPicture(double scale) {
    return DrawnOnce<DrawAlarmButton>(scale);
}

PicturePtr OkPicture(double scale) {
    return DrawnOnce<DrawOk>(scale);
}

}  // namespace alarms::art

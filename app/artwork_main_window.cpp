#include "app/artwork_main_window.h"

#include "app/artwork_canvas.h"

namespace app::art {

namespace {

constexpr std::uint32_t kWhite = Argb(255, 255, 255, 255);
constexpr std::uint32_t kSky = Argb(255, 0xB0, 0xEF, 0xFF);  // the year title's colour
constexpr std::uint32_t kSoftShadow = Argb(110, 0x00, 0x1E, 0x33);

// A round button: a soft shadow, a body shaded from top to bottom, a darker rim and a gloss on
// its upper half.
Canvas RoundButton(double scale, std::uint32_t top, std::uint32_t bottom, std::uint32_t rim) {
    Canvas canvas(20, 20, scale);
    canvas.Shadow(Circle(10, 10.8, 8.6), kSoftShadow, 1.6);
    canvas.Fill(Circle(10, 10, 8.6), VerticalGradient(top, bottom, 2, 18));
    canvas.Fill(Outline(Circle(10, 10, 8.6), 0.55), rim);
    canvas.Fill(Intersect(Circle(10, 10, 7.4), Circle(10, 3.6, 6.2)),
                VerticalGradient(Argb(120, 255, 255, 255), Argb(0, 255, 255, 255), 2, 9));
    return canvas;
}

PicturePtr DrawExit(double scale) {
    Canvas canvas =
        RoundButton(scale, Argb(255, 0xF2, 0x6D, 0x5B), Argb(255, 0xBE, 0x2E, 0x22), Argb(255, 0x86, 0x20, 0x18));
    canvas.Fill(Union(Segment(6.6, 6.6, 13.4, 13.4, 1.25), Segment(13.4, 6.6, 6.6, 13.4, 1.25)), kWhite);
    return canvas.Finish();
}

PicturePtr DrawHide(double scale) {
    Canvas canvas =
        RoundButton(scale, Argb(255, 0xFF, 0xD9, 0x6E), Argb(255, 0xE3, 0x9A, 0x1C), Argb(255, 0x9A, 0x63, 0x08));
    canvas.Fill(Segment(6.2, 10.5, 13.8, 10.5, 1.3), Argb(255, 0x5C, 0x3A, 0x00));
    return canvas.Finish();
}

PicturePtr DrawHelp(double scale) {
    Canvas canvas =
        RoundButton(scale, Argb(255, 0xDD, 0xF3, 0xFF), Argb(255, 0x86, 0xC4, 0xEE), Argb(255, 0x3E, 0x7F, 0xAE));
    const std::uint32_t ink = Argb(255, 0x0B, 0x4A, 0x78);
    canvas.Fill(Union(Arc(10, 7.9, 3.0, 1.15, 195, 445), Segment(10, 10.9, 10, 12.2, 1.15)), ink);
    canvas.Fill(Circle(10, 15.1, 1.3), ink);
    return canvas.Finish();
}

PicturePtr DrawLogo(double scale) {
    Canvas canvas(40, 40, scale);
    const double tilt = -8;
    const Shape sheet = Rotated(RoundedRect(8, 7, 33, 34, 2.5), 20, 20, tilt);
    const Shape fold = Rotated(ConvexPolygon({{33, 26}, {33, 34}, {25, 34}}), 20, 20, tilt);
    canvas.Shadow(Rotated(RoundedRect(9, 9, 34, 36, 2.5), 20, 20, tilt), Argb(120, 0, 0x1E, 0x33), 2.2);
    canvas.Fill(Subtract(sheet, fold),
                VerticalGradient(Argb(255, 0xFF, 0xF4, 0xB0), Argb(255, 0xFF, 0xD6, 0x55), 7, 34));
    canvas.Fill(Rotated(ConvexPolygon({{33, 26}, {25, 34}, {25, 26}}), 20, 20, tilt), Argb(255, 0xE0, 0xB0, 0x30));
    const std::uint32_t ink = Argb(255, 0x3E, 0x7C, 0xB4);
    for (double y : {16.5, 21.5, 26.5}) {
        canvas.Fill(Rotated(Segment(12.5, y, y > 25 ? 22 : 28.5, y, 0.9), 20, 20, tilt), ink);
    }
    canvas.Fill(Rotated(Circle(20.5, 9.5, 2.6), 20, 20, tilt), Argb(255, 0xD9, 0x3F, 0x30));
    canvas.Fill(Rotated(Circle(19.8, 8.8, 0.9), 20, 20, tilt), Argb(200, 255, 255, 255));
    return canvas.Finish();
}

PicturePtr DrawBrush(double scale) {
    Canvas canvas(36, 36, scale);
    // A pencil drawn lying to the right, then turned so that it writes towards the lower left.
    auto turned = [](const Shape& shape) { return Rotated(shape, 18, 18, 135); };
    canvas.Fill(Segment(4, 32.5, 15, 31, 0.8), Argb(200, 0xB0, 0xEF, 0xFF));
    canvas.Shadow(turned(RoundedRect(3, 15.5, 33, 22.5, 1.5)), Argb(90, 0, 0x1E, 0x33), 2);
    canvas.Fill(turned(RoundedRect(3, 14.5, 8, 21.5, 1.8)), Argb(255, 0xF2, 0x8B, 0x8B));
    canvas.Fill(turned(RoundedRect(7, 14.3, 10, 21.7, 0.4)),
                VerticalGradient(Argb(255, 0xE4, 0xE8, 0xEC), Argb(255, 0x95, 0x9D, 0xA6), 14, 22));
    canvas.Fill(turned(ConvexPolygon({{10, 14.5}, {26, 14.5}, {26, 21.5}, {10, 21.5}})), Argb(255, 0xF5, 0xC5, 0x3A));
    canvas.Fill(turned(ConvexPolygon({{10, 18}, {26, 18}, {26, 21.5}, {10, 21.5}})), Argb(255, 0xE0, 0xA4, 0x1E));
    canvas.Fill(turned(ConvexPolygon({{26, 14.5}, {33, 18}, {26, 21.5}})), Argb(255, 0xF3, 0xDC, 0xB8));
    canvas.Fill(turned(ConvexPolygon({{30.2, 16.6}, {33, 18}, {30.2, 19.4}})), Argb(255, 0x3A, 0x3A, 0x44));
    return canvas.Finish();
}

PicturePtr DrawToday(double scale) {
    Canvas canvas(111, 30, scale);
    const Shape pill = RoundedRect(0.5, 0.5, 110.5, 29.5, 7);
    canvas.Fill(pill, VerticalGradient(Argb(255, 0x33, 0x8F, 0xC9), Argb(255, 0x14, 0x5B, 0x88), 0, 30));
    canvas.Fill(Outline(pill, 0.5), Argb(140, 0xB0, 0xEF, 0xFF));
    // A calendar page with a red top band and two rings.
    const Shape page = RoundedRect(8, 6, 25, 24.5, 2);
    canvas.Shadow(RoundedRect(8.5, 7, 25.5, 25.5, 2), Argb(120, 0, 0x1E, 0x33), 1.5);
    canvas.Fill(page, kWhite);
    canvas.Fill(Intersect(page, RoundedRect(7, 5, 26, 11.5, 0)), Argb(255, 0xD9, 0x48, 0x3B));
    for (double x : {12.5, 20.5}) canvas.Fill(Segment(x, 4.2, x, 8, 1), Argb(255, 0x45, 0x4B, 0x55));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const double x = 11 + column * 4.5;
            const double y = 14 + row * 3.5;
            canvas.Fill(RoundedRect(x, y, x + 2.6, y + 2, 0.4),
                        row == 1 && column == 1 ? Argb(255, 0xD9, 0x48, 0x3B) : Argb(255, 0x9A, 0xA7, 0xB4));
        }
    }
    return canvas.Finish();
}

PicturePtr DrawMonthArrow(bool next, double scale) {
    Canvas canvas(15, 27, scale);
    const double tip = next ? 11 : 4;
    const double tail = next ? 4.5 : 10.5;
    auto chevron = [&](double dx, double dy) {
        return Union(Segment(tail + dx, 6.5 + dy, tip + dx, 13.5 + dy, 1.7),
                     Segment(tip + dx, 13.5 + dy, tail + dx, 20.5 + dy, 1.7));
    };
    canvas.Fill(chevron(0.8, 1.2), Argb(160, 0x00, 0x1E, 0x33));
    canvas.Fill(chevron(0, 0), kSky);
    return canvas.Finish();
}

PicturePtr DrawYearStep(bool plus, double scale) {
    Canvas canvas(43, 26, scale);
    const Shape body = RoundedRect(1, 1, 42, 24.5, 8);
    canvas.Shadow(RoundedRect(1.5, 2, 42.5, 25.5, 8), kSoftShadow, 1.5);
    canvas.Fill(body, VerticalGradient(Argb(255, 0x3A, 0x98, 0xD3), Argb(255, 0x17, 0x62, 0x92), 1, 25));
    canvas.Fill(Outline(body, 0.5), Argb(150, 0xB0, 0xEF, 0xFF));
    Shape glyph = Segment(15.5, 12.8, 27.5, 12.8, 1.6);
    if (plus) glyph = Union(glyph, Segment(21.5, 6.8, 21.5, 18.8, 1.6));
    canvas.Fill(glyph, kWhite);
    return canvas.Finish();
}

PicturePtr DrawReminderMarker(double scale) {
    Canvas canvas(15, 15, scale);
    const Shape badge = Circle(7.5, 7.5, 6.8);
    canvas.Fill(badge, VerticalGradient(Argb(255, 0xFF, 0xE8, 0x6A), Argb(255, 0xF2, 0xB2, 0x00), 1, 14));
    canvas.Fill(Outline(badge, 0.5), Argb(255, 0xB8, 0x80, 0x00));
    const std::uint32_t red = Argb(255, 0xD0, 0x10, 0x1E);
    canvas.Fill(Segment(7.5, 3.7, 7.5, 8.3, 1.25), red);
    canvas.Fill(Circle(7.5, 11.2, 1.3), red);
    return canvas.Finish();
}

PicturePtr DrawMonthTitle(double scale) {
    Canvas canvas(80, 16, scale);
    const Shape band = RoundedRect(0.5, 0.5, 79.5, 15.5, 5);
    canvas.Fill(band, VerticalGradient(Argb(255, 0x3B, 0x94, 0xCB), Argb(255, 0x1A, 0x66, 0x98), 0, 16));
    canvas.Fill(Intersect(band, RoundedRect(0, 0, 80, 6, 0)), Argb(40, 255, 255, 255));
    return canvas.Finish();
}

PicturePtr DrawYearCard(double scale) {
    Canvas canvas(kYearCardWidth, kYearCardHeight, scale);
    const double w = kYearCardWidth;
    const double h = kYearCardHeight;
    canvas.Shadow(RoundedRect(2, 3, w - 1, h - 0.5, 8), Argb(120, 0, 0x1E, 0x33), 3);
    const Shape card = RoundedRect(1, 1, w - 2, h - 3, 8);
    canvas.Fill(card, VerticalGradient(Argb(255, 0xFB, 0xFD, 0xFF), Argb(255, 0xEC, 0xF4, 0xFA), 0, h));
    canvas.Fill(Outline(card, 0.5), Argb(255, 0x9E, 0xC4, 0xDE));
    return canvas.Finish();
}

PicturePtr DrawMonthBack(double scale) {
    return DrawMonthArrow(false, scale);
}

PicturePtr DrawMonthNext(double scale) {
    return DrawMonthArrow(true, scale);
}

PicturePtr DrawYearMinus(double scale) {
    return DrawYearStep(false, scale);
}

PicturePtr DrawYearPlus(double scale) {
    return DrawYearStep(true, scale);
}

}  // namespace

PicturePtr ExitPicture(double scale) {
    return DrawnOnce<DrawExit>(scale);
}

PicturePtr HidePicture(double scale) {
    return DrawnOnce<DrawHide>(scale);
}

PicturePtr HelpPicture(double scale) {
    return DrawnOnce<DrawHelp>(scale);
}

PicturePtr LogoPicture(double scale) {
    return DrawnOnce<DrawLogo>(scale);
}

PicturePtr BrushPicture(double scale) {
    return DrawnOnce<DrawBrush>(scale);
}

PicturePtr TodayPicture(double scale) {
    return DrawnOnce<DrawToday>(scale);
}

PicturePtr MonthArrowPicture(bool next, double scale) {
    return next ? DrawnOnce<DrawMonthNext>(scale) : DrawnOnce<DrawMonthBack>(scale);
}

PicturePtr YearStepPicture(bool plus, double scale) {
    return plus ? DrawnOnce<DrawYearPlus>(scale) : DrawnOnce<DrawYearMinus>(scale);
}

PicturePtr ReminderMarkerPicture(double scale) {
    return DrawnOnce<DrawReminderMarker>(scale);
}

PicturePtr MonthTitlePicture(double scale) {
    return DrawnOnce<DrawMonthTitle>(scale);
}

PicturePtr YearCardPicture(double scale) {
    return DrawnOnce<DrawYearCard>(scale);
}

}  // namespace app::art

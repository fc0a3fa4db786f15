// The tray icon's two pictures: a small sticky note with a pin; on a day with something noted,
// the note carries written lines and a red badge.

#include "app/artwork_canvas.h"
#include "app/tray_icon.h"

namespace app {

namespace {

using art::Argb;
using art::Circle;
using art::ConvexPolygon;

std::shared_ptr<const platform::Picture> StickyNote(bool noted) {
    art::Canvas canvas(16, 16);
    // Soft shadow, then the paper with its folded lower-right corner.
    canvas.Fill(ConvexPolygon({{2.5, 2.5}, {15.5, 2.5}, {15.5, 11.5}, {11.5, 15.5}, {2.5, 15.5}}),
                Argb(70, 0x00, 0x00, 0x00));
    canvas.Fill(ConvexPolygon({{1.0, 1.5}, {14.5, 1.5}, {14.5, 10.5}, {10.5, 14.5}, {1.0, 14.5}}),
                Argb(255, 0x8A, 0x6D, 0x1E));
    canvas.Fill(ConvexPolygon({{2.0, 2.5}, {13.5, 2.5}, {13.5, 10.1}, {10.1, 13.5}, {2.0, 13.5}}),
                Argb(255, 0xF6, 0xD9, 0x6B));
    canvas.Fill(ConvexPolygon({{13.5, 10.1}, {13.5, 11.5}, {11.5, 13.5}, {10.1, 13.5}}), Argb(255, 0xD9, 0xB4, 0x43));
    if (noted) {
        for (int line = 0; line < 3; ++line) {
            const double top = 6 + 3 * line;
            canvas.Fill(art::RoundedRect(4, top, line == 2 ? 9 : 12, top + 1, 0), Argb(220, 0x7A, 0x5F, 0x17));
        }
        // Red badge: something is noted for today.
        canvas.Fill(Circle(12.0, 4.0, 3.6), Argb(255, 0xFF, 0xFF, 0xFF));
        canvas.Fill(Circle(12.0, 4.0, 2.8), Argb(255, 0xD8, 0x32, 0x1E));
    } else {
        canvas.Fill(Circle(8.0, 4.0, 1.9), Argb(255, 0xC9, 0x40, 0x1F));
        canvas.Fill(Circle(7.5, 3.5, 0.7), Argb(170, 0xFF, 0xFF, 0xFF));
    }
    return canvas.Finish();
}

}  // namespace

std::shared_ptr<const platform::Picture> NotifyICO(int index) {
    static const auto ordinary = StickyNote(false);
    static const auto noted = StickyNote(true);
    return index == 1 ? noted : ordinary;
}

}  // namespace app

// The tray icon's two pictures: a small sticky note with a pin; on a day with something noted,
// the note carries written lines and a red badge.

#include "app/tray_icon.h"
#include "notes/artwork_painter.h"

namespace app {

namespace {

using artwork::Hex;
using platform::Picture;

Picture StickyNote(bool noted) {
    Picture picture(16, 16);
    const auto paper = Hex(0xF6D96B);
    const auto paperShade = Hex(0xD9B443);
    const auto outline = Hex(0x8A6D1E);
    // Soft shadow, then the paper with its folded lower-right corner.
    artwork::FillShape(picture, Hex(0x000000, 70), [](double x, double y) {
        return x >= 2.5 && y >= 2.5 && x <= 15.5 && y <= 15.5 && x + y <= 27.0;
    });
    artwork::FillShape(picture, outline, [](double x, double y) {
        return x >= 1.0 && y >= 1.5 && x <= 14.5 && y <= 14.5 && x + y <= 25.0;
    });
    artwork::FillShape(picture, paper, [](double x, double y) {
        return x >= 2.0 && y >= 2.5 && x <= 13.5 && y <= 13.5 && x + y <= 23.6;
    });
    artwork::FillShape(picture, paperShade, [](double x, double y) {
        return x <= 13.5 && y <= 13.5 && x + y >= 23.6 && x + y <= 25.0 && x >= 10.0 && y >= 10.0;
    });
    if (noted) {
        for (int line = 0; line < 3; ++line) {
            const int width = line == 2 ? 5 : 8;
            artwork::FillRect(picture, 4, 6 + line * 2 + line, width, 1, Hex(0x7A5F17, 220));
        }
        // Red badge: something is noted for today.
        artwork::FillCircle(picture, 12.0, 4.0, 3.6, Hex(0xFFFFFF));
        artwork::FillCircle(picture, 12.0, 4.0, 2.8, Hex(0xD8321E));
    } else {
        artwork::FillCircle(picture, 8.0, 4.0, 1.9, Hex(0xC9401F));
        artwork::FillCircle(picture, 7.5, 3.5, 0.7, Hex(0xFFFFFF, 170));
    }
    return picture;
}

}  // namespace

std::shared_ptr<const Picture> NotifyICO(int index) {
    static const auto ordinary = std::make_shared<const Picture>(StickyNote(false));
    static const auto noted = std::make_shared<const Picture>(StickyNote(true));
    return index == 1 ? noted : ordinary;
}

}  // namespace app

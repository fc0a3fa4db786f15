#include "restore/restore_artwork.h"

#include "app/artwork_canvas.h"

namespace restore::art {

namespace {

using namespace app::art;

PicturePtr DrawRestoreButton(double scale) {
    constexpr double kSize = kRestoreButtonSize;
    Canvas canvas(kRestoreButtonSize, kRestoreButtonSize, scale);
    // The Alarms button's pill and colours, so that the two read as a pair.
    const Shape pill = RoundedRect(0.5, 0.5, kSize - 0.5, kSize - 0.5, 7);
    canvas.Fill(pill, VerticalGradient(Argb(255, 0x33, 0x8F, 0xC9), Argb(255, 0x14, 0x5B, 0x88), 0, kSize));
    canvas.Fill(Outline(pill, 0.5), Argb(140, 0xB0, 0xEF, 0xFF));
    // An arrow going round and back: most of a ring, its head at the top right.
    const Shape arrow =
        Union(Arc(15, 15.5, 7.5, 1.5, 20, 300), ConvexPolygon({{19.2, 4.6}, {22.6, 10.9}, {15.6, 11.2}}));
    canvas.Shadow(arrow, Argb(110, 0x00, 0x1E, 0x33), 1.5);
    canvas.Fill(arrow, VerticalGradient(Argb(255, 0xFF, 0xE8, 0x6A), Argb(255, 0xE3, 0x9A, 0x1C), 6, 24));
    canvas.Fill(Outline(arrow, 0.4), Argb(255, 0x9A, 0x63, 0x08));
    return canvas.Finish();
}

PicturePtr DrawAction(double scale) {
    Canvas canvas(kActionWidth, kActionHeight, scale);
    const Shape pill = RoundedRect(0.5, 0.5, kActionWidth - 0.5, kActionHeight - 0.5, 7);
    canvas.Fill(pill, VerticalGradient(Argb(255, 0x33, 0x8F, 0xC9), Argb(255, 0x14, 0x5B, 0x88), 0, kActionHeight));
    canvas.Fill(Outline(pill, 0.5), Argb(140, 0xB0, 0xEF, 0xFF));
    return canvas.Finish();
}

}  // namespace

PicturePtr ActionPicture(double scale) {
    return DrawnOnce<DrawAction>(scale);
}

PicturePtr RestoreButtonPicture(double scale) {
    return DrawnOnce<DrawRestoreButton>(scale);
}

}  // namespace restore::art

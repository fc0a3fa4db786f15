// The frame of a note: a light parchment title strip with soft shading, slim bevelled edges
// that frame the note's own colour, and a dotted grip. Drawn once; every note shares them.
#include "notes/note_artwork.h"

#include "notes/artwork_painter.h"

namespace notes {

namespace {

using artwork::Hex;
using artwork::Mix;
using artwork::Rgba;
using platform::Picture;

const Rgba kStripTop = Hex(0xF7F4EA);
const Rgba kStripBottom = Hex(0xDCD5C0);
const Rgba kStripHighlight = Hex(0xFFFFFF);
const Rgba kStripShadow = Hex(0xA79F87);
const Rgba kEdgeOuter = Hex(0x8E866F);
const Rgba kEdgeMiddle = Hex(0xCBC3AC);
const Rgba kEdgeInner = Hex(0xE9E3D2);
const Rgba kGlyph = Hex(0x6A6352);
const Rgba kCloseGlyph = Hex(0x9C3B2B);
const Rgba kPinHead = Hex(0xE0592A);

constexpr int kStripHeight = 16;

// The title strip's shading, row by row, so buttons and strip join without a seam.
void PaintStrip(Picture& picture) {
    for (int y = 0; y < picture.height; ++y) {
        Rgba row = Mix(kStripTop, kStripBottom, static_cast<double>(y) / (kStripHeight - 1));
        if (y == 0) row = kStripHighlight;
        if (y == picture.height - 1) row = kStripShadow;
        artwork::FillRect(picture, 0, y, picture.width, 1, row);
    }
}

std::shared_ptr<const Picture> Share(Picture picture) {
    return std::make_shared<const Picture>(std::move(picture));
}

Picture TitleStrip() {
    Picture picture(140, kStripHeight);
    PaintStrip(picture);
    // A faint ridge along the middle, like the fold of a paper tab.
    for (int x = 4; x < picture.width - 4; x += 3) {
        artwork::Blend(picture, x, 7, Hex(0xBEB69E), 0.55);
        artwork::Blend(picture, x, 8, kStripHighlight, 0.6);
    }
    return picture;
}

Picture MiniButton() {
    Picture picture(14, kStripHeight);
    PaintStrip(picture);
    artwork::FillRect(picture, 0, 1, 1, kStripHeight - 2, Hex(0xC9C1AA));  // outer edge of the strip
    // A push pin: round head, short needle.
    artwork::StrokeLine(picture, 7.0, 8.5, 9.5, 12.5, 1.2, kGlyph);
    artwork::FillCircle(picture, 6.5, 6.5, 3.2, kGlyph);
    artwork::FillCircle(picture, 5.8, 5.7, 1.1, Hex(0xFFFFFF, 150));
    return picture;
}

Picture CloseButton() {
    Picture picture(14, kStripHeight);
    PaintStrip(picture);
    artwork::FillRect(picture, 13, 1, 1, kStripHeight - 2, Hex(0xC9C1AA));
    artwork::StrokeLine(picture, 4.0, 5.0, 10.0, 11.0, 1.7, kCloseGlyph);
    artwork::StrokeLine(picture, 10.0, 5.0, 4.0, 11.0, 1.7, kCloseGlyph);
    return picture;
}

Picture TopMarker() {
    Picture picture(5, 6);
    artwork::FillCircle(picture, 2.5, 2.5, 2.4, kPinHead);
    artwork::FillRect(picture, 2, 5, 1, 1, kGlyph);
    artwork::Blend(picture, 1, 1, Hex(0xFFFFFF), 0.7);
    return picture;
}

// An edge whose columns (or rows) run from `shades[0]` to the last, outside to inside.
Picture Edge(int width, int height, std::initializer_list<Rgba> shades, bool vertical, bool reversed) {
    Picture picture(width, height);
    const int count = static_cast<int>(shades.size());
    for (int i = 0; i < count; ++i) {
        const Rgba shade = *(shades.begin() + (reversed ? count - 1 - i : i));
        if (vertical) {
            artwork::FillRect(picture, i, 0, 1, height, shade);
        } else {
            artwork::FillRect(picture, 0, i, width, 1, shade);
        }
    }
    return picture;
}

Picture Grip() {
    Picture picture(10, 10);
    // Three rows of dots along the diagonal, each with a light fleck below it.
    for (int row = 0; row < 3; ++row) {
        for (int k = 0; k <= row; ++k) {
            const double x = 8.0 - 3.0 * (row - k);
            const double y = 8.0 - 3.0 * k;
            artwork::FillCircle(picture, x + 0.6, y + 0.6, 0.9, Hex(0xFFFFFF, 170));
            artwork::FillCircle(picture, x, y, 0.9, kEdgeOuter);
        }
    }
    return picture;
}

}  // namespace

PicturePtr TitleStripPicture() {
    static const PicturePtr picture = Share(TitleStrip());
    return picture;
}

PicturePtr MiniButtonPicture() {
    static const PicturePtr picture = Share(MiniButton());
    return picture;
}

PicturePtr CloseButtonPicture() {
    static const PicturePtr picture = Share(CloseButton());
    return picture;
}

PicturePtr TopMarkerPicture() {
    static const PicturePtr picture = Share(TopMarker());
    return picture;
}

PicturePtr BorderLeftPicture() {
    static const PicturePtr picture =
        Share(Edge(4, 108, {kEdgeOuter, kEdgeMiddle, kEdgeInner, kEdgeMiddle}, true, false));
    return picture;
}

PicturePtr BorderRightPicture() {
    static const PicturePtr picture = Share(Edge(3, 108, {kEdgeOuter, kEdgeMiddle, kEdgeInner}, true, true));
    return picture;
}

PicturePtr BorderBottomPicture() {
    static const PicturePtr picture = Share(Edge(166, 3, {kEdgeOuter, kEdgeMiddle, kEdgeInner}, false, true));
    return picture;
}

PicturePtr GripPicture() {
    static const PicturePtr picture = Share(Grip());
    return picture;
}

}  // namespace notes

// The frame of a note: a light parchment title strip with soft shading, slim bevelled edges
// that frame the note's own colour, and a dotted grip. Drawn once; every note shares them.
#include "notes/note_artwork.h"

#include "app/artwork_canvas.h"

namespace notes {

namespace {

using app::art::Argb;
using app::art::Canvas;
using app::art::Circle;
using app::art::RoundedRect;
using app::art::Segment;

constexpr std::uint32_t kStripTop = Argb(255, 0xF7, 0xF4, 0xEA);
constexpr std::uint32_t kStripBottom = Argb(255, 0xDC, 0xD5, 0xC0);
constexpr std::uint32_t kStripHighlight = Argb(255, 0xFF, 0xFF, 0xFF);
constexpr std::uint32_t kStripShadow = Argb(255, 0xA7, 0x9F, 0x87);
constexpr std::uint32_t kStripEdge = Argb(255, 0xC9, 0xC1, 0xAA);
constexpr std::uint32_t kEdgeOuter = Argb(255, 0x8E, 0x86, 0x6F);
constexpr std::uint32_t kEdgeMiddle = Argb(255, 0xCB, 0xC3, 0xAC);
constexpr std::uint32_t kEdgeInner = Argb(255, 0xE9, 0xE3, 0xD2);
constexpr std::uint32_t kGlyph = Argb(255, 0x6A, 0x63, 0x52);
constexpr std::uint32_t kCloseGlyph = Argb(255, 0x9C, 0x3B, 0x2B);
constexpr std::uint32_t kPinHead = Argb(255, 0xE0, 0x59, 0x2A);

constexpr int kStripHeight = 16;

// Whole pixels from (x, y), w wide and h high: the edges fall between pixels, so nothing blurs.
app::art::Shape Block(int x, int y, int w, int h) {
    return RoundedRect(x, y, x + w, y + h, 0);
}

// The title strip's shading, one shade per row, so buttons and strip join without a seam.
void PaintStrip(Canvas& canvas) {
    const int width = canvas.picture().width;
    canvas.Fill(Block(0, 0, width, kStripHeight),
                app::art::VerticalGradient(kStripTop, kStripBottom, 0.5, kStripHeight - 0.5));
    canvas.Fill(Block(0, 0, width, 1), kStripHighlight);
    canvas.Fill(Block(0, kStripHeight - 1, width, 1), kStripShadow);
}

PicturePtr TitleStrip() {
    Canvas canvas(140, kStripHeight);
    PaintStrip(canvas);
    // A faint ridge along the middle, like the fold of a paper tab.
    for (int x = 4; x < 140 - 4; x += 3) {
        canvas.Fill(Block(x, 7, 1, 1), Argb(140, 0xBE, 0xB6, 0x9E));
        canvas.Fill(Block(x, 8, 1, 1), Argb(153, 0xFF, 0xFF, 0xFF));
    }
    return canvas.Finish();
}

PicturePtr MiniButton() {
    Canvas canvas(14, kStripHeight);
    PaintStrip(canvas);
    canvas.Fill(Block(0, 1, 1, kStripHeight - 2), kStripEdge);  // outer edge of the strip
    // A push pin: round head, short needle.
    canvas.Fill(Segment(7.0, 8.5, 9.5, 12.5, 0.6), kGlyph);
    canvas.Fill(Circle(6.5, 6.5, 3.2), kGlyph);
    canvas.Fill(Circle(5.8, 5.7, 1.1), Argb(150, 0xFF, 0xFF, 0xFF));
    return canvas.Finish();
}

PicturePtr CloseButton() {
    Canvas canvas(14, kStripHeight);
    PaintStrip(canvas);
    canvas.Fill(Block(13, 1, 1, kStripHeight - 2), kStripEdge);
    canvas.Fill(Segment(4.0, 5.0, 10.0, 11.0, 0.85), kCloseGlyph);
    canvas.Fill(Segment(10.0, 5.0, 4.0, 11.0, 0.85), kCloseGlyph);
    return canvas.Finish();
}

PicturePtr TopMarker() {
    Canvas canvas(5, 6);
    canvas.Fill(Circle(2.5, 2.5, 2.4), kPinHead);
    canvas.Fill(Block(2, 5, 1, 1), kGlyph);
    canvas.Fill(Block(1, 1, 1, 1), Argb(179, 0xFF, 0xFF, 0xFF));
    return canvas.Finish();
}

// An edge whose columns (or rows) run from `shades[0]` to the last, outside to inside.
PicturePtr Edge(int width, int height, std::initializer_list<std::uint32_t> shades, bool vertical, bool reversed) {
    Canvas canvas(width, height);
    const int count = static_cast<int>(shades.size());
    for (int i = 0; i < count; ++i) {
        const std::uint32_t shade = *(shades.begin() + (reversed ? count - 1 - i : i));
        canvas.Fill(vertical ? Block(i, 0, 1, height) : Block(0, i, width, 1), shade);
    }
    return canvas.Finish();
}

PicturePtr Grip() {
    Canvas canvas(10, 10);
    // Three rows of dots along the diagonal, each with a light fleck below it.
    for (int row = 0; row < 3; ++row) {
        for (int k = 0; k <= row; ++k) {
            const double x = 8.0 - 3.0 * (row - k);
            const double y = 8.0 - 3.0 * k;
            canvas.Fill(Circle(x + 0.6, y + 0.6, 0.9), Argb(170, 0xFF, 0xFF, 0xFF));
            canvas.Fill(Circle(x, y, 0.9), kEdgeOuter);
        }
    }
    return canvas.Finish();
}

}  // namespace

PicturePtr TitleStripPicture() {
    static const PicturePtr picture = TitleStrip();
    return picture;
}

PicturePtr MiniButtonPicture() {
    static const PicturePtr picture = MiniButton();
    return picture;
}

PicturePtr CloseButtonPicture() {
    static const PicturePtr picture = CloseButton();
    return picture;
}

PicturePtr TopMarkerPicture() {
    static const PicturePtr picture = TopMarker();
    return picture;
}

PicturePtr BorderLeftPicture() {
    static const PicturePtr picture = Edge(4, 108, {kEdgeOuter, kEdgeMiddle, kEdgeInner, kEdgeMiddle}, true, false);
    return picture;
}

PicturePtr BorderRightPicture() {
    static const PicturePtr picture = Edge(3, 108, {kEdgeOuter, kEdgeMiddle, kEdgeInner}, true, true);
    return picture;
}

PicturePtr BorderBottomPicture() {
    static const PicturePtr picture = Edge(166, 3, {kEdgeOuter, kEdgeMiddle, kEdgeInner}, false, true);
    return picture;
}

PicturePtr GripPicture() {
    static const PicturePtr picture = Grip();
    return picture;
}

}  // namespace notes

#include "app/hand_cursor.h"

#include "app/artwork_canvas.h"

namespace app {

namespace {

constexpr std::uint32_t kSkin = art::Argb(255, 255, 255, 255);
constexpr std::uint32_t kInk = art::Argb(255, 0, 0, 0);
constexpr std::uint32_t kShadow = art::Argb(90, 0, 0, 0);

// The hand in pixels of the 32-pixel cursor; the index finger's tip is the hot spot.
art::Shape Hand() {
    const double fingerX = kHandCursorHotSpot.x + 0.5;
    art::Shape hand = art::Segment(fingerX, 3.7, fingerX, 16, 2.3);
    // The three folded fingers, each a knuckle a little lower than the one before.
    hand = art::Union(hand, art::Segment(15.5, 12.2, 15.5, 17, 2.1));
    hand = art::Union(hand, art::Segment(19.6, 13.2, 19.6, 18, 2.1));
    hand = art::Union(hand, art::Segment(23.5, 14.6, 23.5, 19, 1.9));
    hand = art::Union(hand, art::RoundedRect(9.2, 15, 25.4, 27.5, 3.6));
    // The thumb, bent in towards the palm.
    hand = art::Union(hand, art::Segment(5.4, 16.8, 10.5, 22.5, 2.1));
    return hand;
}

}  // namespace

platform::Picture HandCursor() {
    art::Canvas canvas(kHandCursorSize, kHandCursorSize);
    const art::Shape hand = Hand();
    canvas.Shadow([&hand](double x, double y) { return hand(x - 1.2, y - 1.2); }, kShadow, 1.2);
    canvas.Fill(hand, kSkin);
    canvas.Fill(art::Outline(hand, 0.6), kInk);
    // Creases between the folded fingers.
    for (double x : {17.55, 21.55}) canvas.Fill(art::Segment(x, 14.5, x, 17.8, 0.45), kInk);
    return canvas.picture();
}

}  // namespace app

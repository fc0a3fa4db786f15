#include "app/window_look.h"

#include <cmath>

namespace app {

namespace {

int Rounded(double value) {
    return static_cast<int>(std::lround(value));
}

}  // namespace

TwipsLayout::TwipsLayout(const platform::ScreenInfo& screen, int widthTwips, int heightTwips)
    : widthTwips_(widthTwips),
      heightTwips_(heightTwips),
      twipsPerPixelX_(screen.twipsPerPixelX),
      twipsPerPixelY_(screen.twipsPerPixelY),
      scaleX_(kTwipsPerPixelAt96 / screen.twipsPerPixelX),
      scaleY_(kTwipsPerPixelAt96 / screen.twipsPerPixelY) {}

// Each number is scaled on its own, so that an element's size is the size its picture is drawn
// at, whatever its place.
platform::Rect TwipsLayout::Place(const platform::Rect& at96) const {
    return {X(at96.x), Y(at96.y), X(at96.w), Y(at96.h)};
}

int TwipsLayout::X(int at96) const {
    return Rounded(at96 * scaleX_);
}

int TwipsLayout::Y(int at96) const {
    return Rounded(at96 * scaleY_);
}

void TwipsLayout::PlaceLine(platform::Control& line, int x1, int y1, int x2, int y2) const {
    line.setLine(X(x1), Y(y1), X(x2), Y(y2));
}

void TwipsLayout::SizeWindow(platform::Form& form) const {
    const auto at = form.bounds();
    form.setBounds({at.x, at.y, Rounded(widthTwips_ / twipsPerPixelX_), Rounded(heightTwips_ / twipsPerPixelY_)});
}

void PlaceOnScreen(platform::Form& form, const platform::ScreenInfo& screen) {
    const auto bounds = form.bounds();
    form.move(Rounded((screen.width - bounds.w) / 2.0), Rounded((screen.height - bounds.h) / 2.7));
}

}  // namespace app

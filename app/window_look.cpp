#include "app/window_look.h"

#include <cmath>
#include <utility>

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

// Rounding a size on its own would let a row end a pixel lower or start a pixel higher than its
// place says: at 1.25 two boxes one pixel apart at 96 DPI would meet every fourth row.
platform::Rect TwipsLayout::Place(const platform::Rect& at96) const {
    const int left = X(at96.x);
    const int top = Y(at96.y);
    return {left, top, X(at96.x + at96.w) - left, Y(at96.y + at96.h) - top};
}

platform::Rect TwipsLayout::PlacePicture(const platform::Rect& at96) const {
    return {X(at96.x), Y(at96.y), X(at96.w), Y(at96.h)};
}

platform::Rect TwipsLayout::PlaceElement(platform::ControlKind kind, const platform::Rect& at96) const {
    return kind == platform::ControlKind::Image ? PlacePicture(at96) : Place(at96);
}

int TwipsLayout::X(int at96) const {
    return Rounded(at96 * scaleX_);
}

int TwipsLayout::Y(int at96) const {
    return Rounded(at96 * scaleY_);
}

platform::Control& TwipsLayout::Add(platform::Form& form, platform::ControlKind kind, const std::string& name,
                                    int index, const platform::Rect& at96) {
    platform::Control& element = form.add(kind, name, index, PlaceElement(kind, at96));
    kept_[&element] = Kept{at96};
    return element;
}

void TwipsLayout::PlaceLine(platform::Control& line, int x1, int y1, int x2, int y2) {
    const Kept kept{{x1, y1, x2, y2}, true};
    PlaceAgain(line, kept);
    kept_[&line] = kept;
}

void TwipsLayout::PlaceAgain(platform::Control& element, const Kept& kept) const {
    const platform::Rect& at = kept.at96;
    if (kept.line) {
        element.setLine(X(at.x), Y(at.y), X(at.w), Y(at.h));
    } else {
        element.setRect(PlaceElement(element.kind(), at));
    }
}

void TwipsLayout::Draw(platform::Control& element, Drawing draw) {
    DrawAtScale(element, draw);
    drawings_[&element] = std::move(draw);
}

void TwipsLayout::DrawAtScale(platform::Control& element, const Drawing& draw) const {
    element.setPictureDrawnLater([draw, scale = pictureScale()] { return draw(scale); });
}

void TwipsLayout::SizeWindow(platform::Form& form) const {
    const auto at = form.bounds();
    form.setBounds({at.x, at.y, Rounded(widthTwips_ / twipsPerPixelX_), Rounded(heightTwips_ / twipsPerPixelY_)});
}

void TwipsLayout::SetDpi(int dpi) {
    twipsPerPixelX_ = twipsPerPixelY_ = 1440.0 / dpi;
    scaleX_ = scaleY_ = static_cast<double>(dpi) / platform::Form::kDefaultDpi;
}

// The system's suggested bounds are kept as they come: Windows chose them so that the window does
// not bounce between two monitors, and they differ from the twips' size by a pixel at most.
void TwipsLayout::FollowDpi(platform::Form& form, std::function<void()> afterwards) {
    SetDpi(form.dpi());
    SizeWindow(form);
    form.onDpiChanged = [this, &form, afterwards = std::move(afterwards)] {
        SetDpi(form.dpi());
        for (const auto& [element, kept] : kept_) PlaceAgain(*element, kept);
        for (const auto& [element, draw] : drawings_) DrawAtScale(*element, draw);
        if (afterwards) afterwards();
    };
}

void PlaceOnScreen(platform::Form& form, const platform::ScreenInfo& screen) {
    const auto bounds = form.bounds();
    form.move(Rounded((screen.width - bounds.w) / 2.0), Rounded((screen.height - bounds.h) / 2.7));
}

}  // namespace app

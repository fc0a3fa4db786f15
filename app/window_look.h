// The look and placement that the program's own windows share with the main window, so that the
// alarm dialog and the message window read as parts of it.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/form.h"
#include "platform/platform.h"

namespace app {

inline constexpr platform::ColorRef kWindowBlue = platform::rgb(0x00, 0x60, 0x90);
inline constexpr platform::ColorRef kSkyText = platform::rgb(0xB0, 0xEF, 0xFF);

inline platform::Font TitleFont(double size) {
    return {"Tahoma", size, true, 0};
}

// The layout of a window whose size is given in twips. Its elements are written in pixels as they
// are at 15 twips per pixel (96 DPI) and placed through here, which scales them by the twips per
// pixel of the window's monitor: the window and every element grow together at any DPI, as the
// fonts do by keeping their point sizes, so nothing is clipped and nothing hidden below the window
// shows. The program's pictures are drawn at `pictureScale()`, at the size their elements have on
// screen.
//
// The layout keeps what was added through it (`Add`, `PlaceLine`, `Draw`), so that a window that
// follows its monitor's DPI (`FollowDpi`) is laid out again, pictures drawn again, when it reaches
// a monitor of another DPI.
class TwipsLayout {
public:
    using Drawing = std::function<std::shared_ptr<const platform::Picture>(double scale)>;

    TwipsLayout(const platform::ScreenInfo& screen, int widthTwips, int heightTwips);
    // It keeps pointers to the elements and is kept by the form's handler.
    TwipsLayout(const TwipsLayout&) = delete;
    TwipsLayout& operator=(const TwipsLayout&) = delete;

    // The client area in pixels at 96 DPI, the unit elements are written in.
    int width() const { return widthTwips_ / kTwipsPerPixelAt96; }
    int height() const { return heightTwips_ / kTwipsPerPixelAt96; }

    // Screen pixels of a rectangle written at 96 DPI: each edge is scaled and rounded on its own,
    // so that two elements apart at 96 DPI stay apart at any larger scale (rows keep the line
    // between them) and two that meet still meet.
    platform::Rect Place(const platform::Rect& at96) const;
    // A picture's element: its place as `Place` has it, its size scaled on its own, the size its
    // picture is drawn at.
    platform::Rect PlacePicture(const platform::Rect& at96) const;
    double pictureScale() const { return scaleY_; }

    // Adds an element written at 96 DPI, placed as `PlacePicture` (images) or `Place` (the rest).
    platform::Control& Add(platform::Form& form, platform::ControlKind kind, const std::string& name, int index,
                           const platform::Rect& at96);
    platform::Control& Add(platform::Form& form, platform::ControlKind kind, const std::string& name,
                           const platform::Rect& at96) {
        return Add(form, kind, name, 0, at96);
    }
    // Sets a line's ends, written at 96 DPI.
    void PlaceLine(platform::Control& line, int x1, int y1, int x2, int y2);
    // Gives the element the picture `draw` makes at the layout's scale, drawn when first needed.
    void Draw(platform::Control& element, Drawing draw);

    // Lays the form out at its monitor's DPI from now on: the form is sized for it now, and at each
    // change of DPI every element is placed and every picture drawn again, then `afterwards` runs
    // (for what the window places from its elements' pixels).
    void FollowDpi(platform::Form& form, std::function<void()> afterwards = {});

    static constexpr int kTwipsPerPixelAt96 = 15;

private:
    struct Kept {
        platform::Rect at96;
        bool line = false;  // at96 holds the ends x1, y1, x2, y2
    };

    // The window's client area in the screen's pixels; its place stays.
    void SizeWindow(platform::Form& form) const;
    void SetDpi(int dpi);
    platform::Rect PlaceElement(platform::ControlKind kind, const platform::Rect& at96) const;
    void PlaceAgain(platform::Control& element, const Kept& kept) const;
    void DrawAtScale(platform::Control& element, const Drawing& draw) const;
    int X(int at96) const;
    int Y(int at96) const;

    int widthTwips_;
    int heightTwips_;
    double twipsPerPixelX_;
    double twipsPerPixelY_;
    double scaleX_;
    double scaleY_;
    std::map<platform::Control*, Kept> kept_;
    std::map<platform::Control*, Drawing> drawings_;
};

// Centred across and a little above the middle, even when that puts it partly off screen.
void PlaceOnScreen(platform::Form& form, const platform::ScreenInfo& screen);

}  // namespace app

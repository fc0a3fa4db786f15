// The look and placement that the program's own windows share with the main window, so that the
// alarm dialog and the message window read as parts of it.
#pragma once

#include "platform/form.h"
#include "platform/platform.h"

namespace app {

inline constexpr platform::ColorRef kWindowBlue = platform::rgb(0x00, 0x60, 0x90);
inline constexpr platform::ColorRef kSkyText = platform::rgb(0xB0, 0xEF, 0xFF);

inline platform::Font TitleFont(double size) {
    return {"Tahoma", size, true, 0};
}

// The layout of a window whose size is given in twips. Its elements are written in pixels as they
// are at 15 twips per pixel (96 DPI) and placed through here, which scales them by the screen's
// twips per pixel: the window and every element grow together at any DPI, as the fonts do by
// keeping their point sizes, so nothing is clipped and nothing hidden below the window shows. The
// program's pictures are drawn at `pictureScale()`, at the size their elements have on screen.
class TwipsLayout {
public:
    TwipsLayout(const platform::ScreenInfo& screen, int widthTwips, int heightTwips);

    // The client area in pixels at 96 DPI, the unit elements are written in.
    int width() const { return widthTwips_ / kTwipsPerPixelAt96; }
    int height() const { return heightTwips_ / kTwipsPerPixelAt96; }

    // Screen pixels of a rectangle written at 96 DPI.
    platform::Rect Place(const platform::Rect& at96) const;
    double pictureScale() const { return scaleY_; }
    // Sets a line's ends, written at 96 DPI.
    void PlaceLine(platform::Control& line, int x1, int y1, int x2, int y2) const;

    // The window's client area in the screen's pixels; its place stays.
    void SizeWindow(platform::Form& form) const;

    static constexpr int kTwipsPerPixelAt96 = 15;

private:
    int X(int at96) const;
    int Y(int at96) const;

    int widthTwips_;
    int heightTwips_;
    double twipsPerPixelX_;
    double twipsPerPixelY_;
    double scaleX_;
    double scaleY_;
};

// Centred across and a little above the middle, even when that puts it partly off screen.
void PlaceOnScreen(platform::Form& form, const platform::ScreenInfo& screen);

}  // namespace app

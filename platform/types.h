// Plain value types shared by the platform layer and the program.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// A Windows colour value: red in the low byte, then green, then blue (0x00BBGGRR).
using ColorRef = std::uint32_t;

constexpr ColorRef rgb(int r, int g, int b) {
    return static_cast<ColorRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// Pixels. For controls: the owning form's client area; for forms: the screen.
struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    bool operator==(const Rect&) const = default;
    bool contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
};

struct Font {
    std::string name = "MS Sans Serif";
    double size = 8.0;  // points
    bool bold = false;
    int charset = 0;  // 0 ANSI, 238 Central European
    bool operator==(const Font&) const = default;
};

// The height in pixels the system makes a font at `dpi` pixels per inch (a point is 1/72 inch).
inline int FontPixelHeight(const Font& font, int dpi) {
    return static_cast<int>(std::lround(font.size * dpi / 72.0));
}

// Mouse buttons, as handed to mouse handlers (a set of these while moving).
enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

// Modifier keys, summed.
enum ModifierKey : int { kShift = 1, kCtrl = 2, kAlt = 4 };

// Key codes are the Windows virtual-key codes.
enum KeyCode : int {
    kKeyBack = 0x08,
    kKeyTab = 0x09,
    kKeyReturn = 0x0D,
    kKeyEscape = 0x1B,
    kKeyPageUp = 0x21,
    kKeyPageDown = 0x22,
    kKeyUp = 0x26,
    kKeyDown = 0x28,
    kKeyA = 0x41,
    kKeyB = 0x42,
    kKeyF = 0x46,
    kKeyF1 = 0x70,
    kKeyF2 = 0x71,
    kKeyF3 = 0x72,
    kKeyF4 = 0x73,
    kKeyF5 = 0x74,
    kKeyF6 = 0x75,
    kKeyF7 = 0x76,
    kKeyF8 = 0x77,
    kKeyF9 = 0x78,
    kKeyF10 = 0x79,
    kKeyF11 = 0x7A,
    kKeyF12 = 0x7B,
};

struct MouseEvent {
    int button = 0;  // the button pressed or released; while moving, the set of buttons held
    int shift = 0;   // sum of ModifierKey
    int x = 0;       // pixels, relative to the element (or the form for its background)
    int y = 0;
};

// Local date and time of the system clock.
struct DateTime {
    int year = 2000;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const DateTime&) const = default;
};

// An image drawn by the program: straight (not premultiplied) 0xAARRGGBB pixels, row by row.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    Picture() = default;
    Picture(int w, int h, std::uint32_t fill = 0)
        : width(w), height(h), pixels(static_cast<std::size_t>(w * h), fill) {}
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    void set(int x, int y, std::uint32_t argb) {
        if (x >= 0 && y >= 0 && x < width && y < height) pixels[static_cast<std::size_t>(y * width + x)] = argb;
    }
    bool empty() const { return width == 0 || height == 0; }
    bool operator==(const Picture&) const = default;
};

}  // namespace platform

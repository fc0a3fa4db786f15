// Small drawing helpers for the program's own artwork: straight-alpha pixels, soft edges by
// sampling each pixel at 4 x 4 points.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>

#include "platform/types.h"

namespace artwork {

struct Rgba {
    int r = 0;
    int g = 0;
    int b = 0;
    int a = 255;
};

inline Rgba Hex(std::uint32_t rgb, int alpha = 255) {
    return {static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>(rgb & 0xFF),
            alpha};
}

inline Rgba Mix(const Rgba& from, const Rgba& to, double t) {
    const auto lerp = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
    return {lerp(from.r, to.r), lerp(from.g, to.g), lerp(from.b, to.b), lerp(from.a, to.a)};
}

inline std::uint32_t Pack(const Rgba& c) {
    const auto clamp = [](int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); };
    return clamp(c.a) << 24 | clamp(c.r) << 16 | clamp(c.g) << 8 | clamp(c.b);
}

inline Rgba Unpack(std::uint32_t argb) {
    return {static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF), static_cast<int>(argb & 0xFF),
            static_cast<int>(argb >> 24)};
}

// Paints `color` over the pixel with the given coverage (0..1), straight alpha "over".
inline void Blend(platform::Picture& picture, int x, int y, const Rgba& color, double coverage) {
    if (x < 0 || y < 0 || x >= picture.width || y >= picture.height || coverage <= 0) return;
    const Rgba under = Unpack(picture.at(x, y));
    const double src = color.a / 255.0 * std::min(coverage, 1.0);
    const double dst = under.a / 255.0;
    const double out = src + dst * (1 - src);
    if (out <= 0) return;
    const auto channel = [&](int s, int d) {
        return static_cast<int>(std::lround((s * src + d * dst * (1 - src)) / out));
    };
    picture.set(x, y,
                Pack({channel(color.r, under.r), channel(color.g, under.g), channel(color.b, under.b),
                      static_cast<int>(std::lround(out * 255))}));
}

// Fills the shape `inside(px, py)` (pixel coordinates, continuous) with soft edges.
inline void FillShape(platform::Picture& picture, const Rgba& color,
                      const std::function<bool(double, double)>& inside) {
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            int hits = 0;
            for (int sy = 0; sy < 4; ++sy) {
                for (int sx = 0; sx < 4; ++sx) hits += inside(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4) ? 1 : 0;
            }
            Blend(picture, x, y, color, hits / 16.0);
        }
    }
}

inline void FillRect(platform::Picture& picture, int x, int y, int w, int h, const Rgba& color) {
    for (int py = y; py < y + h; ++py) {
        for (int px = x; px < x + w; ++px) Blend(picture, px, py, color, 1);
    }
}

inline void FillCircle(platform::Picture& picture, double cx, double cy, double radius, const Rgba& color) {
    FillShape(picture, color,
              [=](double px, double py) { return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= radius * radius; });
}

// A line of the given width between two points, with round ends.
inline void StrokeLine(platform::Picture& picture, double x1, double y1, double x2, double y2, double width,
                       const Rgba& color) {
    FillShape(picture, color, [=](double px, double py) {
        const double dx = x2 - x1;
        const double dy = y2 - y1;
        const double length2 = dx * dx + dy * dy;
        const double t = length2 > 0 ? std::clamp(((px - x1) * dx + (py - y1) * dy) / length2, 0.0, 1.0) : 0.0;
        const double ex = x1 + t * dx - px;
        const double ey = y1 + t * dy - py;
        return ex * ex + ey * ey <= width * width / 4;
    });
}

}  // namespace artwork

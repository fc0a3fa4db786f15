#include "app/artwork_canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

namespace app::art {

namespace {

double Length(double x, double y) {
    return std::sqrt(x * x + y * y);
}

int Channel(std::uint32_t argb, int shift) {
    return static_cast<int>((argb >> shift) & 0xFF);
}

std::uint32_t Mix(std::uint32_t from, std::uint32_t to, double t) {
    auto mix = [&](int shift) {
        return static_cast<int>(std::lround(Channel(from, shift) + (Channel(to, shift) - Channel(from, shift)) * t));
    };
    return Argb(mix(24), mix(16), mix(8), mix(0));
}

// Most of a picture lies far from any one shape's edge, and a shape's distance changes no faster
// than the point moves, so the distance at the centre of a square of pixels bounds it at every
// pixel of the square. Squares this size keep the shape's calls at their centres few.
constexpr int kTileSize = 8;
// Kept beyond that bound, in screen pixels, against the rounding of the shapes' arithmetic.
constexpr double kRoundingSlack = 1e-3;

// Calls pixel(x, y, covered) for each pixel of a width x height picture drawn at `scale` whose
// distance from the shape may be below `farFrom` (beyond it the shape leaves the pixel alone);
// `covered` tells that the distance is surely at most `coveredTo`, the pixel wholly inside.
template <typename Pixel>
void ForEachPixelReached(int width, int height, double scale, const Shape& shape, double farFrom, double coveredTo,
                         const Pixel& pixel) {
    for (int top = 0; top < height; top += kTileSize) {
        const int bottom = std::min(top + kTileSize, height);
        for (int left = 0; left < width; left += kTileSize) {
            const int right = std::min(left + kTileSize, width);
            // The tiles along the right and bottom edges may be cut short: measure each as it is.
            const double reach = (Length(right - left, bottom - top) / 2 + kRoundingSlack) / scale;
            const double distance = shape((left + right) / 2.0 / scale, (top + bottom) / 2.0 / scale);
            if (distance - reach >= farFrom) continue;
            const bool covered = distance + reach <= coveredTo;
            for (int y = top; y < bottom; ++y) {
                for (int x = left; x < right; ++x) pixel(x, y, covered);
            }
        }
    }
}

}  // namespace

Shape Circle(double cx, double cy, double radius) {
    return [=](double x, double y) { return Length(x - cx, y - cy) - radius; };
}

Shape RoundedRect(double left, double top, double right, double bottom, double radius) {
    const double cx = (left + right) / 2;
    const double cy = (top + bottom) / 2;
    const double hx = (right - left) / 2 - radius;
    const double hy = (bottom - top) / 2 - radius;
    return [=](double x, double y) {
        const double qx = std::abs(x - cx) - hx;
        const double qy = std::abs(y - cy) - hy;
        return Length(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - radius;
    };
}

Shape Segment(double ax, double ay, double bx, double by, double halfWidth) {
    return [=](double x, double y) {
        const double px = x - ax;
        const double py = y - ay;
        const double dx = bx - ax;
        const double dy = by - ay;
        const double lengthSquared = dx * dx + dy * dy;
        const double t = lengthSquared > 0 ? std::clamp((px * dx + py * dy) / lengthSquared, 0.0, 1.0) : 0.0;
        return Length(px - dx * t, py - dy * t) - halfWidth;
    };
}

Shape Arc(double cx, double cy, double radius, double halfWidth, double fromDegrees, double toDegrees) {
    const double from = fromDegrees * std::numbers::pi / 180;
    const double to = toDegrees * std::numbers::pi / 180;
    const double ax = cx + radius * std::cos(from);
    const double ay = cy + radius * std::sin(from);
    const double bx = cx + radius * std::cos(to);
    const double by = cy + radius * std::sin(to);
    return [=](double x, double y) {
        double angle = std::atan2(y - cy, x - cx);
        while (angle < from) angle += 2 * std::numbers::pi;
        if (angle <= to) return std::abs(Length(x - cx, y - cy) - radius) - halfWidth;
        return std::min(Length(x - ax, y - ay), Length(x - bx, y - by)) - halfWidth;
    };
}

Shape ConvexPolygon(std::initializer_list<std::pair<double, double>> corners) {
    std::vector<std::pair<double, double>> points(corners);
    return [points](double x, double y) {
        // Outside some edge: the distance to the nearest edge segment; inside: minus the nearest.
        double nearest = 1e9;
        bool outside = false;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const auto [ax, ay] = points[i];
            const auto [bx, by] = points[(i + 1) % points.size()];
            const double dx = bx - ax;
            const double dy = by - ay;
            const double t = std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
            nearest = std::min(nearest, Length(x - ax - dx * t, y - ay - dy * t));
            if (dx * (y - ay) - dy * (x - ax) < 0) outside = true;
        }
        return outside ? nearest : -nearest;
    };
}

Shape Union(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return std::min(a(x, y), b(x, y)); };
}

Shape Subtract(Shape from, Shape cut) {
    return
        [from = std::move(from), cut = std::move(cut)](double x, double y) { return std::max(from(x, y), -cut(x, y)); };
}

Shape Intersect(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return std::max(a(x, y), b(x, y)); };
}

Shape Outline(Shape shape, double halfWidth) {
    return [shape = std::move(shape), halfWidth](double x, double y) { return std::abs(shape(x, y)) - halfWidth; };
}

Shape Rotated(Shape shape, double cx, double cy, double degrees) {
    const double angle = -degrees * std::numbers::pi / 180;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return [shape = std::move(shape), cx, cy, c, s](double x, double y) {
        const double dx = x - cx;
        const double dy = y - cy;
        return shape(cx + dx * c - dy * s, cy + dx * s + dy * c);
    };
}

Paint Solid(std::uint32_t argb) {
    return [argb](double, double) { return argb; };
}

Paint VerticalGradient(std::uint32_t top, std::uint32_t bottom, double y0, double y1) {
    return [=](double, double y) { return Mix(top, bottom, std::clamp((y - y0) / (y1 - y0), 0.0, 1.0)); };
}

Canvas::Canvas(int width, int height, double scale)
    : scale_(scale),
      picture_(static_cast<int>(std::lround(width * scale)), static_cast<int>(std::lround(height * scale)), 0) {}

void Canvas::Blend(int x, int y, std::uint32_t argb, double coverage) {
    const double sa = Channel(argb, 24) / 255.0 * coverage;
    if (sa <= 0) return;
    // Opaque paint over the whole pixel: the mix below would give back exactly its own channels.
    if (sa >= 1) {
        picture_.set(x, y, argb);
        return;
    }
    const std::uint32_t below = picture_.at(x, y);
    // Over a clear pixel the mix below comes back to the paint's own channels (its error far below
    // their rounding), at the paint's alpha.
    if (Channel(below, 24) == 0) {
        picture_.set(
            x, y, Argb(static_cast<int>(std::lround(sa * 255)), Channel(argb, 16), Channel(argb, 8), Channel(argb, 0)));
        return;
    }
    const double da = Channel(below, 24) / 255.0;
    const double outA = sa + da * (1 - sa);
    auto channel = [&](int shift) {
        const double c = (Channel(argb, shift) * sa + Channel(below, shift) * da * (1 - sa)) / outA;
        return static_cast<int>(std::lround(std::clamp(c, 0.0, 255.0)));
    };
    picture_.set(x, y, Argb(static_cast<int>(std::lround(outA * 255)), channel(16), channel(8), channel(0)));
}

void Canvas::Fill(const Shape& shape, const Paint& paint) {
    // The edge stays one screen pixel soft at every scale: nothing beyond half a screen pixel
    // outside, full cover from half a screen pixel inside.
    ForEachPixelReached(picture_.width, picture_.height, scale_, shape, 0.5 / scale_, -0.5 / scale_,
                        [&](int x, int y, bool covered) {
                            const double px = (x + 0.5) / scale_;
                            const double py = (y + 0.5) / scale_;
                            const double coverage = covered ? 1.0 : std::clamp(0.5 - shape(px, py) * scale_, 0.0, 1.0);
                            if (coverage > 0) Blend(x, y, paint(px, py), coverage);
                        });
}

void Canvas::Shadow(const Shape& shape, std::uint32_t argb, double softness) {
    ForEachPixelReached(
        picture_.width, picture_.height, scale_, shape, 0.5 * softness, -0.5 * softness,
        [&](int x, int y, bool covered) {
            const double t =
                covered ? 1.0 : std::clamp(0.5 - shape((x + 0.5) / scale_, (y + 0.5) / scale_) / softness, 0.0, 1.0);
            if (t > 0) Blend(x, y, argb, t * t * (3 - 2 * t));
        });
}

}  // namespace app::art

// A small painter for the program's own artwork: shapes described by their signed distance
// (negative inside, in pixels), filled with anti-aliased edges into a straight-alpha picture.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include "platform/types.h"

namespace app::art {

// Signed distance from a point to a shape's edge: negative inside, positive outside.
// Every shape keeps |f(p) - f(q)| <= |p - q|: the canvas skips whole tiles by the distance at their centres.
using Shape = std::function<double(double x, double y)>;
// Colour (0xAARRGGBB, straight alpha) at a point.
using Paint = std::function<std::uint32_t(double x, double y)>;

constexpr std::uint32_t Argb(int a, int r, int g, int b) {
    return static_cast<std::uint32_t>(((a & 0xFF) << 24) | ((r & 0xFF) << 16) | ((g & 0xFF) << 8) | (b & 0xFF));
}

Shape Circle(double cx, double cy, double radius);
Shape RoundedRect(double left, double top, double right, double bottom, double radius);
// A stroke from a to b with round ends.
Shape Segment(double ax, double ay, double bx, double by, double halfWidth);
// The part of a ring (centre, radius, half width) between two angles in degrees, counted
// clockwise from three o'clock (screen coordinates), with round ends.
Shape Arc(double cx, double cy, double radius, double halfWidth, double fromDegrees, double toDegrees);
// A filled convex polygon, its corners given clockwise on screen.
Shape ConvexPolygon(std::initializer_list<std::pair<double, double>> corners);
Shape Union(Shape a, Shape b);
Shape Subtract(Shape from, Shape cut);
Shape Intersect(Shape a, Shape b);
// The band within halfWidth of the shape's edge.
Shape Outline(Shape shape, double halfWidth);
// The shape turned by `degrees` (clockwise on screen) around (cx, cy).
Shape Rotated(Shape shape, double cx, double cy, double degrees);

Paint Solid(std::uint32_t argb);
// From `top` at y0 to `bottom` at y1, clamped beyond.
Paint VerticalGradient(std::uint32_t top, std::uint32_t bottom, double y0, double y1);

// Shapes are described in the picture's own pixels at 96 DPI; a canvas made at a larger `scale`
// (the screen's pixels per pixel at 96 DPI) draws them at that scale, so that a picture shown at a
// higher DPI is drawn sharp at its size on screen instead of being stretched.
class Canvas {
public:
    Canvas(int width, int height, double scale = 1.0);

    // Paints the shape over what is there, its edge anti-aliased.
    void Fill(const Shape& shape, const Paint& paint);
    void Fill(const Shape& shape, std::uint32_t argb) { Fill(shape, Solid(argb)); }
    // A soft shadow of the shape, blurred over `softness` pixels.
    void Shadow(const Shape& shape, std::uint32_t argb, double softness);

    std::shared_ptr<const platform::Picture> Finish() const {
        return std::make_shared<const platform::Picture>(picture_);
    }
    const platform::Picture& picture() const { return picture_; }

private:
    void Blend(int x, int y, std::uint32_t argb, double coverage);

    double scale_;
    platform::Picture picture_;
};

// The picture `Draw` draws at `scale`, drawn once per scale the program shows it at.
template <auto Draw>
std::shared_ptr<const platform::Picture> DrawnOnce(double scale) {
    static std::map<double, std::shared_ptr<const platform::Picture>> drawn;
    auto& picture = drawn[scale];
    if (!picture) picture = Draw(scale);
    return picture;
}

}  // namespace app::art

// The canvas settles whole tiles of pixels from the distance at their centres and takes short cuts
// in its mixing; its pictures stay those of painting every pixel with every shape in full.
#include "app/artwork_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

using namespace app::art;

// Painting as plainly as it can be put: each pixel asks the shape, and mixes in full.
struct PlainCanvas {
    double scale;
    platform::Picture picture;

    void Blend(int x, int y, std::uint32_t argb, double coverage) {
        const double sa = (argb >> 24) / 255.0 * coverage;
        if (sa <= 0) return;
        const std::uint32_t below = picture.at(x, y);
        const double da = (below >> 24) / 255.0;
        const double outA = sa + da * (1 - sa);
        auto channel = [&](int shift) {
            const double c = (((argb >> shift) & 0xFF) * sa + ((below >> shift) & 0xFF) * da * (1 - sa)) / outA;
            return static_cast<int>(std::lround(std::clamp(c, 0.0, 255.0)));
        };
        picture.set(x, y, Argb(static_cast<int>(std::lround(outA * 255)), channel(16), channel(8), channel(0)));
    }
    // A fill when `softness` is 0, else a shadow.
    void Draw(const Shape& shape, const Paint& paint, double softness) {
        for (int y = 0; y < picture.height; ++y) {
            for (int x = 0; x < picture.width; ++x) {
                const double px = (x + 0.5) / scale;
                const double py = (y + 0.5) / scale;
                const double t =
                    std::clamp(0.5 - (softness > 0 ? shape(px, py) / softness : shape(px, py) * scale), 0.0, 1.0);
                if (t > 0) Blend(x, y, paint(px, py), softness > 0 ? t * t * (3 - 2 * t) : t);
            }
        }
    }
};

struct Case {
    const char* name;
    Shape shape;
    double softness;  // 0: a fill
    Paint paint;
};

// Shapes of every kind on a 37 x 29 picture, many crossing its right and bottom edges.
std::vector<Case> Cases() {
    const Paint ink = Solid(Argb(255, 20, 60, 200));
    const Paint glass = VerticalGradient(Argb(255, 250, 200, 10), Argb(90, 10, 40, 90), 4, 25);
    const Shape sheet = Rotated(RoundedRect(4, 3, 34, 27, 2.5), 18, 14, -8);
    return {{"circle over the right edge", Circle(33, 14, 9), 0, ink},
            {"circle over most of it", Circle(18, 14, 19), 0, glass},
            {"rounded rect over a corner", RoundedRect(10, 8, 45, 40, 5), 0, Solid(Argb(140, 200, 30, 30))},
            {"segment", Segment(-3, 2, 40, 27, 1.3), 0, ink},
            {"arc over three o'clock", Arc(18, 14, 10, 1.2, 195, 445), 0, ink},
            {"arc over the edges", Arc(30, 25, 9, 2, 200, 340), 0, glass},
            {"polygon", ConvexPolygon({{5, 3}, {30, 6}, {24, 26}, {2, 20}}), 0, glass},
            {"subtract", Subtract(sheet, Rotated(ConvexPolygon({{34, 18}, {34, 27}, {25, 27}}), 18, 14, -8)), 0, glass},
            {"intersect", Intersect(Circle(18, 14, 12), Circle(18, 4, 10)), 0, ink},
            {"outline", Outline(RoundedRect(1, 1, 36, 28, 8), 0.5), 0, ink},
            {"rotated union", Rotated(Union(Segment(3, 14, 33, 14, 2), Circle(33, 14, 4)), 18, 14, 135), 0, glass},
            {"shadow", Rotated(RoundedRect(3, 10, 40, 20, 1.5), 18, 14, 135), 2, Solid(Argb(90, 0, 30, 51))},
            {"wide shadow", RoundedRect(2, 3, 36, 28.5, 8), 3, Solid(Argb(255, 0, 30, 51))},
            {"soft shadow", Circle(18, 14, 6), 8, Solid(Argb(120, 0, 30, 51))}};
}

TEST(ArtworkCanvas, DrawsEveryPixelAsPaintingEachInTurnWould) {
    const Shape background = RoundedRect(-5, -5, 20, 40, 0);  // half the picture, translucent
    const std::uint32_t under = Argb(120, 10, 200, 30);
    for (const Case& c : Cases()) {
        for (const double scale : {0.75, 1.0, 1.25, 1.5, 2.0, 3.0}) {
            SCOPED_TRACE(testing::Message() << c.name << " at " << scale);
            Canvas canvas(37, 29, scale);
            canvas.Fill(background, under);
            PlainCanvas plain{scale, canvas.picture()};
            const platform::Picture before = plain.picture;
            if (c.softness > 0) {
                canvas.Shadow(c.shape, c.paint(0, 0), c.softness);
            } else {
                canvas.Fill(c.shape, c.paint);
            }
            plain.Draw(c.shape, c.paint, c.softness);
            EXPECT_FALSE(plain.picture == before);
            const auto& got = canvas.picture().pixels;
            ASSERT_EQ(got.size(), plain.picture.pixels.size());
            EXPECT_EQ(std::mismatch(got.begin(), got.end(), plain.picture.pixels.begin()).first - got.begin(),
                      std::ssize(got))
                << "the first pixel that differs";
        }
    }
}

// What lets the canvas settle a tile from its centre.
TEST(ArtworkCanvas, EveryShapeChangesNoFasterThanThePointMoves) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> where(-10, 47);
    std::uniform_real_distribution<double> step(-2, 2);
    for (const Case& c : Cases()) {
        double worst = -1;
        for (int i = 0; i < 20000; ++i) {
            const double x = where(random), y = where(random), dx = step(random), dy = step(random);
            worst = std::max(worst, std::abs(c.shape(x + dx, y + dy) - c.shape(x, y)) - std::hypot(dx, dy));
        }
        EXPECT_LE(worst, 1e-9) << c.name;
    }
}

}  // namespace

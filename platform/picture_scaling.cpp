#include "platform/picture_scaling.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// How much of old pixel `index` one new pixel covers, as a share of the new pixel.
struct Share {
    int index;
    double weight;
};

// For every new pixel along one axis, the old pixels under it and their shares (summing to 1).
std::vector<std::vector<Share>> SharesAlong(int from, int to) {
    const double span = static_cast<double>(from) / to;
    std::vector<std::vector<Share>> shares(static_cast<std::size_t>(to));
    for (int n = 0; n < to; ++n) {
        const double start = n * span;
        const double end = (n + 1) * span;
        for (int old = static_cast<int>(std::floor(start)); old < end && old < from; ++old) {
            const double covered = std::min(end, old + 1.0) - std::max(start, static_cast<double>(old));
            if (covered > 0) shares[static_cast<std::size_t>(n)].push_back({old, covered / span});
        }
    }
    return shares;
}

std::uint32_t Channel(std::uint32_t argb, int shift) {
    return (argb >> shift) & 0xFFu;
}

std::uint32_t ToByte(double value) {
    return static_cast<std::uint32_t>(std::clamp(std::lround(value), 0L, 255L));
}

}  // namespace

Picture Resample(const Picture& source, int width, int height) {
    if (width == source.width && height == source.height) return source;
    if (source.empty() || width <= 0 || height <= 0) return Picture(std::max(width, 0), std::max(height, 0));
    const auto columns = SharesAlong(source.width, width);
    const auto rows = SharesAlong(source.height, height);
    Picture result(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // Colours are averaged weighted by their opacity, so a clear pixel lends no colour.
            double alpha = 0;
            double red = 0;
            double green = 0;
            double blue = 0;
            for (const Share& row : rows[static_cast<std::size_t>(y)]) {
                for (const Share& column : columns[static_cast<std::size_t>(x)]) {
                    const std::uint32_t argb = source.at(column.index, row.index);
                    const double a = Channel(argb, 24) * row.weight * column.weight;
                    alpha += a;
                    red += a * Channel(argb, 16);
                    green += a * Channel(argb, 8);
                    blue += a * Channel(argb, 0);
                }
            }
            if (alpha <= 0) continue;
            result.set(x, y,
                       (ToByte(alpha) << 24) | (ToByte(red / alpha) << 16) | (ToByte(green / alpha) << 8) |
                           ToByte(blue / alpha));
        }
    }
    return result;
}

}  // namespace platform

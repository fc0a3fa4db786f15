#include "notes/note_placement.h"

#include <algorithm>
#include <vector>

namespace notes {

namespace {

using platform::Rect;

// The height of the title strip, the part of a note the user must reach to move it.
constexpr int kTitleHeight = 15;

bool Overlap(const Rect& a, const Rect& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

long long SquaredDistance(const Rect& window, const Rect& monitor) {
    const long long dx = std::max({monitor.x - (window.x + window.w), window.x - (monitor.x + monitor.w), 0});
    const long long dy = std::max({monitor.y - (window.y + window.h), window.y - (monitor.y + monitor.h), 0});
    return dx * dx + dy * dy;
}

// The monitor whose work area the window's title strip lies on, if any.
const Rect* MonitorUnderTitle(const Rect& window, const std::vector<Rect>& monitors) {
    const Rect title{window.x, window.y, window.w, kTitleHeight};
    for (const Rect& monitor : monitors) {
        if (Overlap(title, monitor)) return &monitor;
    }
    return nullptr;
}

const Rect& NearestMonitor(const Rect& window, const std::vector<Rect>& monitors) {
    return *std::min_element(monitors.begin(), monitors.end(), [&window](const Rect& a, const Rect& b) {
        return SquaredDistance(window, a) < SquaredDistance(window, b);
    });
}

void FitSize(Rect& window, const Rect& monitor) {
    window.w = std::min(window.w, monitor.w);
    window.h = std::min(window.h, monitor.h);
}

}  // namespace

Rect OpeningBounds(const Rect& stored, const platform::ScreenInfo& screen) {
    std::vector<Rect> monitors = screen.monitors;
    if (monitors.empty()) monitors.push_back({0, 0, screen.width, screen.height});
    Rect bounds = stored;
    const Rect* underTitle = MonitorUnderTitle(bounds, monitors);
    FitSize(bounds, underTitle ? *underTitle : NearestMonitor(bounds, monitors));
    // A smaller window may have left the monitor its title was on, as a far-away one never was on one.
    if (MonitorUnderTitle(bounds, monitors)) return bounds;
    const Rect& nearest = NearestMonitor(bounds, monitors);
    FitSize(bounds, nearest);
    bounds.x = std::max(nearest.x, std::min(bounds.x, nearest.x + nearest.w - bounds.w));
    bounds.y = std::max(nearest.y, std::min(bounds.y, nearest.y + nearest.h - bounds.h));
    return bounds;
}

}  // namespace notes

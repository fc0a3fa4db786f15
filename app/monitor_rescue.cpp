#include "app/monitor_rescue.h"

#include <algorithm>

namespace app {

namespace {

using platform::Rect;

long long OverlapLength(int start1, int length1, int start2, int length2) {
    const long long from = std::max<long long>(start1, start2);
    const long long to =
        std::min<long long>(static_cast<long long>(start1) + length1, static_cast<long long>(start2) + length2);
    return std::max<long long>(to - from, 0);
}

// The gap between two ranges along one axis; 0 when they overlap or touch.
long long Gap(int start1, int length1, int start2, int length2) {
    const long long end1 = static_cast<long long>(start1) + length1;
    const long long end2 = static_cast<long long>(start2) + length2;
    return std::max({static_cast<long long>(start2) - end1, static_cast<long long>(start1) - end2, 0LL});
}

long long SquaredGap(const Rect& window, const Rect& area) {
    const long long dx = Gap(window.x, window.w, area.x, area.w);
    const long long dy = Gap(window.y, window.h, area.y, area.h);
    return dx * dx + dy * dy;
}

void FitSize(Rect& window, const Rect& area) {
    window.w = std::min(window.w, area.w);
    window.h = std::min(window.h, area.h);
}

// A window taller than its grip strip has the whole strip; a rolled-up note is the strip.
int StripHeight(const Rect& window) {
    return std::min(window.h, kGripStripHeight);
}

}  // namespace

const Rect* WorkAreaUnderGrip(const Rect& window, const std::vector<Rect>& workAreas) {
    const int stripHeight = StripHeight(window);
    // A window narrower or flatter than the visible share asked for counts when all of it shows.
    const long long wide = std::min(window.w, kGripVisibleWidth);
    const long long high = std::min(stripHeight, kGripVisibleHeight);
    for (const Rect& area : workAreas) {
        if (wide > 0 && high > 0 && OverlapLength(window.x, window.w, area.x, area.w) >= wide &&
            OverlapLength(window.y, stripHeight, area.y, area.h) >= high) {
            return &area;
        }
    }
    return nullptr;
}

const Rect& NearestWorkArea(const Rect& window, const std::vector<Rect>& workAreas) {
    return *std::min_element(workAreas.begin(), workAreas.end(), [&window](const Rect& a, const Rect& b) {
        return SquaredGap(window, a) < SquaredGap(window, b);
    });
}

Rect PlaceOnWorkAreas(const Rect& home, const std::vector<Rect>& workAreas, SizeRule rule) {
    if (workAreas.empty()) return home;
    Rect bounds = home;
    const Rect* underGrip = WorkAreaUnderGrip(bounds, workAreas);
    if (rule == SizeRule::FitWorkArea) {
        FitSize(bounds, underGrip ? *underGrip : NearestWorkArea(bounds, workAreas));
        // A smaller window may have left the monitor its strip was on, as a far-away one never was on one.
        underGrip = WorkAreaUnderGrip(bounds, workAreas);
    }
    if (underGrip) return bounds;
    const Rect& nearest = NearestWorkArea(bounds, workAreas);
    if (rule == SizeRule::FitWorkArea) FitSize(bounds, nearest);
    // A window larger than the work area keeps its top left corner, and so its grip strip, on it.
    bounds.x = std::max(nearest.x, std::min(bounds.x, nearest.x + nearest.w - bounds.w));
    bounds.y = std::max(nearest.y, std::min(bounds.y, nearest.y + nearest.h - bounds.h));
    return bounds;
}

}  // namespace app

// Where a window goes on the monitors: it stays while its grip strip can be reached on a work area,
// and otherwise shows whole on the nearest one; the same home gives back the same place when the
// monitor it was on returns.
#include "app/monitor_rescue.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using app::PlaceOnWorkAreas;
using app::SizeRule;
using platform::Rect;

// A laptop's screen with a larger monitor to its right and a small one above it; the work areas
// leave out the taskbars.
const Rect kLaptop{0, 0, 1366, 728};
const Rect kRight{1366, 0, 1920, 1040};
const Rect kAbove{0, -768, 1024, 768};

bool Inside(const Rect& window, const Rect& area) {
    return window.x >= area.x && window.y >= area.y && window.x + window.w <= area.x + area.w &&
           window.y + window.h <= area.y + area.h;
}

struct Case {
    const char* what;
    Rect home;
    std::vector<Rect> areas;
    bool staysHome;
};

TEST(MonitorRescue, AWindowStaysWhileEnoughOfItsGripStripShowsAndIsOtherwiseWholeOnTheNearestArea) {
    const Case cases[] = {
        {"on the laptop", {100, 100, 782, 540}, {kLaptop, kRight}, true},
        {"across both monitors", {1000, 100, 782, 540}, {kLaptop, kRight}, true},
        {"on the right monitor, now unplugged", {2000, 300, 782, 540}, {kLaptop}, false},
        {"on the monitor above, now unplugged", {100, -600, 782, 540}, {kLaptop, kRight}, false},
        {"its strip 24 pixels on the laptop", {1342, 100, 782, 540}, {kLaptop}, true},
        {"its strip 23 pixels on the laptop", {1343, 100, 782, 540}, {kLaptop}, false},
        {"its strip 8 pixels high on the laptop", {100, -7, 782, 540}, {kLaptop}, true},
        {"its strip 7 pixels high on the laptop", {100, -8, 782, 540}, {kLaptop}, false},
        {"its strip 8 pixels above the taskbar", {100, 720, 782, 540}, {kLaptop}, true},
        {"its strip lost under the taskbar", {100, 722, 782, 540}, {kLaptop}, false},
        {"a rolled-up note's strip, wholly shown", {100, 100, 166, 15}, {kLaptop}, true},
        {"a window narrower than the visible share", {1350, 100, 16, 100}, {kLaptop}, true},
        {"far away", {99999, 99999, 300, 200}, {kLaptop, kRight}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Rect shown = PlaceOnWorkAreas(c.home, c.areas, SizeRule::KeepSize);
        EXPECT_EQ(shown == c.home, c.staysHome);
        EXPECT_NE(app::WorkAreaUnderGrip(shown, c.areas), nullptr) << "it can be grabbed where it shows";
        EXPECT_EQ(shown.w, c.home.w);
        EXPECT_EQ(shown.h, c.home.h);
        if (!c.staysHome) {
            const Rect& nearest = app::NearestWorkArea(c.home, c.areas);
            EXPECT_TRUE(Inside(shown, nearest)) << "a moved window shows whole on the nearest area";
        }
    }
}

TEST(MonitorRescue, AWindowComesBackToItsHomeWhenItsMonitorReturns) {
    const std::vector<Rect> docked{kLaptop, kRight, kAbove};
    const std::vector<Rect> undocked{kLaptop};
    const Rect homes[] = {{2500, 400, 782, 540}, {200, -500, 166, 127}, {1360, 50, 400, 300}};
    for (const Rect& home : homes) {
        SCOPED_TRACE(std::to_string(home.x) + "," + std::to_string(home.y));
        ASSERT_EQ(PlaceOnWorkAreas(home, docked, SizeRule::KeepSize), home);
        const Rect rescued = PlaceOnWorkAreas(home, undocked, SizeRule::KeepSize);
        EXPECT_TRUE(Inside(rescued, kLaptop));
        // The rule works from the home, never from the rescued place: docked again, it is home.
        EXPECT_EQ(PlaceOnWorkAreas(home, docked, SizeRule::KeepSize), home);
    }
}

TEST(MonitorRescue, TheMovedWindowStaysAsCloseToHomeAsItFits) {
    // Gone off the right edge: it stays at its height, against the edge.
    EXPECT_EQ(PlaceOnWorkAreas({2000, 300, 782, 540}, {kLaptop}, SizeRule::KeepSize), (Rect{584, 188, 782, 540}));
    // Gone off the top: it keeps its left edge.
    EXPECT_EQ(PlaceOnWorkAreas({100, -600, 782, 540}, {kLaptop}, SizeRule::KeepSize), (Rect{100, 0, 782, 540}));
}

TEST(MonitorRescue, OnlyANoteShrinksToItsWorkAreaAndALargerWindowKeepsItsTopLeftOnIt) {
    const Rect small{0, 0, 640, 480};
    const Rect home{3000, 100, 800, 600};
    EXPECT_EQ(PlaceOnWorkAreas(home, {small}, SizeRule::FitWorkArea), (Rect{0, 0, 640, 480}));
    EXPECT_EQ(PlaceOnWorkAreas(home, {small}, SizeRule::KeepSize), (Rect{0, 0, 800, 600}));
}

TEST(MonitorRescue, TheNearestAreaIsTheOneWithTheSmallestGap) {
    const std::vector<Rect> areas{kLaptop, kRight};
    EXPECT_EQ(&app::NearestWorkArea({4000, 100, 100, 100}, areas), &areas[1]);
    EXPECT_EQ(&app::NearestWorkArea({100, 2000, 100, 100}, areas), &areas[0]);
    // Overlapping both: the first.
    EXPECT_EQ(&app::NearestWorkArea({1300, 100, 100, 100}, areas), &areas[0]);
}

TEST(MonitorRescue, WithoutWorkAreasAWindowStaysHome) {
    EXPECT_EQ(PlaceOnWorkAreas({99999, 5, 10, 10}, {}, SizeRule::KeepSize), (Rect{99999, 5, 10, 10}));
}

}  // namespace

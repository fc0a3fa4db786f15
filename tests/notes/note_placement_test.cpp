#include "notes/note_placement.h"

#include <gtest/gtest.h>

namespace {

using notes::OpeningBounds;
using platform::Rect;

// Two monitors side by side; the work areas leave out the taskbars.
platform::ScreenInfo TwoMonitors() {
    platform::ScreenInfo screen;
    screen.monitors = {{0, 0, 1024, 738}, {1024, 0, 800, 570}};
    return screen;
}

const Rect* MonitorUnderTitle(const Rect& window, const platform::ScreenInfo& screen) {
    for (const Rect& monitor : screen.monitors) {
        const bool overlap = window.x < monitor.x + monitor.w && monitor.x < window.x + window.w &&
                             window.y < monitor.y + monitor.h && monitor.y < window.y + 15;
        if (overlap) return &monitor;
    }
    return nullptr;
}

TEST(NotePlacement, EveryNoteOpensReachableAndNoLargerThanItsWorkArea) {
    const platform::ScreenInfo screen = TwoMonitors();
    const Rect stored[] = {
        {80, 80, 166, 127},            // an ordinary note
        {3000, 700, 200, 150},         // its monitor is gone
        {99999, 99999, 99999, 99999},  // a damaged header, every number as large as its field holds
        {-9999, 10, 99999, 200},       // reaches the screen only while it is this wide
        {100, 50, 300, 5000},          // taller than the screen
        {1100, 10, 2000, 100},         // wider than the second monitor
        {1000, -9999, 300, 99999},     // taller than the screen, starting far above it
    };
    for (const Rect& note : stored) {
        const Rect opened = OpeningBounds(note, screen);
        const Rect* monitor = MonitorUnderTitle(opened, screen);
        ASSERT_NE(monitor, nullptr) << note.x << "," << note.y;
        EXPECT_LE(opened.w, monitor->w) << note.x << "," << note.y;
        EXPECT_LE(opened.h, monitor->h) << note.x << "," << note.y;
        if (note.w <= monitor->w && note.h <= monitor->h) {
            EXPECT_EQ((Rect{0, 0, opened.w, opened.h}), (Rect{0, 0, note.w, note.h}))
                << "a note that fits keeps its size";
        }
    }
}

TEST(NotePlacement, ReachableNoteKeepsItsPlaceAndOnlyATooLargeOneShrinks) {
    const platform::ScreenInfo screen = TwoMonitors();
    EXPECT_EQ(OpeningBounds({-5, 700, 200, 150}, screen), (Rect{-5, 700, 200, 150}));
    EXPECT_EQ(OpeningBounds({100, 50, 300, 5000}, screen), (Rect{100, 50, 300, 738}));
    EXPECT_EQ(OpeningBounds({1100, 10, 2000, 100}, screen), (Rect{1100, 10, 800, 100}));
    // Without a list of monitors the whole screen counts.
    EXPECT_EQ(OpeningBounds({99999, 99999, 99999, 99999}, {800, 600, 15, 15, {}}), (Rect{0, 0, 800, 600}));
}

}  // namespace

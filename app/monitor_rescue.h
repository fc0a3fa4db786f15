// Which place on the monitors a window takes: where it was while the user can still reach it,
// otherwise whole on the nearest monitor's work area. Start-up uses it for the desktop notes, and
// a change of the monitors (one unplugged or plugged in, a wake-up) for every window.
#pragma once

#include <vector>

#include "platform/types.h"

namespace app {

// The strip along a window's top edge by which the user takes hold of it (a note's title strip;
// the calendar's background there), and how much of it must lie on one work area for the window to
// count as on that monitor: a sliver of a pixel or two cannot be grabbed.
inline constexpr int kGripStripHeight = 15;
inline constexpr int kGripVisibleWidth = 24;
inline constexpr int kGripVisibleHeight = 8;

// A note may open smaller than it was stored; the calendar and the dialogs keep their size.
enum class SizeRule { KeepSize, FitWorkArea };

// The work area that holds enough of the window's grip strip, or null when none does.
const platform::Rect* WorkAreaUnderGrip(const platform::Rect& window, const std::vector<platform::Rect>& workAreas);

// The work area closest to the window (by the gap between the two rectangles; the first of equals).
// `workAreas` must not be empty.
const platform::Rect& NearestWorkArea(const platform::Rect& window, const std::vector<platform::Rect>& workAreas);

// Where a window whose own place is `home` shows on these work areas: at home while its grip strip
// can be reached there, otherwise whole on the nearest work area, as close to home as it fits. With
// `FitWorkArea` it is no larger than the work area it shows on. No work areas: home.
platform::Rect PlaceOnWorkAreas(const platform::Rect& home, const std::vector<platform::Rect>& workAreas,
                                SizeRule rule);

}  // namespace app

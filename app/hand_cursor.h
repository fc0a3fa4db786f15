// The program's hand-shaped mouse pointer over the images that act on a click: a white hand
// pointing up with its index finger, outlined in black. Stored as the .exe's cursor resource.
#pragma once

#include "platform/types.h"

namespace app {

inline constexpr int kHandCursorSize = 32;
// The tip of the index finger: the pixel that points.
inline constexpr platform::Point kHandCursorHotSpot{11, 1};

platform::Picture HandCursor();

}  // namespace app

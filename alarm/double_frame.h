// The double frame along the edges of the alarm clock's borderless windows (the message window,
// the list of missed alarms): Line1..Line4 outside in the sky colour, Line5..Line8 inside.
#pragma once

#include <array>

#include "app/window_look.h"
#include "platform/form.h"

namespace alarms {

using FrameLines = std::array<platform::Control*, 9>;  // 1..8

// Adds the eight lines to a client `width` x `height` (in the layout's units) of `form`.
void AddDoubleFrame(platform::Form& form, app::TwipsLayout& layout, int width, int height, FrameLines& lines);

}  // namespace alarms

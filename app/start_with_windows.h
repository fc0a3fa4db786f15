// "Start with Windows" (the calendar's check box ChkStartup): the box shows whether the shortcut
// in the user's Startup folder starts this copy of the program, and ticking or clearing it writes
// or removes that shortcut (`app/startup_shortcut.h`).
#pragma once

#include "app/module.h"

namespace app {

// At each start: a shortcut left behind by a move of the program is pointed at its new place, and
// the box shows whether the program starts with Windows. Says nothing: a shortcut that cannot be
// updated leaves the box clear, and ticking it tells why.
void LookAtStartWithWindows(Module& module);

// The box changed: ticked, the shortcut is written (after a question when the program runs from
// a removable drive); cleared, it is removed. What cannot be done is said, and the box goes back
// to what is true. A change that already is true (the program setting the box) does nothing.
void StartWithWindowsClicked(Module& module);

}  // namespace app

// Taking in what another copy of the data files (a sync client's, from another computer) wrote
// while the program runs, so that the windows show it and no save writes over it.
#pragma once

#include "app/module.h"

namespace app {

// Reads again every data file that changed since the program last read or wrote it and takes in
// what changed there: day lines and recurring notes (only while the calendar is hidden: a shown
// one may have a line being typed, which merges at its save), name days, alarms (unless the alarm
// dialog is open), settings, and notes (see notes::PickUpArrivedNotes).
void PickUpOutsideChanges(Module& module);

// The same at the clock's tick, at most once a minute, and only when a data file's size or
// last-write time differs from the last look: a look costs a few small reads of file stamps.
void LookForOutsideChanges(Module& module);

}  // namespace app

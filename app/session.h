// Saving everything that the program keeps in memory, when the program ends.
#pragma once

#include <string>
#include <vector>

#include "app/module.h"
#include "diary/day_tables.h"

namespace app {

// Saves all that ending the program from the main window saves. Returns one line for each file
// that could not be written (none when everything was saved), and the days whose lines clashed
// with another copy of their file (see SaveDiary).
SaveReport SaveBeforeEnd(Module& module);

// Windows is ending the session (log off, shutdown): saves without asking anything, before the
// program is ended.
void SaveBeforeSessionEnd(Module& module);

}  // namespace app

// Saving everything that the program keeps in memory, when the program ends.
#pragma once

#include <string>
#include <vector>

#include "app/module.h"

namespace app {

// Saves all that ending the program from the main window saves. Returns one line for each file
// that could not be written (empty when everything was saved).
std::vector<std::string> SaveBeforeEnd(Module& module);

// Windows is ending the session (log off, shutdown): saves without asking anything, before the
// program is ended.
void SaveBeforeSessionEnd(Module& module);

}  // namespace app

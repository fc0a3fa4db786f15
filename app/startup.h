// Start-up of the program: a second instance ends at once; the windows are made; the data
// folder and its first-run files are prepared; the settings, alarms and notes are loaded; the
// main window takes over.
#pragma once

#include "app/module.h"

namespace app {

// Runs the start-up steps. Returns false when the program must end at once (another instance
// runs); otherwise the program goes on in the message loop.
bool Main(Module& module);

// Prepares the data folder and the first-run files, and reads the settings. True when this start
// made the data folder (a first run).
bool InitData(Module& module);

}  // namespace app

// The settings file "\Notes.ini": eight lines, read once at start-up and rewritten whole.
#pragma once

#include "app/data_file_names.h"
#include "app/shared_values.h"
#include "platform/file_system.h"

namespace app {

// Puts the first-run defaults into the seven settings values.
void SetDefaultSettings(SharedValues& values);

// Writes the seven values and the "Translucent" value as eight lines.
platform::Status SaveSettings(platform::FileSystem& files, const SharedValues& values);

// Reads the eight lines; a missing line leaves its value as it was, a line 8 that is not a
// check box state (0, 1, 2) leaves "Translucent" as it was.
void LoadSettings(platform::FileSystem& files, SharedValues& values);

}  // namespace app

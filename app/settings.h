// The settings file "\Notes.ini": eight lines, read at start-up and rewritten whole.
#pragma once

#include <string>
#include <vector>

#include "app/data_file_names.h"
#include "app/shared_values.h"
#include "platform/file_system.h"

namespace app {

// Puts the first-run defaults into the seven settings values.
void SetDefaultSettings(SharedValues& values);

// Writes the seven values and the "Translucent" value as eight lines. Lines another copy of the
// file (a sync client's) changed since the program last read or wrote it are merged first: a line
// changed there alone is taken into the values; a line changed on both sides keeps this
// computer's, except the day message's, where the later day it was put away wins.
platform::Status SaveSettings(platform::FileSystem& files, SharedValues& values);

// The merge SaveSettings makes (`base` as last seen): a line only the other copy changed is
// theirs, any other is ours; but the day message's line takes the later day on which a computer
// put it away, so that a message put away on one computer is not shown again by the other that
// day. "RESUME" (never show it) stays.
std::vector<std::string> MergeSettings(const std::vector<std::string>& base, const std::vector<std::string>& ours,
                                       const std::vector<std::string>& theirs);

// Takes in the settings file that another copy wrote since the program last read or wrote it,
// merged with what changed here as a save would merge it.
void PickUpSettings(platform::FileSystem& files, SharedValues& values);

// Takes what the eight lines give into the values (see LoadSettings).
void ApplySettings(const std::vector<std::string>& lines, SharedValues& values);

// Reads the eight lines; a missing line leaves its value as it was, a line 8 that is not a
// check box state (0, 1, 2) leaves "Translucent" as it was.
void LoadSettings(platform::FileSystem& files, SharedValues& values);

}  // namespace app

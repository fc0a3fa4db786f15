// The copies that sync clients leave beside a data file when two computers changed it at once
// ("Notes (conflicted copy 2026-12-07)", "Notes.sync-conflict-20261207-101500-ABC1234",
// "Diary\2026-LAPTOP"): their lines and notes are merged into the file once, and the copy is then
// moved into "\Conflicts", never deleted.
#pragma once

#include <string>
#include <vector>

#include "app/shared_values.h"
#include "platform/file_system.h"
#include "platform/types.h"

namespace app {

// True when `name` is a sync client's conflict copy of the data file `dataName` (both names
// without their folder): the data file's name with a client's mark between its stem and its
// extension.
bool IsConflictCopyOf(const std::string& name, const std::string& dataName);

// Paths of the conflict copies that lie beside the data files now.
std::vector<std::string> FindConflictCopies(platform::FileSystem& files, const SharedValues& values);

// Merges each copy into its data file and moves it into "\Conflicts". A line or note that only
// the copy holds is taken; one that both hold with different texts keeps the file's first and the
// copy's after " <> ", or, when both do not fit, the file's alone with the copy's text in the
// day's conflict file; a note goes into a free record. Settings keep the file's, but the later day
// the day message was put away. A copy that cannot be merged stays where it is and is tried again.
void MergeConflictCopies(platform::FileSystem& files, SharedValues& values, const platform::DateTime& today);

}  // namespace app

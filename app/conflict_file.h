// The conflict file "\Conflicts\yyyy-mm-dd.txt": where the saves of a day keep the texts that a
// clash with another copy of a data file left out of the file, so that nothing is ever dropped.
#pragma once

#include <string>
#include <vector>

#include "app/shared_values.h"
#include "platform/file_system.h"
#include "platform/types.h"

namespace app {

// "\Conflicts\yyyy-mm-dd.txt", in the data folder.
std::string ConflictFile(const platform::DateTime& day);

// One clash as the conflict file keeps it: where ("Diary\2026 7.12.", "Notes record 3"), and both
// texts.
struct ConflictEntry {
    std::string where;
    std::string ours;
    std::string theirs;
};

// Adds the entries at the end of the day's conflict file, crash-safe as every data file; the file
// is never started anew over one that is there but cannot be read.
platform::Status AppendConflicts(platform::FileSystem& files, const SharedValues& values, const platform::DateTime& day,
                                 const std::vector<ConflictEntry>& entries);

}  // namespace app

// The fuzz targets' common part: a data folder made from one fuzzer input, the program's start-up
// over it on the headless platform, and the short session of a user who edits a little and ends
// the program. What the session must never do to the folder is checked here, so that the fuzz
// targets and the unit tests that replay their inputs judge every input alike.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/headless/memory_file_system.h"

namespace fuzzing {

// The data folder's files by their name in it ("\Notes.ini"), with their bytes.
using DataFiles = std::map<std::string, std::string>;

inline constexpr const char* kProgramFolder = "C:\\Programs\\Orvane";
inline constexpr const char* kDataPath = "C:\\Programs\\Orvane\\NotesDat";
// The session's year: its diary file is the one start-up reads.
inline constexpr int kYear = 2026;

// Parts of the input of the target that fills every file, in the order of `AllTargetFiles`.
inline constexpr std::string_view kFileSeparator = "\n~~next file~~\n";

// The targets, each named after what it fills: "settings", "notes", "names", "reminder",
// "diary", "alarm", and "all".
const std::vector<std::string>& TargetNames();

// The files that the target "all" fills, in input order.
std::vector<std::string> AllTargetFiles();

// The parts of `input` between separators (one part when there is none).
std::vector<std::string> SplitAtSeparator(std::string_view input);

// The folder that a target's input stands for: the first-run files with the target's file made
// of the input. The target "all" gives only the files its input has parts for; start-up makes
// the others. Nothing for an unknown target.
std::optional<DataFiles> FolderFromInput(const std::string& target, std::string_view input);

// The files that a first start in an empty folder makes.
const DataFiles& FirstRunFiles();

// The folder's scratch copies that a replacement left behind.
std::vector<std::string> ScratchFilesLeft(const platform::headless::MemoryFileSystem& files);

// One line for each file of `before` that was changed or written again although the session
// only had a reason to write the files in `written`.
std::vector<std::string> UntouchedFilesRewritten(const DataFiles& before,
                                                 const platform::headless::MemoryFileSystem& files,
                                                 const std::set<std::string>& written);

// One line for each line of the rewritten file `name` that is not the one in `expected`, apart
// from the `skipped` lines (counted from 0), or one line when the number of lines differs.
std::vector<std::string> LinesNotKept(const platform::headless::MemoryFileSystem& files, const std::string& name,
                                      const std::vector<std::string>& expected, const std::set<std::size_t>& skipped);

// Starts the program over `folder`, shows the calendar, types a day line, opens a new note,
// types in it and lets it save, then ends the program from the calendar. Afterwards no scratch
// copy is left; a file the session had no reason to write is as it was and was not written; the
// files it wrote hold what was typed and, line for line or byte for byte, what start-up read.
// Returns one line for each rule that the run broke; empty when all held.
std::vector<std::string> RunSession(const DataFiles& folder);

}  // namespace fuzzing

// The program's command line: the exports that run without a window, for a scheduled task.
//     OrvaneNotes.exe --export-ics FILE [--year YYYY]
//     OrvaneNotes.exe --export-notes FOLDER
// They only read the data files, so they run beside a running program. Each ends with an exit code
// and one line that says what happened.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/types.h"

namespace exchange {

enum class CommandKind { RunProgram, ExportIcs, ExportNotes, Bad };

struct Command {
    CommandKind kind = CommandKind::RunProgram;
    std::string target;  // the file or folder
    std::optional<int> year;
    std::string error;  // for Bad: what is wrong, for the one line
};

// The arguments after the program's name. No arguments run the program.
Command ParseCommandLine(const std::vector<std::string>& arguments);

// Exit codes.
inline constexpr int kExitDone = 0;
inline constexpr int kExitBadArguments = 2;
inline constexpr int kExitUnreadableData = 3;
inline constexpr int kExitWriteFailed = 4;

struct CommandResult {
    int exitCode = kExitDone;
    std::string message;  // one line
};

// Runs an export of the data folder `dataPath`. `stamp` is now in UTC.
CommandResult RunCommand(const Command& command, platform::FileSystem& files, const std::string& dataPath,
                         const platform::DateTime& stamp);

// The usage line that a bad command line is answered with.
std::string Usage();

}  // namespace exchange

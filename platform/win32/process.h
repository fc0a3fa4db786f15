// The process's own facts, asked before any window exists: the program's folder, the command line
// in the ANSI code page (as paths are), the time in UTC, and one line to the console that started
// the program, for the exports that run without a window.
#pragma once

#include <string>
#include <vector>

#include "platform/types.h"

namespace platform::win32 {

// The program file's full path; "" when the system does not say.
std::string ProgramPath();

// Without a trailing "\" unless it is a drive's root; "" when the system does not say.
std::string ProgramFolder();

// The arguments after the program's name.
std::vector<std::string> CommandLineArguments();

DateTime UtcNow();

// Writes the line to the standard output (or, for a failure, the standard error) that the program
// was given: a redirection, or the handles of the shell that started it under Wine. A program
// started from a console window without them writes to that console. Nothing when there is none.
void WriteConsoleLine(const std::string& line, bool failure);

}  // namespace platform::win32

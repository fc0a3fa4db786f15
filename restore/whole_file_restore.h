// A whole-file restore as the user asks for it: the question, what is pending saved first, the
// file put back (restore/whole_file.h), and the program's memory taken from the restored file, so
// that the windows show it and the next save, which merges against what it last saw, keeps it.
#pragma once

#include <string>

#include "app/module.h"

namespace restore {

// "Diary\2026" for "\Diary\2026": a data file's name as the user reads it.
std::string ShownFileName(const std::string& name);

// Asks, then restores the data file `name` ("\Notes") from the copy `copy`, described to the user
// as `copyTitle` ("the daily copy of 5.12.2026"). Nothing is restored when the user says no, when
// what is pending cannot be saved (that failure is reported), or when the file as it is cannot be
// kept (the user is told). True when the file was restored.
bool AskAndRestoreWholeFile(app::Module& module, const std::string& copy, const std::string& name,
                            const std::string& copyTitle);

}  // namespace restore

// The shortcut in the user's Startup folder that starts the program with Windows. It lives on
// the computer, not in NotesDat (which may be synced to another computer with the program in
// another folder), and it is the only record of the choice: no registry, so the program stays
// portable.
#pragma once

#include <optional>
#include <string>

namespace app {

inline constexpr const char* kStartupShortcutName = "Orvane Notes.lnk";

// The shortcut's path in the Startup folder `startupFolder` (given without a trailing "\").
std::string StartupShortcutPath(const std::string& startupFolder);

// Whether two Windows paths name the same file: letters compare without case, "/" as "\".
bool SamePath(const std::string& a, const std::string& b);

// What a start finds in the Startup folder.
enum class StartupShortcut {
    None,       // no shortcut (or none that can be read): the program does not start with Windows
    Ours,       // it starts this copy of the program
    Moved,      // it starts a program file that is gone: this copy moved, and the shortcut follows it
    OtherCopy,  // it starts another copy of the program that is still there, which keeps it
};

// `target`: what the shortcut starts, if there is one; `targetExists`: whether that file is there;
// `self`: this program's path.
StartupShortcut LookAtStartupShortcut(const std::optional<std::string>& target, bool targetExists,
                                      const std::string& self);

}  // namespace app

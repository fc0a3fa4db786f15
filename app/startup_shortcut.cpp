#include "app/startup_shortcut.h"

#include <algorithm>
#include <cctype>

namespace app {

namespace {

char Folded(char c) {
    if (c == '/') return '\\';
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

}  // namespace

std::string StartupShortcutPath(const std::string& startupFolder) {
    return startupFolder + "\\" + kStartupShortcutName;
}

bool SamePath(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return Folded(x) == Folded(y); });
}

StartupShortcut LookAtStartupShortcut(const std::optional<std::string>& target, bool targetExists,
                                      const std::string& self) {
    if (!target || target->empty()) return StartupShortcut::None;
    if (SamePath(*target, self)) return StartupShortcut::Ours;
    // A second copy elsewhere (a backup, a stick with the same program) does not take the
    // shortcut from the copy that is still there: only a target that is gone means a move.
    return targetExists ? StartupShortcut::OtherCopy : StartupShortcut::Moved;
}

}  // namespace app

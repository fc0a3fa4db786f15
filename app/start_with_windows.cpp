#include "app/start_with_windows.h"

#include "app/main_window.h"
#include "app/startup_shortcut.h"

namespace app {

namespace {

std::string ShortcutPath(Module& module) {
    const std::string folder = module.platform.specialFolder(platform::kStartupFolder);
    return folder.empty() ? std::string() : StartupShortcutPath(folder);
}

// The drive part of a path ("E:"), for the question.
std::string DriveOf(const std::string& path) {
    return path.size() >= 2 && path[1] == ':' ? path.substr(0, 2) : path;
}

platform::Status WriteOurShortcut(Module& module, const std::string& shortcut) {
    auto& platform = module.platform;
    // Windows always has the folder; a fresh profile under another shell may not yet.
    const std::string folder = shortcut.substr(0, shortcut.find_last_of('\\'));
    if (platform.files().entry(folder) == platform::EntryKind::None) {
        static_cast<void>(platform.files().createFolder(folder));
    }
    return platform.writeShortcut(shortcut, platform.programPath(), platform.programFolder());
}

bool Tick(Module& module) {
    auto& platform = module.platform;
    const std::string shortcut = ShortcutPath(module);
    const std::string self = platform.programPath();
    if (shortcut.empty() || self.empty()) {
        platform.showMessage(kProductName,
                             "Windows does not tell where your Startup folder is, so the program cannot start with "
                             "Windows.",
                             platform::MessageIcon::Stop);
        return false;
    }
    if (platform.driveIsRemovable(self) &&
        !platform.askYesNo(kProductName,
                           "The program runs from a removable drive (" + DriveOf(self) +
                               ").\r\n\r\nWindows can start it only while that drive is plugged in, under the same "
                               "drive letter; otherwise Windows reports a missing program at sign-in.\r\n\r\nStart "
                               "with Windows anyway?",
                           platform::MessageIcon::Question)) {
        return false;
    }
    if (const platform::Status written = WriteOurShortcut(module, shortcut); !written) {
        platform.showMessage(kProductName,
                             "The shortcut that starts the program with Windows could not be written:\r\n" + shortcut +
                                 "\r\n" + written.error + "\r\n\r\nThe program does not start with Windows.",
                             platform::MessageIcon::Stop);
        return false;
    }
    return true;
}

bool Untick(Module& module) {
    auto& platform = module.platform;
    const std::string shortcut = ShortcutPath(module);
    if (const platform::Status removed = platform.files().removeFile(shortcut); !removed) {
        platform.showMessage(kProductName,
                             "The shortcut that starts the program with Windows could not be removed:\r\n" + shortcut +
                                 "\r\n" + removed.error +
                                 "\r\n\r\nThe program still starts with Windows until that shortcut is deleted.",
                             platform::MessageIcon::Stop);
        return false;
    }
    return true;
}

// Whether the Startup folder holds a shortcut that starts this copy.
bool StartsWithWindows(Module& module) {
    const std::string shortcut = ShortcutPath(module);
    if (shortcut.empty()) return false;
    const std::optional<std::string> target = module.platform.readShortcut(shortcut);
    return target && SamePath(*target, module.platform.programPath());
}

}  // namespace

void LookAtStartWithWindows(Module& module) {
    auto& platform = module.platform;
    const std::string shortcut = ShortcutPath(module);
    bool starts = false;
    if (!shortcut.empty()) {
        const std::optional<std::string> target = platform.readShortcut(shortcut);
        const platform::EntryKind kind = target ? platform.files().entry(*target) : platform::EntryKind::None;
        const bool targetExists = kind == platform::EntryKind::File || kind == platform::EntryKind::HiddenFile;
        switch (LookAtStartupShortcut(target, targetExists, platform.programPath())) {
            case StartupShortcut::Ours:
                starts = true;
                break;
            case StartupShortcut::Moved:
                starts = static_cast<bool>(WriteOurShortcut(module, shortcut));
                break;
            case StartupShortcut::None:
            case StartupShortcut::OtherCopy:
                break;
        }
    }
    if (module.Diar) module.Diar->ChkStartup->setValue(starts ? 1 : 0);
}

void StartWithWindowsClicked(Module& module) {
    if (!module.Diar) return;
    platform::Control& box = *module.Diar->ChkStartup;
    const bool wanted = box.value() == 1;
    if (wanted == StartsWithWindows(module)) return;
    const bool done = wanted ? Tick(module) : Untick(module);
    // Setting the box back clicks it again, and finds it true.
    if (!done) box.setValue(wanted ? 0 : 1);
}

}  // namespace app

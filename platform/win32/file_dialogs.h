// The system's file choosers: a file to save, a file to open, a folder. Each runs modal on `owner`
// (which may be null) and answers nullopt when the user cancels or the system refuses.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "platform/platform.h"

namespace platform::win32 {

std::optional<std::string> RunSaveFileDialog(HWND owner, const FileChoice& choice);
std::optional<std::string> RunOpenFileDialog(HWND owner, const FileChoice& choice);
std::optional<std::string> RunFolderDialog(HWND owner, const std::string& title);

}  // namespace platform::win32

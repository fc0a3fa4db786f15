// Shell shortcuts (.lnk files) through the shell's own IShellLinkW and IPersistFile, so that the
// files are what Explorer and the Startup folder expect. COM must be initialised on the calling
// thread (Win32Platform does it for the user-interface thread).
#pragma once

#include <optional>
#include <string>

#include "platform/file_system.h"

namespace platform::win32 {

// The path the shortcut at `path` leads to, or nullopt when there is none or it cannot be read.
std::optional<std::string> ReadShortcut(const std::string& path);

// Writes a shortcut at `path` that starts `target` in `workingFolder`, replacing one there.
Status WriteShortcut(const std::string& path, const std::string& target, const std::string& workingFolder);

}  // namespace platform::win32

// The modal input box: a prompt, one line of text, OK and Cancel.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace platform::win32 {

// The typed text on OK; nullopt on Cancel, Esc or the close box. x, y: the box's top-left corner
// in screen pixels.
std::optional<std::string> RunInputBox(HWND owner, const std::string& prompt, const std::string& title,
                                       const std::string& initial, int x, int y);

}  // namespace platform::win32

// The Windows program: the platform of the real system, the program's start-up, then the message
// loop until the program ends itself.
#include <windows.h>

#include "app/startup.h"
#include "app/tray_icon.h"
#include "platform/win32/win32_platform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    platform::win32::Win32Platform platform(app::kApplicationTitle);
    app::Module module(platform);
    if (!app::Main(module)) return 0;
    return platform.runMessageLoop();
}

// The Windows program: the platform of the real system, the program's start-up, then the message
// loop until the program ends itself. With an export on its command line it runs that instead,
// without a window, and ends with the export's exit code.
#include <windows.h>

#include "app/data_file_names.h"
#include "app/startup.h"
#include "app/tray_icon.h"
#include "exchange/command_line.h"
#include "platform/win32/process.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_platform.h"

namespace {

// The exports only read the data files, so they run beside a running program too.
int RunExport(const exchange::Command& command) {
    platform::win32::Win32FileSystem files;
    const auto result = exchange::RunCommand(command, files, app::DataFolder(platform::win32::ProgramFolder()),
                                             platform::win32::UtcNow());
    platform::win32::WriteConsoleLine(result.message, result.exitCode != exchange::kExitDone);
    return result.exitCode;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const exchange::Command command = exchange::ParseCommandLine(platform::win32::CommandLineArguments());
    if (command.kind != exchange::CommandKind::RunProgram) return RunExport(command);
    platform::win32::Win32Platform platform(app::kApplicationTitle);
    app::Module module(platform);
    if (!app::Main(module)) return 0;
    return platform.runMessageLoop();
}

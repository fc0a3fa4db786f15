// Start-up facts and the screen as the Win32 platform reports them.
#include "platform/win32/win32_platform.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

constexpr char kTitle[] = "Win32 platform test";

TEST(Win32PlatformTest, ProgramFolderIsTheExecutablesFolder) {
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    const std::string path = module;
    platform::win32::Win32Platform platform(kTitle);
    const std::string folder = platform.programFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
    EXPECT_EQ(path.substr(0, folder.size() + 1), folder + "\\");
    EXPECT_EQ(path.find('\\', folder.size() + 1), std::string::npos);
    EXPECT_EQ(platform.programPath(), path);
}

TEST(Win32PlatformTest, ScreenHasTwipsAndWorkAreas) {
    platform::win32::Win32Platform platform(kTitle);
    const platform::ScreenInfo screen = platform.screen();
    HDC dc = GetDC(nullptr);
    const int dpiX = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(nullptr, dc);
    EXPECT_DOUBLE_EQ(screen.twipsPerPixelX, 1440.0 / dpiX);
    EXPECT_EQ(screen.width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_FALSE(screen.monitors.empty());
}

TEST(Win32PlatformTest, ClockIsTheLocalTime) {
    platform::win32::Win32Platform platform(kTitle);
    SYSTEMTIME before{};
    GetLocalTime(&before);
    const platform::DateTime now = platform.now();
    EXPECT_EQ(now.year, before.wYear);
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);
    EXPECT_GE(now.day, 1);
    EXPECT_LE(now.day, 31);
}

TEST(Win32PlatformTest, DesktopFolderHasNoTrailingBackslash) {
    platform::win32::Win32Platform platform(kTitle);
    const std::string desktop = platform.specialFolder(0);
    ASSERT_FALSE(desktop.empty());
    EXPECT_NE(desktop.back(), '\\');
    EXPECT_EQ(GetFileAttributesA(desktop.c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(platform.specialFolder(0x7FFF), "");  // no such folder
}

}  // namespace

namespace {

// This process's hidden application window (another run of the program may have one too).
HWND OwnApplicationWindow() {
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, "OrvaneNotesApplication", nullptr)) != nullptr) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId()) return window;
    }
    return nullptr;
}

TEST(Win32PlatformTest, ApplicationWindowCarriesTheTitleItWasGiven) {
    platform::win32::Win32Platform platform(kTitle);
    HWND application = OwnApplicationWindow();
    if (!application) GTEST_SKIP() << "no display to make windows on";
    char title[64] = {};
    GetWindowTextA(application, title, sizeof title);
    EXPECT_STREQ(title, kTitle);
}

TEST(Win32PlatformTest, SessionEndIsReportedOnceAndEndsTheLoop) {
    platform::win32::Win32Platform platform(kTitle);
    HWND application = OwnApplicationWindow();
    if (!application) GTEST_SKIP() << "no display to make windows on";
    int ends = 0;
    platform.onSessionEnd = [&ends] { ++ends; };

    EXPECT_TRUE(SendMessageA(application, WM_QUERYENDSESSION, 0, 0));
    SendMessageA(application, WM_ENDSESSION, FALSE, 0);  // the session goes on after all
    EXPECT_EQ(ends, 0);
    SendMessageA(application, WM_ENDSESSION, TRUE, 0);
    SendMessageA(application, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(ends, 1);
    MSG quit{};
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));  // the message loop ends
}

TEST(Win32PlatformTest, WakeUpsAndClockChangesReachEveryoneWhoFollowsThem) {
    platform::win32::Win32Platform platform(kTitle);
    HWND application = OwnApplicationWindow();
    if (!application) GTEST_SKIP() << "no display to make windows on";
    int resumes = 0;
    int otherResumes = 0;
    int clockChanges = 0;
    auto resumed = platform.onResume.add([&resumes] { ++resumes; });
    auto alsoResumed = platform.onResume.add([&otherResumes] { ++otherResumes; });
    auto clockChanged = platform.onClockChanged.add([&clockChanges] { ++clockChanges; });

    SendMessageA(application, WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
    EXPECT_EQ(resumes, 0);
    EXPECT_EQ(SendMessageA(application, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0), TRUE);
    EXPECT_EQ(resumes, 1);
    EXPECT_EQ(otherResumes, 1);
    EXPECT_EQ(clockChanges, 0);
    SendMessageA(application, WM_TIMECHANGE, 0, 0);
    EXPECT_EQ(clockChanges, 1);
    alsoResumed.reset();
    SendMessageA(application, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    EXPECT_EQ(resumes, 2);
    EXPECT_EQ(otherResumes, 1);
}

TEST(Win32PlatformTest, MonitorsAndWorkAreasThatChangeAreReported) {
    platform::win32::Win32Platform platform(kTitle);
    HWND application = OwnApplicationWindow();
    if (!application) GTEST_SKIP() << "no display to make windows on";
    int changes = 0;
    auto changed = platform.onDisplayChanged.add([&changes] { ++changes; });

    SendMessageA(application, WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
    EXPECT_EQ(changes, 1);
    SendMessageA(application, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    EXPECT_EQ(changes, 2);
    // Other settings leave the windows where they are.
    SendMessageA(application, WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, 0);
    EXPECT_EQ(changes, 2);
}

}  // namespace

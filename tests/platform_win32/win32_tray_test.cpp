// The notification-area icon against the shell: offered again when the taskbar comes back or a
// retry is due, never forgotten while shown, and never brought back once removed.
#include "platform/win32/win32_tray.h"

#include <gtest/gtest.h>
#include <shellapi.h>
#include <windows.h>

namespace {

using platform::win32::Win32Tray;

class Win32TrayTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!tray_.window()) GTEST_SKIP() << "no display to make windows on";
        if (!tray_.add(platform::Picture(16, 16, 0xFF3060A0u), "Orvane")) {
            tray_.remove();
            GTEST_SKIP() << "no notification area";
        }
    }
    void TearDown() override { tray_.remove(); }

    // What the shell itself holds: deleting the icon succeeds only when it is there.
    bool shellHasIcon() {
        NOTIFYICONDATAA data{};
        data.cbSize = NOTIFYICONDATAA_V1_SIZE;
        data.hWnd = tray_.window();
        data.uID = 1;
        return Shell_NotifyIconA(NIM_DELETE, &data) != FALSE;
    }
    void taskbarCreated() { SendMessageA(tray_.window(), RegisterWindowMessageA("TaskbarCreated"), 0, 0); }
    void retryDue() { SendMessageA(tray_.window(), WM_TIMER, 1, 0); }

    Win32Tray tray_{GetModuleHandleA(nullptr)};
};

TEST_F(Win32TrayTest, ShownIconSurvivesARetryAndANewTaskbar) {
    retryDue();  // a retry left over from an earlier refusal
    taskbarCreated();
    EXPECT_TRUE(tray_.remove());  // still known as shown, so removing really deletes it
    EXPECT_FALSE(shellHasIcon());
}

TEST_F(Win32TrayTest, RemovedIconStaysRemoved) {
    ASSERT_TRUE(tray_.remove());
    taskbarCreated();
    retryDue();
    EXPECT_FALSE(shellHasIcon());
    EXPECT_FALSE(tray_.remove());
}

}  // namespace

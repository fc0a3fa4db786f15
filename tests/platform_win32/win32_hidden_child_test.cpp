// A windowed element hidden while its form is hidden stays hidden when the form is shown.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/win32_form.h"
#include "platform/win32/win32_platform.h"

namespace {

TEST(Win32HiddenChild, ElementHiddenBeforeTheFormIsShownStaysHidden) {
    platform::win32::Win32Platform system{"Hidden child test"};
    auto form = system.createForm("FrmTest", "Test");
    form->setBounds({40, 40, 300, 200});
    auto& editor = form->add(platform::ControlKind::TextBox, "SviatkyEd", {10, 10, 200, 20});
    editor.setVisible(false);
    auto& line = form->add(platform::ControlKind::TextBox, "DenLine", 1, {10, 40, 200, 20});
    form->show();
    const HWND window = static_cast<platform::win32::Win32FormPeer&>(form->peer()).window();
    if (!window || !IsWindowVisible(window)) GTEST_SKIP() << "no display to make windows on";
    auto shownAt = [window](int x, int y) {
        const HWND child = ChildWindowFromPointEx(window, POINT{x, y}, CWP_SKIPINVISIBLE);
        return child && child != window;
    };
    EXPECT_FALSE(shownAt(15, 15));
    EXPECT_TRUE(shownAt(15, 45));
    EXPECT_TRUE(line.visible());
    editor.setVisible(true);
    EXPECT_TRUE(shownAt(15, 15));
}

}  // namespace

// A real window that reaches a monitor of another DPI: the form takes the DPI and the rectangle
// the system suggests in WM_DPICHANGED, lays itself out, and its text boxes take fonts made at the
// new DPI; a form that keeps its pixels stays as it is. Needs a display (Wine on a virtual one,
// which never sends the message itself: the test sends it as Windows would).
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "platform/win32/dpi.h"
#include "platform/win32/win32_form.h"
#include "platform/win32/win32_platform.h"
#include "platform_win32/can_make_windows.h"

namespace {

using platform::ControlKind;
using platform::Form;
using platform::Rect;
using platform::win32::kDpiChangedMessage;
using platform::win32::Win32FormPeer;
using platform::win32::Win32Platform;

class Win32DpiTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!CanMakeWindows()) GTEST_SKIP() << "no display to make windows on";
        form_ = platform_.createForm("FrmTest", "Test");
        form_->setBounds({40, 40, 300, 200});
        box_ = &form_->add(ControlKind::TextBox, "TxtFind", {10, 10, 200, 20});
        box_->setFont({"Tahoma", 10, false, 0});
        form_->show();
    }

    HWND formWindow() const { return static_cast<Win32FormPeer&>(form_->peer()).window(); }
    HWND boxWindow() const { return ChildWindowFromPointEx(formWindow(), POINT{11, 11}, CWP_ALL); }

    void sendDpiChange(int dpi, RECT suggested) const {
        SendMessageA(formWindow(), kDpiChangedMessage, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    }

    static Rect WindowRect(HWND window) {
        RECT r{};
        GetWindowRect(window, &r);
        return {r.left, r.top, r.right - r.left, r.bottom - r.top};
    }

    static int FontHeight(HWND window) {
        LOGFONTA font{};
        auto handle = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
        if (!handle || !GetObjectA(handle, sizeof font, &font)) return 0;
        return font.lfHeight;
    }

    static constexpr char kTitle[] = "Win32 DPI test";
    Win32Platform platform_{kTitle};
    std::unique_ptr<Form> form_;
    platform::Control* box_ = nullptr;
};

TEST_F(Win32DpiTest, AFormIsMadeAtItsMonitorsDpi) {
    EXPECT_EQ(form_->dpi(), platform::win32::WindowDpi(formWindow()));
    EXPECT_EQ(FontHeight(boxWindow()), -platform::FontPixelHeight(box_->font(), platform::win32::SystemDpi()));
}

TEST_F(Win32DpiTest, AFormThatFollowsItsDpiTakesTheSuggestedPlaceAndLaysItselfOut) {
    int seenDpi = 0;
    Rect seenBounds;
    form_->onDpiChanged = [&] {
        seenDpi = form_->dpi();
        seenBounds = form_->bounds();
        box_->setRect({15, 15, 300, 30});
    };
    HWND box = boxWindow();
    ASSERT_NE(box, formWindow());
    sendDpiChange(144, RECT{100, 80, 550, 380});

    EXPECT_EQ(seenDpi, 144);
    EXPECT_EQ(seenBounds, (Rect{100, 80, 450, 300}));
    EXPECT_EQ(WindowRect(formWindow()), (Rect{100, 80, 450, 300}));
    EXPECT_EQ(WindowRect(box), (Rect{115, 95, 300, 30}));
    EXPECT_EQ(FontHeight(box), -platform::FontPixelHeight(box_->font(), 144));
}

TEST_F(Win32DpiTest, AFormThatKeepsItsPixelsStaysAsItIs) {
    const int dpi = form_->dpi();
    const int fontHeight = FontHeight(boxWindow());
    sendDpiChange(dpi * 2, RECT{100, 80, 700, 480});
    EXPECT_EQ(form_->dpi(), dpi);
    EXPECT_EQ(form_->bounds(), (Rect{40, 40, 300, 200}));
    EXPECT_EQ(WindowRect(formWindow()), (Rect{40, 40, 300, 200}));
    EXPECT_EQ(FontHeight(boxWindow()), fontHeight);
}

}  // namespace

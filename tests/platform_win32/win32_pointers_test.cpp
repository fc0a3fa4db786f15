// The mouse pointers: the hand over clickable images is the program's own cursor resource.
#include <gtest/gtest.h>

#include "app/hand_cursor.h"
#include "platform/win32/handles.h"
#include "platform/win32/pointers.h"
#include "platform/win32/resource_ids.h"
#include "platform/win32/win32_form.h"
#include "platform/win32/win32_platform.h"

namespace {

using platform::Cursor;
using platform::win32::GdiObjectDeleter;
using platform::win32::PointerFor;
using platform::win32::Unique;

TEST(Win32Pointers, HandIsTheProgramsOwnCursorWithItsHotSpot) {
    const HCURSOR own = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(ORVANE_HAND_CURSOR));
    ASSERT_NE(own, nullptr) << "the hand cursor resource is missing";
    const HCURSOR hand = PointerFor(Cursor::Hand);
    EXPECT_EQ(hand, own);
    EXPECT_NE(PointerFor(Cursor::Arrow), hand);

    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(hand, &info));
    const Unique<HGDIOBJ, GdiObjectDeleter> colour(info.hbmColor);
    const Unique<HGDIOBJ, GdiObjectDeleter> mask(info.hbmMask);
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, static_cast<DWORD>(app::kHandCursorHotSpot.x));
    EXPECT_EQ(info.yHotspot, static_cast<DWORD>(app::kHandCursorHotSpot.y));
}

TEST(Win32Pointers, FormShowsTheHandOnlyOverAnElementThatAsksForIt) {
    platform::win32::Win32Platform system{"Pointer test"};
    auto form = system.createForm("FrmTest", "Test");
    form->setBounds({40, 40, 300, 200});
    form->add(platform::ControlKind::Image, "Plus", {20, 20, 50, 15}).setCursor(Cursor::Hand);
    form->show();
    const HWND window = static_cast<platform::win32::Win32FormPeer&>(form->peer()).window();
    if (!window) GTEST_SKIP() << "no display to make windows on";
    auto pointerAt = [window](int x, int y) {
        POINT at{x, y};
        ClientToScreen(window, &at);
        SetCursorPos(at.x, at.y);
        SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    EXPECT_EQ(pointerAt(30, 25), PointerFor(Cursor::Hand));
    EXPECT_EQ(pointerAt(150, 150), PointerFor(Cursor::Arrow));
}

}  // namespace

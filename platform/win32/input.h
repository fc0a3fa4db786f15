// Mouse and keyboard state as the program's handlers receive it.
#pragma once

#include <windows.h>
#include <windowsx.h>

#include "platform/types.h"

namespace platform::win32 {

inline int KeyboardShift() {
    return (GetKeyState(VK_SHIFT) < 0 ? kShift : 0) | (GetKeyState(VK_CONTROL) < 0 ? kCtrl : 0) |
           (GetKeyState(VK_MENU) < 0 ? kAlt : 0);
}

inline int MouseShift(WPARAM keys) {
    return ((keys & MK_SHIFT) ? kShift : 0) | ((keys & MK_CONTROL) ? kCtrl : 0) | (GetKeyState(VK_MENU) < 0 ? kAlt : 0);
}

inline int HeldButtons(WPARAM keys) {
    return ((keys & MK_LBUTTON) ? kLeftButton : 0) | ((keys & MK_RBUTTON) ? kRightButton : 0) |
           ((keys & MK_MBUTTON) ? kMiddleButton : 0);
}

enum class MouseAction { None, Down, Up, DoubleClick, Move };

struct MouseMessage {
    MouseAction action = MouseAction::None;
    int button = 0;
};

inline MouseMessage ClassifyMouse(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
            return {MouseAction::Down, kLeftButton};
        case WM_RBUTTONDOWN:
            return {MouseAction::Down, kRightButton};
        case WM_MBUTTONDOWN:
            return {MouseAction::Down, kMiddleButton};
        case WM_LBUTTONUP:
            return {MouseAction::Up, kLeftButton};
        case WM_RBUTTONUP:
            return {MouseAction::Up, kRightButton};
        case WM_MBUTTONUP:
            return {MouseAction::Up, kMiddleButton};
        case WM_LBUTTONDBLCLK:
            return {MouseAction::DoubleClick, kLeftButton};
        case WM_RBUTTONDBLCLK:
            return {MouseAction::DoubleClick, kRightButton};
        case WM_MBUTTONDBLCLK:
            return {MouseAction::DoubleClick, kMiddleButton};
        case WM_MOUSEMOVE:
            return {MouseAction::Move, 0};
        default:
            return {};
    }
}

inline MouseEvent MouseAt(int button, WPARAM wParam, LPARAM lParam) {
    return MouseEvent{button, MouseShift(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

}  // namespace platform::win32

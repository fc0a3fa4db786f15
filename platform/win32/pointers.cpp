#include "platform/win32/pointers.h"

#include "platform/win32/resource_ids.h"

namespace platform::win32 {

namespace {

HCURSOR SystemPointer(LPCSTR id) {
    return LoadCursorA(nullptr, id);
}

HCURSOR HandPointer() {
    static const HCURSOR hand = [] {
        HCURSOR own = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(ORVANE_HAND_CURSOR));
        return own ? own : SystemPointer(reinterpret_cast<LPCSTR>(IDC_HAND));
    }();
    return hand;
}

}  // namespace

HCURSOR PointerFor(Cursor cursor) {
    switch (cursor) {
        case Cursor::Hand:
            return HandPointer();
        case Cursor::SizeNwSe:
            return SystemPointer(reinterpret_cast<LPCSTR>(IDC_SIZENWSE));
        case Cursor::Arrow:
            break;
    }
    return SystemPointer(reinterpret_cast<LPCSTR>(IDC_ARROW));
}

}  // namespace platform::win32

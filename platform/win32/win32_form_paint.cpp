// The painting of a Win32 form: its windowless elements and resting text boxes drawn into one
// picture, the picture boxes, and the colours of the child windows the system paints.
#include <algorithm>

#include "platform/win32/gdi.h"
#include "platform/win32/win32_form.h"
#include "platform/win32/win32_platform.h"

namespace platform::win32 {

namespace {

RECT ToRect(const Rect& r) {
    return RECT{r.x, r.y, r.x + r.w, r.y + r.h};
}

UINT DrawAlignment(Align alignment) {
    switch (alignment) {
        case Align::Right:
            return DT_RIGHT;
        case Align::Center:
            return DT_CENTER;
        case Align::Left:
            break;
    }
    return DT_LEFT;
}

}  // namespace

// The pixels a control covers; a line's rect holds its end point as an offset.
RECT Win32FormPeer::PaintedArea(const Control& control) {
    const Rect r = control.rect();
    if (control.kind() != ControlKind::Line) return ToRect(r);
    return RECT{std::min(r.x, r.x + r.w), std::min(r.y, r.y + r.h), std::max(r.x, r.x + r.w) + 1,
                std::max(r.y, r.y + r.h) + 1};
}

void Win32FormPeer::invalidateControl(const Control& control) {
    const RECT now = PaintedArea(control);
    auto before = paintedRect_.find(&control);
    if (before != paintedRect_.end()) {
        markStale(before->second);
        before->second = now;
    } else {
        paintedRect_.emplace(&control, now);
    }
    markStale(now);
}

// A hidden window is painted whole when it is shown: telling the system of each change would
// only cost time, and a lot of it when a whole year view is refilled.
void Win32FormPeer::markStale(const RECT& area) {
    if (keptDc_) UnionRect(&stale_, &stale_, &area);
    if (IsWindowVisible(window_)) InvalidateRect(window_, &area, FALSE);
}

// Every element paints its whole area: erasing first would only show as flicker.
LRESULT Win32FormPeer::onEraseBackground() {
    return 1;
}

LRESULT Win32FormPeer::onPaint() {
    PaintScope scope(window_);
    const RECT& area = scope.area();
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return 0;
    if (form_.drawsAhead()) {
        if (updateKeptDrawing(scope.dc())) {
            BitBlt(scope.dc(), area.left, area.top, width, height, keptDc_.get(), area.left, area.top, SRCCOPY);
        }
        return 0;
    }
    // Drawn off screen first, so that overlapping elements never flicker.
    UniqueMemoryDc buffer(CreateCompatibleDC(scope.dc()));
    UniqueBitmap canvas(CreateCompatibleBitmap(scope.dc(), area.right, area.bottom));
    if (!buffer || !canvas) return 0;
    Selection selected(buffer.get(), canvas.get());
    drawControls(buffer.get(), area);
    BitBlt(scope.dc(), area.left, area.top, width, height, buffer.get(), area.left, area.top, SRCCOPY);
    return 0;
}

// Draws the background and every windowless control over `area`, and nothing outside it.
void Win32FormPeer::drawControls(HDC dc, const RECT& area) {
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    FillSolid(dc, area, ToGdiColor(form_.backColor()));
    for (const auto& control : form_.controls()) {
        if (!control->visible()) continue;
        const Child* child = control->windowed() ? childFor(*control) : nullptr;
        if (control->windowed() && !(child && child->window && resting(*child))) continue;
        RECT overlap{};
        const RECT painted = PaintedArea(*control);
        if (IntersectRect(&overlap, &painted, &area)) paintControl(dc, *control);
    }
    RestoreDC(dc, saved);
}

// Brings the kept drawing up to date with the controls, drawing again only what changed.
bool Win32FormPeer::updateKeptDrawing(HDC screen) {
    RECT client{};
    GetClientRect(window_, &client);
    if (client.right <= 0 || client.bottom <= 0) return false;
    if (!keptDc_ || keptSize_.cx != client.right || keptSize_.cy != client.bottom) {
        keptDc_.reset();
        keptBitmap_.reset(CreateCompatibleBitmap(screen, client.right, client.bottom));
        if (!keptBitmap_) return false;
        keptDc_.reset(CreateCompatibleDC(screen));
        if (!keptDc_) return false;
        SelectObject(keptDc_.get(), keptBitmap_.get());
        keptSize_ = SIZE{client.right, client.bottom};
        stale_ = client;
    }
    if (!IsRectEmpty(&stale_)) drawControls(keptDc_.get(), stale_);
    stale_ = RECT{};
    return true;
}

HBITMAP Win32FormPeer::paintedBitmap(const Control& control, HDC dc) {
    PaintedPicture& cached = paintedPictures_[&control];
    if (cached.source != control.picture() || !cached.bitmap) {
        cached.source = control.picture();
        cached.bitmap = cached.source ? PictureBitmap(dc, *cached.source, true) : nullptr;
    }
    return cached.bitmap.get();
}

void Win32FormPeer::paintControl(HDC dc, const Control& control) {
    const RECT area = ToRect(control.rect());
    paintedRect_[&control] = PaintedArea(control);
    switch (control.kind()) {
        case ControlKind::Label: {
            if (!control.transparent()) FillSolid(dc, area, ToGdiColor(control.backColor()));
            Selection font(dc, platform_.fonts().get(control.font(), fontDpi()));
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, ToGdiColor(control.foreColor()));
            RECT textArea = area;
            DrawTextA(dc, control.caption().c_str(), static_cast<int>(control.caption().size()), &textArea,
                      DT_WORDBREAK | DT_NOPREFIX | DrawAlignment(control.alignment()));
            if (control.border()) FrameSolid(dc, area, RGB(0, 0, 0));
            break;
        }
        case ControlKind::Image: {
            if (const auto& picture = control.picture()) {
                DrawPicture(dc, paintedBitmap(control, dc), *picture, area, control.stretch());
            }
            if (control.border()) FrameSolid(dc, area, RGB(0, 0, 0));
            break;
        }
        case ControlKind::Line: {
            const Rect r = control.rect();
            UniquePen pen(CreatePen(PS_SOLID, 1, ToGdiColor(control.borderColor())));
            Selection selected(dc, pen.get());
            MoveToEx(dc, r.x, r.y, nullptr);
            LineTo(dc, r.x + r.w, r.y + r.h);
            SetPixelV(dc, r.x + r.w, r.y + r.h, ToGdiColor(control.borderColor()));  // LineTo stops short
            break;
        }
        case ControlKind::Shape: {
            if (!control.transparent()) FillSolid(dc, area, ToGdiColor(control.backColor()));
            FrameSolid(dc, area, ToGdiColor(control.borderColor()));
            break;
        }
        case ControlKind::TextBox:
            if (const Child* child = childFor(control)) paintRestingTextBox(dc, *child);
            break;
        default:
            break;
    }
}

// Drawn as the box's own window draws it while it has no focus: its text from the same place.
void Win32FormPeer::paintRestingTextBox(HDC dc, const Child& child) {
    const Control& control = *child.control;
    const RECT area = ToRect(control.rect());
    FillSolid(dc, area, ToGdiColor(control.backColor()));
    RECT format{};
    SendMessageA(child.window, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    OffsetRect(&format, area.left, area.top);
    IntersectRect(&format, &format, &area);
    const std::string shown = text(control);
    Selection font(dc, platform_.fonts().get(control.font(), fontDpi()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToGdiColor(control.foreColor()));
    DrawTextA(dc, shown.c_str(), static_cast<int>(shown.size()), &format,
              DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS | DrawAlignment(child.alignment));
}

LRESULT Win32FormPeer::onChildEraseBackground(const ChildMessage& m) {
    if (m.pictureBox()) return 1;
    return m.passOn();
}

LRESULT Win32FormPeer::onChildPaint(const ChildMessage& m) {
    if (!m.pictureBox()) return m.passOn();
    paintPictureBox(m.window, m.child);
    return 0;
}

void Win32FormPeer::paintPictureBox(HWND window, Child& child) {
    PaintScope scope(window);
    const Control& control = *child.control;
    RECT client{};
    GetClientRect(window, &client);
    FillSolid(scope.dc(), client, ToGdiColor(control.backColor()));
    if (child.pictureSource) {
        if (!child.picture) child.picture = PictureBitmap(scope.dc(), *child.pictureSource, true);
        DrawPicture(scope.dc(), child.picture.get(), *child.pictureSource, client, control.stretch());
    }
    if (control.border()) FrameSolid(scope.dc(), client, RGB(0, 0, 0));
}

LRESULT Win32FormPeer::onCtlColor(UINT message, HDC dc, HWND childWindow) {
    Child* child = RecordOf<Child>(childWindow);
    if (!child)
        return DefWindowProcA(window_, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(childWindow));
    const COLORREF back = ToGdiColor(child->control->backColor());
    SetTextColor(dc, ToGdiColor(child->control->foreColor()));
    SetBkColor(dc, back);
    return reinterpret_cast<LRESULT>(platform_.brushes().get(back));
}

}  // namespace platform::win32

#include "platform/win32/win32_form.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/dpi.h"
#include "platform/win32/gdi.h"
#include "platform/win32/input.h"
#include "platform/win32/pointers.h"
#include "platform/win32/tooltip_text.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/window_proc.h"

namespace platform::win32 {

namespace {

constexpr char kFormClass[] = "OrvaneNotesForm";
constexpr char kPictureBoxClass[] = "OrvaneNotesPictureBox";
// The system procedure of a subclassed child; kept on the window so that it outlives our record.
constexpr char kOriginalProc[] = "OrvaneNotes.OriginalProc";

DWORD AlignmentStyle(Align alignment) {
    switch (alignment) {
        case Align::Right:
            return ES_RIGHT;
        case Align::Center:
            return ES_CENTER;
        case Align::Left:
            break;
    }
    return ES_LEFT;
}

// Posted to a new form, so that what it can do ahead (its child windows, its drawing) is done
// once the program is idle instead of while it starts.
constexpr UINT kPrepareWhileIdle = WM_APP + 2;

HINSTANCE ThisModule() {
    return GetModuleHandleA(nullptr);
}

}  // namespace

void Win32FormPeer::RegisterClasses(HINSTANCE instance) {
    WNDCLASSEXA form{};
    form.cbSize = sizeof form;
    form.style = CS_DBLCLKS;
    form.lpfnWndProc = FormProc;
    form.hInstance = instance;
    form.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    form.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    form.lpszClassName = kFormClass;
    RegisterClassChecked(form);

    WNDCLASSEXA pictureBox{};
    pictureBox.cbSize = sizeof pictureBox;
    pictureBox.style = CS_DBLCLKS;
    pictureBox.lpfnWndProc = ChildProc;
    pictureBox.hInstance = instance;
    pictureBox.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    pictureBox.lpszClassName = kPictureBoxClass;
    RegisterClassChecked(pictureBox);
}

Win32FormPeer::Win32FormPeer(Win32Platform& platform, Form& form) : platform_(platform), form_(form) {
    const Rect b = form.bounds();
    shownTitle_ = form.title();
    paintedBackColor_ = form.backColor();
    // A form without a window answers every later call from the model alone: say so here, once.
    const std::string what = "form " + form.name();
    window_ = CreateWindowChecked(what.c_str(), WS_EX_TOOLWINDOW, kFormClass, shownTitle_.c_str(),
                                  WS_POPUP | WS_CLIPCHILDREN, b.x, b.y, b.w, b.h, nullptr, ThisModule(), this);
    form.setDpi(window_ ? WindowDpi(window_) : platform.systemDpi());
}

HWND Win32FormPeer::tooltipWindow() {
    if (tooltip_ || !window_) return tooltip_.get();
    // Not owned by the form: Wine does not make a window top-most above a top-most popup it owns.
    const std::string what = "the tooltips of form " + form_.name();
    tooltip_.reset(CreateWindowChecked(what.c_str(), WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                       WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, nullptr, ThisModule(), nullptr));
    if (tooltip_) SendMessageA(tooltip_.get(), TTM_SETMAXTIPWIDTH, 0, kTooltipWidth);
    return tooltip_.get();
}

Win32FormPeer::~Win32FormPeer() {
    detachAndDestroy();
}

void Win32FormPeer::detachAndDestroy() {
    HWND window = forgetWindows();
    if (window) DestroyWindow(window);
}

// From here on no message may reach the program: the form may be half destroyed. Each text box
// keeps what its window holds, so that the model never reads the text of a window that is gone.
HWND Win32FormPeer::forgetWindows() {
    platform_.formGone(this);
    if (!window_) return nullptr;
    for (auto& child : children_) forgetChildWindow(*child);
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    HWND window = window_;
    window_ = nullptr;
    tooltip_.reset();
    return window;
}

void Win32FormPeer::forgetChildWindow(Child& child) {
    if (!child.window) return;
    if (child.control->kind() == ControlKind::TextBox && IsWindow(child.window)) {
        child.keptText = text(*child.control);
    }
    SetWindowLongPtrA(child.window, GWLP_USERDATA, 0);
    if (lastFocus_ == child.window) lastFocus_ = nullptr;
    child.window = nullptr;
}

// ---- window procedures ----------------------------------------------------------------------

LRESULT CALLBACK Win32FormPeer::FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Guarded(
        "form window", message,
        [&]() -> LRESULT {
            if (message == WM_NCCREATE) {
                auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
                auto* peer = static_cast<Win32FormPeer*>(create->lpCreateParams);
                peer->window_ = window;
                SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(peer));
            }
            auto* peer = RecordOf<Win32FormPeer>(window);
            if (!peer || peer->window_ != window) return DefWindowProcA(window, message, wParam, lParam);
            return peer->handleForm(message, wParam, lParam);
        },
        // A close request whose handler failed still destroys nothing.
        [&]() -> LRESULT { return message == WM_CLOSE ? 0 : DefWindowProcA(window, message, wParam, lParam); });
}

LRESULT CALLBACK Win32FormPeer::ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Guarded(
        "control window", message,
        [&]() -> LRESULT {
            Child* child = RecordOf<Child>(window);
            if (child) {
                auto* peer = RecordOf<Win32FormPeer>(GetParent(window));
                if (peer) return peer->handleChild(ChildMessage{window, *child, message, wParam, lParam});
            }
            return ChildDefault(window, message, wParam, lParam);
        },
        []() -> LRESULT { return 0; });
}

LRESULT Win32FormPeer::ChildDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsWindow(window)) return 0;
    auto original = reinterpret_cast<WNDPROC>(GetPropA(window, kOriginalProc));
    const LRESULT result = original ? CallWindowProcA(original, window, message, wParam, lParam)
                                    : DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) RemovePropA(window, kOriginalProc);
    return result;
}

// ---- the form window's messages ---------------------------------------------------------------

// Every call into the program is the last thing a handler does with `this`: a handler of the
// program may close or destroy the form.
LRESULT Win32FormPeer::handleForm(UINT message, WPARAM wParam, LPARAM lParam) {
    const MouseMessage mouse = ClassifyMouse(message);
    switch (mouse.action) {
        case MouseAction::Down:
        case MouseAction::DoubleClick:
            return onPress(message, mouse, wParam, lParam);
        case MouseAction::Move:
            return onMouseMove(wParam, lParam);
        case MouseAction::Up:
            return onMouseUp(mouse.button, wParam, lParam);
        case MouseAction::None:
            break;
    }
    switch (message) {
        case WM_ERASEBKGND:
            return onEraseBackground();
        case WM_PAINT:
            return onPaint();
        case kPrepareWhileIdle:
            return onPrepareWhileIdle();
        case WM_SETCURSOR:
            return onSetCursor(wParam, lParam);
        case WM_TIMER:
            return onTimer(wParam);
        case WM_COMMAND:
            return onCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        case WM_CLOSE:
            return onClose();
        case WM_DESTROY:
            return onDestroy();
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return onCtlColor(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_ACTIVATE:
            return onActivate(LOWORD(wParam));
        case kDpiChangedMessage:
            return onDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        default:
            return DefWindowProcA(window_, message, wParam, lParam);
    }
}

LRESULT Win32FormPeer::onPress(UINT message, const MouseMessage& mouse, WPARAM wParam, LPARAM lParam) {
    const MouseEvent e = MouseAt(mouse.button, wParam, lParam);
    // A press on a resting text box is the box's own: it wakes, and its window takes the press.
    if (Child* child = restingChildAt(e.x, e.y)) {
        wake(*child);
        const Rect r = child->control->rect();
        return SendMessageA(child->window, message, wParam, MAKELPARAM(e.x - r.x, e.y - r.y));
    }
    SetCapture(window_);
    if (mouse.action == MouseAction::DoubleClick) {
        form_.deliverDblClick(e.button, e.shift, e.x, e.y);
    } else {
        form_.deliverMouseDown(e.button, e.shift, e.x, e.y);
    }
    return 0;
}

LRESULT Win32FormPeer::onMouseMove(WPARAM wParam, LPARAM lParam) {
    const MouseEvent e = MouseAt(HeldButtons(wParam), wParam, lParam);
    // A resting text box wakes as the pointer comes over it, so that the system sees the clicks
    // that follow, a double click's too, as its own window's.
    if (e.button == 0) {
        if (Child* child = restingChildAt(e.x, e.y)) wake(*child);
    }
    form_.deliverMouseMove(e.button, e.shift, e.x, e.y);
    return 0;
}

LRESULT Win32FormPeer::onMouseUp(int button, WPARAM wParam, LPARAM lParam) {
    if (HeldButtons(wParam) == 0 && GetCapture() == window_) ReleaseCapture();
    const MouseEvent e = MouseAt(button, wParam, lParam);
    form_.deliverMouseUp(e.button, e.shift, e.x, e.y);
    return 0;
}

LRESULT Win32FormPeer::onPrepareWhileIdle() {
    makeChildWindows();
    if (!form_.drawsAhead() || IsWindowVisible(window_)) return 0;
    WindowDc screen(window_);
    if (screen.get()) updateKeptDrawing(screen.get());
    return 0;
}

LRESULT Win32FormPeer::onSetCursor(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(lParam) == HTCLIENT && setCursorFor(reinterpret_cast<HWND>(wParam))) return TRUE;
    return DefWindowProcA(window_, WM_SETCURSOR, wParam, lParam);
}

LRESULT Win32FormPeer::onTimer(UINT_PTR id) {
    for (const auto& timer : form_.timers()) {
        if (reinterpret_cast<UINT_PTR>(timer.get()) != id) continue;
        if (timer->enabled() && timer->onTick) {
            auto tick = timer->onTick;  // the handler may replace itself
            tick();
        }
        return 0;
    }
    KillTimer(window_, id);
    return 0;
}

LRESULT Win32FormPeer::onCommand(HWND from, UINT code) {
    Child* child = RecordOf<Child>(from);
    if (!child) return 0;
    Control& control = *child->control;
    if (code == EN_CHANGE && control.kind() == ControlKind::TextBox) {
        // The user's change, by any means; the program's own setText is quiet.
        if (quietText_ == 0) form_.deliverTextChange(control);
    } else if (code == BN_CLICKED && control.kind() == ControlKind::CheckBox) {
        // A check box does not switch itself: the model decides. A click of the mouse reaches the
        // model as its press and release; this is the space bar's click.
        if (buttonReleasing_ != child->window) form_.deliverKeyboardClick(control);
    }
    return 0;
}

// Alt+F4 and the like: the form answers; the window is never destroyed by it.
LRESULT Win32FormPeer::onClose() {
    form_.deliverCloseRequest();
    return 0;
}

// Only the system destroys a window that is still ours (the program unhooks it first): keep what
// the text boxes hold and forget every window.
LRESULT Win32FormPeer::onDestroy() {
    forgetWindows();
    return 0;
}

LRESULT Win32FormPeer::onActivate(UINT state) {
    if (state == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (RecordOf<Child>(focus) && GetParent(focus) == window_) lastFocus_ = focus;
        return 0;
    }
    // A plain window would take the focus itself; give it back to the element that had it, or to
    // the first one that can take it, as a dialog does.
    HWND target = lastFocus_;
    if (!target || !IsWindow(target) || GetParent(target) != window_ || !IsWindowVisible(target)) {
        target = firstFocusable();
    }
    if (target) SetFocus(target);
    if (form_.onActivate) {
        auto activate = form_.onActivate;
        activate();
    }
    return 0;
}

// ---- a control window's messages --------------------------------------------------------------

// The mouse is only translated: the form decides focus, click and double click.
LRESULT Win32FormPeer::handleChild(const ChildMessage& m) {
    const MouseMessage mouse = ClassifyMouse(m.message);
    switch (mouse.action) {
        case MouseAction::Down:
        case MouseAction::DoubleClick:
            return onChildPress(m, mouse);
        case MouseAction::Move:
            return onChildMouseMove(m);
        case MouseAction::Up:
            return onChildMouseUp(m, mouse.button);
        case MouseAction::None:
            break;
    }
    switch (m.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            return onChildKeyDown(m);
        case WM_CHAR:
            return onChildChar(m);
        case WM_SETFOCUS:
            return onChildSetFocus(m);
        case WM_KILLFOCUS:
            return onChildKillFocus(m);
        case WM_GETDLGCODE:
            return onChildGetDlgCode(m);
        case WM_DESTROY:
            return onChildDestroy(m);
        case WM_ERASEBKGND:
            return onChildEraseBackground(m);
        case WM_PAINT:
            return onChildPaint(m);
        default:
            return m.passOn();
    }
}

LRESULT Win32FormPeer::onChildPress(const ChildMessage& m, const MouseMessage& mouse) {
    if (m.pictureBox()) {
        SetCapture(m.window);
    } else {
        // The box's own press first: the caret, the pushed look, its capture.
        m.passOn();
        if (!RecordOf<Child>(m.window)) return 0;  // a focus handler removed it
    }
    Control& control = *m.child.control;
    const MouseEvent e = MouseAt(mouse.button, m.wParam, m.lParam);
    if (mouse.action == MouseAction::DoubleClick) {
        form_.deliverDblClick(control, e.button, e.shift, e.x, e.y);
    } else {
        form_.deliverMouseDown(control, e.button, e.shift, e.x, e.y);
    }
    return 0;
}

LRESULT Win32FormPeer::onChildMouseMove(const ChildMessage& m) {
    if (!m.pictureBox()) m.passOn();
    if (!RecordOf<Child>(m.window)) return 0;
    const MouseEvent e = MouseAt(HeldButtons(m.wParam), m.wParam, m.lParam);
    form_.deliverMouseMove(*m.child.control, e.button, e.shift, e.x, e.y);
    return 0;
}

LRESULT Win32FormPeer::onChildMouseUp(const ChildMessage& m, int button) {
    if (m.pictureBox()) {
        if (HeldButtons(m.wParam) == 0 && GetCapture() == m.window) ReleaseCapture();
    } else {
        buttonReleasing_ = m.window;
        m.passOn();
        buttonReleasing_ = nullptr;
    }
    if (!RecordOf<Child>(m.window)) return 0;
    const MouseEvent e = MouseAt(button, m.wParam, m.lParam);
    form_.deliverMouseUp(*m.child.control, e.button, e.shift, e.x, e.y);
    return 0;
}

LRESULT Win32FormPeer::onChildKeyDown(const ChildMessage& m) {
    const Control& control = *m.child.control;
    if (control.onKeyDown) control.onKeyDown(static_cast<int>(m.wParam), KeyboardShift());
    return m.passOn();
}

LRESULT Win32FormPeer::onChildChar(const ChildMessage& m) {
    const Control& control = *m.child.control;
    int character = static_cast<int>(m.wParam & 0xFF);
    if (control.onKeyPress) control.onKeyPress(character);
    if (character == 0) return 0;
    return ChildDefault(m.window, m.message, static_cast<WPARAM>(character & 0xFF), m.lParam);
}

LRESULT Win32FormPeer::onChildSetFocus(const ChildMessage& m) {
    wake(m.child);  // given the focus by the system, on the form's activation
    const LRESULT result = m.passOn();
    if (RecordOf<Child>(m.window)) form_.focusMoved(m.child.control);
    return result;
}

LRESULT Win32FormPeer::onChildKillFocus(const ChildMessage& m) {
    const LRESULT result = m.passOn();
    // Between two elements of this form the new one's WM_SETFOCUS reports the move.
    HWND to = reinterpret_cast<HWND>(m.wParam);
    const bool sibling = to && GetParent(to) == window_ && RecordOf<Child>(to);
    if (!sibling && form_.focused() == m.child.control) form_.focusMoved(nullptr);
    return result;
}

LRESULT Win32FormPeer::onChildGetDlgCode(const ChildMessage& m) {
    if (m.pictureBox()) return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
    return m.passOn();
}

// The system destroys the window (the program unhooks a window before it does): the control
// keeps its text and no longer has a window.
LRESULT Win32FormPeer::onChildDestroy(const ChildMessage& m) {
    forgetChildWindow(m.child);
    return m.passOn();
}

// ---- children ---------------------------------------------------------------------------------

Win32FormPeer::Child* Win32FormPeer::childFor(const Control& control) const {
    auto found = childByControl_.find(&control);
    return found == childByControl_.end() ? nullptr : found->second;
}

void Win32FormPeer::createChildWindow(Child& child) {
    const Control& control = *child.control;
    const Rect r = control.rect();
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (control.visible() && !resting(child) ? WS_VISIBLE : 0);
    const char* windowClass = kPictureBoxClass;
    std::string initialText;
    switch (control.kind()) {
        case ControlKind::TextBox:
            windowClass = "EDIT";
            style |= AlignmentStyle(control.alignment());
            style |= control.multiLine() ? (ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL) : ES_AUTOHSCROLL;
            if (control.readOnly()) style |= ES_READONLY | (control.multiLine() ? WS_VSCROLL : 0);
            child.multiLine = control.multiLine();
            child.readOnly = control.readOnly();
            child.alignment = control.alignment();
            break;
        case ControlKind::CheckBox:
            windowClass = "BUTTON";
            style |= BS_CHECKBOX;  // switched by the model, not by itself
            initialText = control.caption();
            break;
        default:
            break;
    }
    const std::string what =
        "control " + control.name() + "(" + std::to_string(control.index()) + ") of form " + form_.name();
    ++quietText_;
    child.window = CreateWindowChecked(what.c_str(), 0, windowClass, initialText.c_str(), style, r.x, r.y, r.w, r.h,
                                       window_, ThisModule(), nullptr);
    --quietText_;
    if (!child.window) return;
    child.font = nullptr;
    if (windowClass != kPictureBoxClass) {
        SetPropA(child.window, kOriginalProc, reinterpret_cast<HANDLE>(GetWindowLongPtrA(child.window, GWLP_WNDPROC)));
        SetWindowLongPtrA(child.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ChildProc));
    }
    SetWindowLongPtrA(child.window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&child));
    placeInOrder(child);
    applyChild(child);
    if (control.kind() == ControlKind::TextBox && !child.keptText.empty()) {
        // The text last, after the size and the font: an edit box lays its text out again at
        // each, and a long wrapped text takes it seconds.
        ++quietText_;
        SetWindowTextA(child.window, child.keptText.c_str());
        --quietText_;
    }
    if (resting(child)) invalidateControl(control);
}

// The text boxes of a form that draws ahead rest as drawings in the form's picture, their windows
// hidden, until the user or the program first puts the focus in one: a calendar's month of diary
// lines then comes up as one picture instead of thirty-one windows that paint themselves one by
// one. A single-line box only: its look is plain text on its colour.
bool Win32FormPeer::resting(const Child& child) const {
    const Control& control = *child.control;
    return !child.awake && form_.drawsAhead() && control.kind() == ControlKind::TextBox && !control.multiLine();
}

void Win32FormPeer::wake(Child& child) {
    if (child.awake) return;
    child.awake = true;
    if (child.window && child.control->visible()) ShowWindow(child.window, SW_SHOWNA);
}

Win32FormPeer::Child* Win32FormPeer::restingChildAt(int x, int y) const {
    const Control* hit = form_.hitTest(x, y);
    Child* child = hit ? childFor(*hit) : nullptr;
    return child && child->window && resting(*child) ? child : nullptr;
}

// Later elements lie above earlier ones, as in the form's hit test; the system would put a new
// window below its siblings, and a remade text box would lose its place.
void Win32FormPeer::placeInOrder(const Child& child) {
    const auto& controls = form_.controls();
    auto at = std::find_if(controls.begin(), controls.end(),
                           [&child](const auto& control) { return control.get() == child.control; });
    HWND below = HWND_TOP;
    for (auto later = at == controls.end() ? at : std::next(at); later != controls.end(); ++later) {
        const Child* above = childFor(**later);
        if (above && above->window) {
            below = above->window;
            break;
        }
    }
    SetWindowPos(child.window, below, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32FormPeer::destroyChildWindow(Child& child) {
    HWND window = child.window;
    forgetChildWindow(child);
    if (window) DestroyWindow(window);
}

// A form that was never shown needs neither its child windows nor its tooltips yet: making them
// is most of the cost of a large form, and the program starts hidden in the tray. They are made
// when the program is first idle, or at once when the form is shown or a text box's selection is
// set before then.
void Win32FormPeer::makeChildWindows() {
    if (childWindowsMade_ || !window_) return;
    childWindowsMade_ = true;
    for (auto& child : children_) {
        if (!child->window) createChildWindow(*child);
    }
    for (const auto& control : form_.controls()) updateTool(*control);
}

void Win32FormPeer::applyChild(Child& child) {
    const Control& control = *child.control;
    HWND window = child.window;
    const Rect r = control.rect();
    SetWindowPos(window, nullptr, r.x, r.y, r.w, r.h, SWP_NOZORDER | SWP_NOACTIVATE);
    HFONT font = platform_.fonts().get(control.font(), fontDpi());
    if (font != child.font) {
        child.font = font;
        SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    switch (control.kind()) {
        case ControlKind::TextBox:
            SendMessageA(window, EM_LIMITTEXT, static_cast<WPARAM>(std::max(0, control.maxLength())), 0);
            break;
        case ControlKind::CheckBox: {
            char shown[512] = {};
            GetWindowTextA(window, shown, sizeof shown);
            if (control.caption() != shown) SetWindowTextA(window, control.caption().c_str());
            const WPARAM state = control.value() == 1   ? BST_CHECKED
                                 : control.value() == 2 ? BST_INDETERMINATE
                                                        : BST_UNCHECKED;
            if (static_cast<WPARAM>(SendMessageA(window, BM_GETCHECK, 0, 0)) != state) {
                SendMessageA(window, BM_SETCHECK, state, 0);
            }
            break;
        }
        case ControlKind::PictureBox:
            if (child.pictureSource != control.picture()) {
                child.pictureSource = control.picture();
                child.picture.reset();
            }
            break;
        default:
            break;
    }
    // The child's own flag: IsWindowVisible is false for every child of a hidden form, and a child
    // hidden then would come up with the form.
    const bool shown = (GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) != 0;
    const bool wanted = control.visible() && !resting(child);
    if (wanted != shown) {
        if (!wanted && GetFocus() == window) SetFocus(window_);
        ShowWindow(window, wanted ? SW_SHOWNA : SW_HIDE);
    }
    if (IsWindowVisible(window)) InvalidateRect(window, nullptr, TRUE);
}

void Win32FormPeer::controlAdded(Control& control) {
    if (!window_) return;
    if (form_.controls().size() == 1) PostMessageA(window_, kPrepareWhileIdle, 0, 0);
    if (control.windowed()) {
        children_.push_back(std::make_unique<Child>());
        Child& child = *children_.back();
        child.control = &control;
        childByControl_[&control] = &child;
        if (childWindowsMade_) createChildWindow(child);
    } else {
        invalidateControl(control);
    }
    updateTool(control);
}

void Win32FormPeer::controlChanged(Control& control) {
    if (!window_) return;
    if (Child* child = childFor(control)) {
        const bool restyle = control.kind() == ControlKind::TextBox && child->window &&
                             (child->multiLine != control.multiLine() || child->alignment != control.alignment() ||
                              child->readOnly != control.readOnly());
        if (restyle) {
            // An edit window keeps its line mode, alignment and read-only look for life: make a new one in its place,
            // with the same text, selection and focus, without telling the program of the swap.
            const bool focused = GetFocus() == child->window;
            DWORD start = 0;
            DWORD end = 0;
            SendMessageA(child->window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            destroyChildWindow(*child);
            createChildWindow(*child);
            if (child->window) {
                SendMessageA(child->window, EM_SETSEL, start, static_cast<LPARAM>(end));
                if (focused && control.visible()) {
                    SetWindowLongPtrA(child->window, GWLP_USERDATA, 0);
                    SetFocus(child->window);
                    SetWindowLongPtrA(child->window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(child));
                }
            }
        } else if (child->window) {
            applyChild(*child);
            if (resting(*child)) invalidateControl(control);
        }
    } else {
        invalidateControl(control);
        paintedPictures_.erase(&control);
    }
    updateTool(control);
}

// ---- the form ---------------------------------------------------------------------------------

void Win32FormPeer::formChanged() {
    if (!window_) return;
    const Rect b = form_.bounds();
    RECT now{};
    GetWindowRect(window_, &now);
    // Most changes are of the colour or the title: a window moved in place still costs a trip to the
    // display.
    if (Rect{now.left, now.top, now.right - now.left, now.bottom - now.top} != b) {
        SetWindowPos(window_, nullptr, b.x, b.y, b.w, b.h, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (form_.title() != shownTitle_) {
        shownTitle_ = form_.title();
        SetWindowTextA(window_, shownTitle_.c_str());
    }
    if (form_.backColor() != paintedBackColor_) {
        paintedBackColor_ = form_.backColor();
        RECT client{};
        GetClientRect(window_, &client);
        markStale(client);
    }
}

// The form lays itself out again; the elements that did not move still take the fonts made at
// the new DPI, and the whole window is drawn again. A form that keeps its pixels (a note) is left
// where it is: the system only suggests.
LRESULT Win32FormPeer::onDpiChanged(int dpi, const RECT& suggested) {
    if (!form_.followsDpi()) return 0;
    form_.deliverDpiChange(
        dpi, {suggested.left, suggested.top, suggested.right - suggested.left, suggested.bottom - suggested.top});
    if (!window_) return 0;
    for (auto& child : children_) {
        if (child->window) applyChild(*child);
    }
    paintedPictures_.clear();
    RECT client{};
    GetClientRect(window_, &client);
    markStale(client);
    return 0;
}

int Win32FormPeer::fontDpi() const {
    return form_.followsDpi() ? form_.dpi() : platform_.systemDpi();
}

void Win32FormPeer::showChanged() {
    if (!window_) return;
    if (form_.visible()) {
        makeChildWindows();
        // Shown without the system's erasing of every child window one by one (most of the time a
        // large form took to come up); every element paints its whole area anyway.
        SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW | SWP_NOREDRAW);
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
        platform_.formShown(this);
    } else {
        ShowWindow(window_, SW_HIDE);
    }
}

void Win32FormPeer::topMostChanged() {
    if (!window_) return;
    SetWindowPos(window_, form_.topMost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void Win32FormPeer::opacityChanged() {
    if (!window_) return;
    const LONG style = GetWindowLongA(window_, GWL_EXSTYLE);
    SetWindowLongA(window_, GWL_EXSTYLE, style | WS_EX_LAYERED);
    SetLayeredWindowAttributes(window_, 0, static_cast<BYTE>(form_.opacity()), LWA_ALPHA);
}

void Win32FormPeer::bringToFront() {
    if (!window_) return;
    // A hidden window only takes its place: made active, it would take the keys typed elsewhere.
    const UINT activation = IsWindowVisible(window_) ? 0 : SWP_NOACTIVATE;
    SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | activation);
    if (form_.visible()) platform_.formShown(this);
}

void Win32FormPeer::close() {
    detachAndDestroy();
}

// ---- text, selection, focus, timers -----------------------------------------------------------

std::string Win32FormPeer::text(const Control& control) {
    Child* child = childFor(control);
    if (!child) return {};
    // A window that is gone has no text to read: an empty answer would be saved over the note.
    if (!child->window || !IsWindow(child->window)) return child->keptText;
    const int length = GetWindowTextLengthA(child->window);
    std::string text(static_cast<std::size_t>(std::max(0, length)) + 1, '\0');
    const int got = GetWindowTextA(child->window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(0, got)));
    return text;
}

void Win32FormPeer::setText(Control& control, const std::string& text) {
    Child* child = childFor(control);
    if (!child) return;
    if (child->window && IsWindow(child->window)) {
        ++quietText_;  // the program's own change is no change by the user
        SetWindowTextA(child->window, text.c_str());
        --quietText_;
        if (resting(*child)) invalidateControl(control);
    } else {
        child->keptText = text;
    }
}

void Win32FormPeer::select(Control& control, int start, int length) {
    makeChildWindows();
    Child* child = childFor(control);
    if (!child || !child->window) return;
    SendMessageA(child->window, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(start + length));
    SendMessageA(child->window, EM_SCROLLCARET, 0, 0);
}

int Win32FormPeer::selectionStart(const Control& control) {
    Child* child = childFor(control);
    if (!child || !child->window) return 0;
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(child->window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(start);
}

int Win32FormPeer::selectionLength(const Control& control) {
    Child* child = childFor(control);
    if (!child || !child->window) return 0;
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(child->window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

bool Win32FormPeer::setFocus(Control& control) {
    Child* child = childFor(control);
    if (!window_ || !child || !child->window || !form_.visible() || !control.visible()) return false;
    HWND window = child->window;
    wake(*child);
    SetFocus(window);
    if (GetFocus() != window) return false;
    // Already focused windows get no WM_SETFOCUS; the model must still agree.
    if (form_.focused() != &control) form_.focusMoved(&control);
    return true;
}

void Win32FormPeer::timerChanged(Timer& timer) {
    if (!window_) return;
    const auto id = reinterpret_cast<UINT_PTR>(&timer);
    if (timer.enabled() && timer.interval() > 0) {
        SetTimer(window_, id, static_cast<UINT>(timer.interval()), nullptr);
    } else {
        KillTimer(window_, id);
    }
}

HWND Win32FormPeer::firstFocusable() const {
    for (const auto& control : form_.controls()) {
        Child* child = childFor(*control);
        if (child && child->window && control->visible()) return child->window;
    }
    return nullptr;
}

// ---- cursors and tooltips ---------------------------------------------------------------------

bool Win32FormPeer::setCursorFor(HWND over) {
    Cursor cursor = Cursor::Arrow;
    if (over == window_) {
        POINT at{};
        GetCursorPos(&at);
        ScreenToClient(window_, &at);
        if (const Control* hit = form_.hitTest(at.x, at.y)) cursor = hit->cursor();
        if (cursor == Cursor::Arrow && restingChildAt(at.x, at.y)) {
            SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_IBEAM)));  // as over its window
            return true;
        }
    } else if (Child* child = RecordOf<Child>(over)) {
        cursor = child->control->cursor();
        if (cursor == Cursor::Arrow) return false;  // the child's own pointer (an I-beam in text)
    } else {
        return false;
    }
    SetCursor(PointerFor(cursor));
    return true;
}

void Win32FormPeer::updateTool(const Control& control) {
    if (!childWindowsMade_) return;
    HWND tooltip = tooltipWindow();
    if (!tooltip) return;
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = window_;
    auto registered = toolIds_.find(&control);
    if (registered != toolIds_.end()) {
        tool.uId = registered->second;
        SendMessageA(tooltip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        toolIds_.erase(registered);
    }
    if (!control.visible() || control.tooltip().empty()) return;
    Child* child = childFor(control);
    if (child) {
        if (!child->window) return;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.uId = reinterpret_cast<UINT_PTR>(child->window);
    } else {
        tool.uFlags = TTF_SUBCLASS;
        tool.uId = reinterpret_cast<UINT_PTR>(&control);
        tool.rect = PaintedArea(control);
    }
    std::string text = WrappedTipText(tooltip, control.tooltip(), kTooltipWidth - kTooltipSlack);
    tool.lpszText = text.data();
    if (SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool))) toolIds_[&control] = tool.uId;
}

}  // namespace platform::win32

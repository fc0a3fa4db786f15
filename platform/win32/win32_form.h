// A form as a real window: a borderless top-level window that paints its windowless controls
// itself and gives each text box, picture box and check box a child window of its own.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/win32/handles.h"

namespace platform::win32 {

class Win32Platform;
struct MouseMessage;

class Win32FormPeer : public FormPeer {
public:
    Win32FormPeer(Win32Platform& platform, Form& form);
    ~Win32FormPeer() override;
    Win32FormPeer(const Win32FormPeer&) = delete;
    Win32FormPeer& operator=(const Win32FormPeer&) = delete;

    // The widest a tooltip grows, in pixels; longer tips wrap.
    static constexpr int kTooltipWidth = 400;

    // Registers the window classes of forms and picture boxes once per run.
    static void RegisterClasses(HINSTANCE instance);

    HWND window() const { return window_; }

    void controlAdded(Control& control) override;
    void controlChanged(Control& control) override;
    void formChanged() override;
    void showChanged() override;
    void topMostChanged() override;
    void opacityChanged() override;
    void bringToFront() override;
    void close() override;
    std::string text(const Control& control) override;
    void setText(Control& control, const std::string& text) override;
    void select(Control& control, int start, int length) override;
    int selectionStart(const Control& control) override;
    int selectionLength(const Control& control) override;
    bool setFocus(Control& control) override;
    void timerChanged(Timer& timer) override;

private:
    // The child window of a windowed control. Records live as long as the peer; a text box whose
    // style must change gets a new window in the same record.
    struct Child {
        Control* control = nullptr;
        HWND window = nullptr;
        bool multiLine = false;  // the look the window was made with
        bool readOnly = false;
        Align alignment = Align::Left;
        HFONT font = nullptr;
        std::string keptText;  // the text once the window is gone
        bool awake = false;    // used once: a text box that may rest no longer does
        std::shared_ptr<const Picture> pictureSource;
        UniqueBitmap picture;  // premultiplied copy of pictureSource, for picture boxes
    };
    struct PaintedPicture {
        std::shared_ptr<const Picture> source;
        UniqueBitmap bitmap;
    };

    // A message to a control's window, kept whole so that its handler can hand it on to the
    // window's own procedure.
    struct ChildMessage {
        HWND window;
        Child& child;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;

        bool pictureBox() const { return child.control->kind() == ControlKind::PictureBox; }
        LRESULT passOn() const { return ChildDefault(window, message, wParam, lParam); }
    };

    static LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT ChildDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // What a window of ours carries: a form window its peer, a control's window its Child. None
    // for a window that is gone or that the program has let go.
    template <typename Record>
    static Record* RecordOf(HWND window) {
        if (!window || !IsWindow(window)) return nullptr;
        return reinterpret_cast<Record*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    }

    // The form window's messages.
    LRESULT handleForm(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onPress(UINT message, const MouseMessage& mouse, WPARAM wParam, LPARAM lParam);
    LRESULT onMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT onMouseUp(int button, WPARAM wParam, LPARAM lParam);
    LRESULT onEraseBackground();
    LRESULT onPaint();
    LRESULT onPrepareWhileIdle();
    LRESULT onSetCursor(WPARAM wParam, LPARAM lParam);
    LRESULT onTimer(UINT_PTR id);
    LRESULT onCommand(HWND from, UINT code);
    LRESULT onClose();
    LRESULT onDestroy();
    LRESULT onCtlColor(UINT message, HDC dc, HWND childWindow);
    LRESULT onActivate(UINT state);
    LRESULT onDpiChanged(int dpi, const RECT& suggested);
    // Fonts follow the monitor's DPI in a form that follows it, else the system's.
    int fontDpi() const;

    // A control window's messages.
    LRESULT handleChild(const ChildMessage& m);
    LRESULT onChildPress(const ChildMessage& m, const MouseMessage& mouse);
    LRESULT onChildMouseMove(const ChildMessage& m);
    LRESULT onChildMouseUp(const ChildMessage& m, int button);
    LRESULT onChildKeyDown(const ChildMessage& m);
    LRESULT onChildChar(const ChildMessage& m);
    LRESULT onChildSetFocus(const ChildMessage& m);
    LRESULT onChildKillFocus(const ChildMessage& m);
    LRESULT onChildGetDlgCode(const ChildMessage& m);
    LRESULT onChildDestroy(const ChildMessage& m);
    LRESULT onChildEraseBackground(const ChildMessage& m);
    LRESULT onChildPaint(const ChildMessage& m);

    void makeChildWindows();
    bool resting(const Child& child) const;
    void wake(Child& child);
    Child* restingChildAt(int x, int y) const;
    void createChildWindow(Child& child);
    void destroyChildWindow(Child& child);
    void placeInOrder(const Child& child);
    void applyChild(Child& child);
    Child* childFor(const Control& control) const;
    void detachAndDestroy();
    HWND forgetWindows();
    void forgetChildWindow(Child& child);
    void updateTool(const Control& control);
    HWND tooltipWindow();
    HWND firstFocusable() const;
    bool setCursorFor(HWND over);

    // Painting, in win32_form_paint.cpp with the handlers of the painting messages.
    static RECT PaintedArea(const Control& control);
    void invalidateControl(const Control& control);
    void markStale(const RECT& area);
    bool updateKeptDrawing(HDC screen);
    void drawControls(HDC dc, const RECT& area);
    void paintControl(HDC dc, const Control& control);
    void paintRestingTextBox(HDC dc, const Child& child);
    void paintPictureBox(HWND window, Child& child);
    HBITMAP paintedBitmap(const Control& control, HDC dc);

    Win32Platform& platform_;
    Form& form_;
    HWND window_ = nullptr;
    UniqueWindow tooltip_;  // made with the first tooltip
    bool childWindowsMade_ = false;
    HWND lastFocus_ = nullptr;
    ColorRef paintedBackColor_ = 0;
    std::string shownTitle_;
    std::vector<std::unique_ptr<Child>> children_;
    std::map<const Control*, Child*> childByControl_;
    std::map<const Control*, RECT> paintedRect_;
    std::map<const Control*, PaintedPicture> paintedPictures_;
    // The drawing of a form that draws ahead, and the part of it the controls have changed since.
    // The bitmap is declared first so that it outlives the DC it is selected into.
    UniqueBitmap keptBitmap_;
    UniqueMemoryDc keptDc_;
    SIZE keptSize_{};
    RECT stale_{};
    std::map<const Control*, UINT_PTR> toolIds_;
    HWND buttonReleasing_ = nullptr;  // the check box whose release the system is handling
    int quietText_ = 0;               // >0 while the program itself sets a text box's text
};

}  // namespace platform::win32

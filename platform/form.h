// Forms and their controls: the one model of the program's windows that both backends show.
//
// A Form is a borderless top-level window. Its controls sit at pixel positions in its client
// area. Labels, images, lines and shapes are windowless: the form paints and hit-tests them.
// Text boxes, picture boxes and check boxes are windowed: the backend gives each a window of its
// own, which owns the text and the keyboard focus. Every property lives here; the backend is told
// of each change through FormPeer and only asks back what the user can change (text, focus).
//
// One input path: a backend only translates what the system reports (a press, a release, a
// double click, a typed change, a close request) into a `deliver...` call of the form; the form
// alone decides what that means for every kind of control, so a headless test of a click, a
// double click or a drag shows what the real program does.
//
// Handler conventions:
// - A handler may change, hide, show or close its own form, and move the focus. Closing is the
//   last thing it does with the form's controls: after `close()` the form fires nothing more for
//   the event that is running (no click after a mouse-up that closed it). A form is never
//   destroyed (deleted) from inside one of its own handlers.
// - A press gives a windowed control the keyboard focus before its `onMouseDown` runs. A release
//   fires `onMouseUp`, then `onClick` when the press and the release were on the same element and
//   the pointer is still on it; a check box's click changes its value first (`setValue` fires its
//   `onClick`). A double click is press, release (a click), then `onDblClick` on the second press,
//   and its release is only a mouse-up: it fires no second click. A check box has no double click:
//   the second press is a press, and it switches again.
// - The focus leaving a control (`onLostFocus`) is where an edit commits: hiding the focused
//   control, hiding or closing its form, and any press elsewhere move the focus and so commit.
// - `onChange` reports a change of a text box's text by the user, by any means; `setText` by the
//   program fires nothing.
// - A close request from the system (Alt+F4) goes to `onCloseRequest`; the form is never destroyed
//   by it, and without a handler nothing happens.
// - A form that follows its monitor's DPI sets `onDpiChanged`: when the window reaches a monitor
//   of another DPI it first takes the new DPI and the bounds the system suggests, then the handler
//   lays the elements out again. A form without the handler keeps its DPI and its pixels (the
//   desktop notes store pixels), and the backend makes its fonts at the system's DPI.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/types.h"

namespace platform {

enum class ControlKind { Label, Image, Line, Shape, TextBox, PictureBox, CheckBox };

// Alignment numbers as the settings and note records store them.
enum class Align { Left = 0, Right = 1, Center = 2 };

enum class Cursor { Arrow, Hand, SizeNwSe };

class Form;
class Control;
class Timer;

// What a backend does for a form. The headless backend keeps state in memory; the Win32
// backend keeps a window per form and per windowed control.
class FormPeer {
public:
    virtual ~FormPeer() = default;

    virtual void controlAdded(Control& control) = 0;
    // A property of the control changed (geometry, look, visibility, caption...).
    virtual void controlChanged(Control& control) = 0;
    virtual void formChanged() = 0;  // bounds, colour, title
    virtual void showChanged() = 0;
    virtual void topMostChanged() = 0;
    virtual void opacityChanged() = 0;
    virtual void bringToFront() = 0;
    virtual void close() = 0;

    // Windowed text: the backend's control owns the text while the user edits.
    virtual std::string text(const Control& control) = 0;
    virtual void setText(Control& control, const std::string& text) = 0;
    virtual void select(Control& control, int start, int length) = 0;
    virtual int selectionStart(const Control& control) = 0;
    virtual int selectionLength(const Control& control) = 0;

    // Moves the keyboard focus; false when the control cannot take it (hidden form or control).
    virtual bool setFocus(Control& control) = 0;

    virtual void timerChanged(Timer& timer) = 0;
};

class Control {
public:
    Control(Form& form, ControlKind kind, std::string name, int index, Rect rect);

    Form& form() const { return form_; }
    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }
    bool windowed() const;

    Rect rect() const { return rect_; }
    void setRect(Rect rect);
    void move(int x, int y);
    void resize(int w, int h);
    // A line's end points (a line's rect holds x1, y1 and the offsets to x2, y2).
    void setLine(int x1, int y1, int x2, int y2);

    bool visible() const { return visible_; }
    void setVisible(bool visible);

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);

    // Text boxes.
    std::string text() const;
    void setText(const std::string& text);
    int maxLength() const { return maxLength_; }
    void setMaxLength(int length);
    bool multiLine() const { return multiLine_; }
    void setMultiLine(bool multiLine);
    // A read-only box shows its text, which the user may select and copy but not change; a
    // multi-line one has a vertical scroll bar.
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly);
    void select(int start, int length);
    int selectionStart() const;
    int selectionLength() const;

    ColorRef foreColor() const { return foreColor_; }
    void setForeColor(ColorRef color);
    ColorRef backColor() const { return backColor_; }
    void setBackColor(ColorRef color);
    bool transparent() const { return transparent_; }  // labels: no background painted
    void setTransparent(bool transparent);

    const Font& font() const { return font_; }
    void setFont(const Font& font);
    void setBold(bool bold);
    void setFontName(const std::string& name);
    void setFontSize(double size);

    Align alignment() const { return alignment_; }
    void setAlignment(Align alignment);

    const std::string& tooltip() const { return tooltip_; }
    void setTooltip(const std::string& tooltip);

    // Images and picture boxes; a null picture shows nothing.
    const std::shared_ptr<const Picture>& picture() const;
    void setPicture(std::shared_ptr<const Picture> picture);
    // A picture drawn when it is first needed (painted or read): the artwork of a form that starts
    // hidden is then drawn while the program is idle, not while it starts.
    void setPictureDrawnLater(std::function<std::shared_ptr<const Picture>()> draw);
    bool stretch() const { return stretch_; }
    void setStretch(bool stretch);

    // A single fixed border line around the element.
    bool border() const { return border_; }
    void setBorder(bool border);
    ColorRef borderColor() const { return borderColor_; }
    void setBorderColor(ColorRef color);

    // Check boxes: 0 unchecked, 1 checked, 2 greyed.
    int value() const { return value_; }
    void setValue(int value);

    Cursor cursor() const { return cursor_; }
    void setCursor(Cursor cursor);

    bool setFocus();
    bool hasFocus() const;

    std::function<void(const MouseEvent&)> onMouseDown;
    std::function<void(const MouseEvent&)> onMouseMove;
    std::function<void(const MouseEvent&)> onMouseUp;
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void(int key, int shift)> onKeyDown;
    std::function<void(int& character)> onKeyPress;  // set the character to 0 to swallow it
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;
    // Text boxes: the user changed the text by any means (a key, paste, cut, undo); setText from
    // the program does not fire it.
    std::function<void()> onChange;

private:
    void changed();

    Form& form_;
    ControlKind kind_;
    std::string name_;
    int index_;
    Rect rect_;
    bool visible_ = true;
    std::string caption_;
    std::string text_;  // used only until the backend owns the text
    int maxLength_ = 0;
    bool multiLine_ = false;
    bool readOnly_ = false;
    ColorRef foreColor_ = 0;
    ColorRef backColor_ = 0xFFFFFF;
    bool transparent_ = true;
    Font font_;
    Align alignment_ = Align::Left;
    std::string tooltip_;
    mutable std::shared_ptr<const Picture> picture_;
    mutable std::function<std::shared_ptr<const Picture>()> drawPicture_;
    bool stretch_ = false;
    bool border_ = false;
    ColorRef borderColor_ = 0;
    int value_ = 0;
    Cursor cursor_ = Cursor::Arrow;
};

class Timer {
public:
    Timer(Form& form, std::string name, int intervalMs);

    const std::string& name() const { return name_; }
    int interval() const { return interval_; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    void start() { setEnabled(true); }
    void stop() { setEnabled(false); }

    std::function<void()> onTick;

private:
    Form& form_;
    std::string name_;
    int interval_;
    bool enabled_ = false;
};

class Form {
public:
    Form(std::string name, std::string title);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // The backend attaches itself once, right after creating the form.
    void attach(std::unique_ptr<FormPeer> peer);
    FormPeer& peer() const { return *peer_; }

    const std::string& name() const { return name_; }
    const std::string& title() const { return title_; }
    void setTitle(const std::string& title);

    Control& add(ControlKind kind, const std::string& name, int index, Rect rect);
    Control& add(ControlKind kind, const std::string& name, Rect rect) { return add(kind, name, 0, rect); }
    Control* find(const std::string& name, int index = 0) const;
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    Timer& addTimer(const std::string& name, int intervalMs);
    Timer* findTimer(const std::string& name) const;
    const std::vector<std::unique_ptr<Timer>>& timers() const { return timers_; }

    // Screen pixels of the whole (borderless) window.
    Rect bounds() const { return bounds_; }
    void setBounds(Rect bounds);
    void move(int x, int y);
    void resize(int w, int h);

    ColorRef backColor() const { return backColor_; }
    void setBackColor(ColorRef color);

    bool visible() const { return visible_; }
    void show();
    void hide();
    bool closed() const { return closed_; }
    void close();

    bool topMost() const { return topMost_; }
    void setTopMost(bool topMost);
    void bringToFront();

    // A large form that must show at once: the backend keeps its drawing between paints and
    // draws it ahead while the form is still hidden, at the cost of a bitmap of its size.
    bool drawsAhead() const { return drawsAhead_; }
    void setDrawsAhead(bool drawsAhead) { drawsAhead_ = drawsAhead; }

    // Layered (translucent) window: once layered, a window stays layered.
    bool layered() const { return layered_; }
    int opacity() const { return opacity_; }
    void setLayeredOpacity(int alpha);

    Control* focused() const { return focused_; }

    // Pixels per inch of the monitor the window is on: 96 at 100%, 144 at 150%. The backend sets
    // it when it makes the window; afterwards only `deliverDpiChange` changes it.
    static constexpr int kDefaultDpi = 96;
    int dpi() const { return dpi_; }
    void setDpi(int dpi) { dpi_ = dpi; }
    bool followsDpi() const { return static_cast<bool>(onDpiChanged); }

    // Background (client area outside every control) and window-wide events.
    std::function<void(const MouseEvent&)> onMouseDown;
    std::function<void(const MouseEvent&)> onMouseMove;
    std::function<void(const MouseEvent&)> onMouseUp;
    std::function<void()> onClick;
    std::function<void()> onResize;
    std::function<void()> onActivate;
    // The user asked the window to close (Alt+F4, the taskbar). The form is never destroyed by
    // the request: without a handler nothing happens; a handler hides or closes it itself.
    std::function<void()> onCloseRequest;
    // The window is now on a monitor of another DPI: `dpi()` and `bounds()` are already the new ones.
    std::function<void()> onDpiChanged;

    // Routing of mouse input, shared by both backends. Without a control: a message of the form's
    // own window, in client coordinates; the element under the pointer is hit-tested. With a
    // control: a message of that windowed control's own window, in coordinates relative to it. A
    // press captures its element (or the background) until the release.
    Control* hitTest(int x, int y) const;
    void deliverMouseDown(int button, int shift, int x, int y);
    void deliverMouseMove(int buttons, int shift, int x, int y);
    void deliverMouseUp(int button, int shift, int x, int y);
    void deliverDblClick(int button, int shift, int x, int y);
    void deliverMouseDown(Control& on, int button, int shift, int x, int y);
    void deliverMouseMove(Control& on, int buttons, int shift, int x, int y);
    void deliverMouseUp(Control& on, int button, int shift, int x, int y);
    void deliverDblClick(Control& on, int button, int shift, int x, int y);
    // A click without the mouse: the space bar on a check box.
    void deliverKeyboardClick(Control& control);
    // The user changed a text box's text (a key, paste, cut, undo...).
    void deliverTextChange(Control& control);
    // The user asked the window to close (Alt+F4, the taskbar, the system menu).
    void deliverCloseRequest();
    // The window reached a monitor of `dpi`; `suggested` is the place and size the system
    // proposes for it there, in screen pixels. Ignored by a form that does not follow its DPI.
    void deliverDpiChange(int dpi, Rect suggested);

    // Focus bookkeeping, called by the backends when the focus really moves.
    void focusMoved(Control* to);
    // Moves the focus to the next (or previous) visible windowed control in element order, from
    // the focused one, wrapping around: the tab order. False when no other control takes it.
    bool focusNext(bool backwards = false);

private:
    void dispatchMouse(Control* target, const std::function<void(const MouseEvent&)>& formHandler, int button,
                       int shift, int x, int y);
    void pressOn(Control* target, int button, int shift, int x, int y);
    void moveOn(Control* overTarget, int buttons, int shift, int x, int y);
    void releaseOn(Control* overTarget, int button, int shift, int x, int y);
    void doubleClickOn(Control* target, int button, int shift, int x, int y);
    void click(Control& control);

    std::string name_;
    std::string title_;
    std::unique_ptr<FormPeer> peer_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<std::unique_ptr<Timer>> timers_;
    Rect bounds_;
    ColorRef backColor_ = 0x8000000F;
    bool visible_ = false;
    bool closed_ = false;
    bool topMost_ = false;
    bool layered_ = false;
    bool drawsAhead_ = false;
    int opacity_ = 255;
    int dpi_ = kDefaultDpi;
    Control* focused_ = nullptr;
    Control* captured_ = nullptr;
    bool backgroundCaptured_ = false;
    Control* pressedOn_ = nullptr;    // the element pressed, until the release: its click
    bool backgroundPressed_ = false;  // the background pressed, until the release: its click
};

}  // namespace platform

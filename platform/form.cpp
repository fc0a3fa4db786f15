#include "platform/form.h"

#include <algorithm>
#include <utility>

namespace platform {

Control::Control(Form& form, ControlKind kind, std::string name, int index, Rect rect)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index), rect_(rect) {
    if (kind == ControlKind::TextBox || kind == ControlKind::CheckBox || kind == ControlKind::PictureBox) {
        transparent_ = false;
    }
}

bool Control::windowed() const {
    return kind_ == ControlKind::TextBox || kind_ == ControlKind::PictureBox || kind_ == ControlKind::CheckBox;
}

void Control::changed() {
    form_.peer().controlChanged(*this);
}

void Control::setRect(Rect rect) {
    if (rect == rect_) return;
    rect_ = rect;
    changed();
}

void Control::move(int x, int y) {
    setRect({x, y, rect_.w, rect_.h});
}
void Control::resize(int w, int h) {
    setRect({rect_.x, rect_.y, w, h});
}
void Control::setLine(int x1, int y1, int x2, int y2) {
    setRect({x1, y1, x2 - x1, y2 - y1});
}

void Control::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    // Hiding the focused control moves the focus away, which commits its edit.
    if (!visible && form_.focused() == this) form_.focusMoved(nullptr);
    changed();
}

void Control::setCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    changed();
}

std::string Control::text() const {
    return form_.peer().text(*this);
}

void Control::setText(const std::string& text) {
    std::string cut = text;
    if (maxLength_ > 0 && static_cast<int>(cut.size()) > maxLength_) cut.resize(static_cast<std::size_t>(maxLength_));
    form_.peer().setText(*this, cut);
}

void Control::setMaxLength(int length) {
    maxLength_ = length;
    changed();
}

void Control::setMultiLine(bool multiLine) {
    multiLine_ = multiLine;
    changed();
}

void Control::setReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    changed();
}

void Control::select(int start, int length) {
    form_.peer().select(*this, start, length);
}
int Control::selectionStart() const {
    return form_.peer().selectionStart(*this);
}
int Control::selectionLength() const {
    return form_.peer().selectionLength(*this);
}

void Control::setForeColor(ColorRef color) {
    if (color == foreColor_) return;
    foreColor_ = color;
    changed();
}

void Control::setBackColor(ColorRef color) {
    if (color == backColor_ && !transparent_) return;
    backColor_ = color;
    if (kind_ == ControlKind::Label || kind_ == ControlKind::Shape) transparent_ = false;
    changed();
}

void Control::setTransparent(bool transparent) {
    transparent_ = transparent;
    changed();
}

void Control::setFont(const Font& font) {
    if (font == font_) return;
    font_ = font;
    changed();
}

void Control::setBold(bool bold) {
    Font f = font_;
    f.bold = bold;
    setFont(f);
}

void Control::setFontName(const std::string& name) {
    Font f = font_;
    f.name = name;
    setFont(f);
}

void Control::setFontSize(double size) {
    Font f = font_;
    f.size = size;
    setFont(f);
}

void Control::setAlignment(Align alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    changed();
}

void Control::setTooltip(const std::string& tooltip) {
    if (tooltip == tooltip_) return;
    tooltip_ = tooltip;
    changed();
}

const std::shared_ptr<const Picture>& Control::picture() const {
    if (drawPicture_) {
        auto draw = std::move(drawPicture_);
        drawPicture_ = nullptr;
        picture_ = draw();
    }
    return picture_;
}

void Control::setPicture(std::shared_ptr<const Picture> picture) {
    drawPicture_ = nullptr;
    picture_ = std::move(picture);
    changed();
}

void Control::setPictureDrawnLater(std::function<std::shared_ptr<const Picture>()> draw) {
    picture_ = nullptr;
    drawPicture_ = std::move(draw);
    changed();
}

void Control::setStretch(bool stretch) {
    stretch_ = stretch;
    changed();
}

void Control::setBorder(bool border) {
    if (border == border_) return;
    border_ = border;
    changed();
}

void Control::setBorderColor(ColorRef color) {
    if (color == borderColor_) return;
    borderColor_ = color;
    changed();
}

void Control::setValue(int value) {
    if (value == value_) return;
    value_ = value;
    changed();
    if (onClick) onClick();  // a check box reports every change of its value as a click
}

void Control::setCursor(Cursor cursor) {
    cursor_ = cursor;
    changed();
}

bool Control::setFocus() {
    if (!visible_ || !windowed()) return false;
    return form_.peer().setFocus(*this);
}

bool Control::hasFocus() const {
    return form_.focused() == this;
}

Timer::Timer(Form& form, std::string name, int intervalMs)
    : form_(form), name_(std::move(name)), interval_(intervalMs) {}

void Timer::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    form_.peer().timerChanged(*this);
}

Form::Form(std::string name, std::string title) : name_(std::move(name)), title_(std::move(title)) {}

Form::~Form() = default;

void Form::attach(std::unique_ptr<FormPeer> peer) {
    peer_ = std::move(peer);
}

void Form::setTitle(const std::string& title) {
    title_ = title;
    peer_->formChanged();
}

Control& Form::add(ControlKind kind, const std::string& name, int index, Rect rect) {
    controls_.push_back(std::make_unique<Control>(*this, kind, name, index, rect));
    Control& control = *controls_.back();
    peer_->controlAdded(control);
    return control;
}

Control* Form::find(const std::string& name, int index) const {
    for (const auto& control : controls_) {
        if (control->name() == name && control->index() == index) return control.get();
    }
    return nullptr;
}

Timer& Form::addTimer(const std::string& name, int intervalMs) {
    timers_.push_back(std::make_unique<Timer>(*this, name, intervalMs));
    return *timers_.back();
}

Timer* Form::findTimer(const std::string& name) const {
    for (const auto& timer : timers_) {
        if (timer->name() == name) return timer.get();
    }
    return nullptr;
}

void Form::setBounds(Rect bounds) {
    if (bounds == bounds_) return;
    const bool resized = bounds.w != bounds_.w || bounds.h != bounds_.h;
    bounds_ = bounds;
    peer_->formChanged();
    if (resized && onResize) onResize();
}

void Form::move(int x, int y) {
    setBounds({x, y, bounds_.w, bounds_.h});
}
void Form::resize(int w, int h) {
    setBounds({bounds_.x, bounds_.y, w, h});
}

void Form::setBackColor(ColorRef color) {
    backColor_ = color;
    peer_->formChanged();
}

void Form::show() {
    if (closed_) return;
    const bool wasHidden = !visible_;
    visible_ = true;
    if (wasHidden) peer_->showChanged();
}

void Form::hide() {
    if (!visible_) return;
    visible_ = false;
    peer_->showChanged();
}

void Form::close() {
    if (closed_) return;
    closed_ = true;
    visible_ = false;
    for (auto& timer : timers_) timer->stop();
    peer_->close();
}

void Form::setTopMost(bool topMost) {
    topMost_ = topMost;
    peer_->topMostChanged();
}

void Form::bringToFront() {
    peer_->bringToFront();
}

void Form::setLayeredOpacity(int alpha) {
    layered_ = true;
    opacity_ = std::clamp(alpha, 0, 255);
    peer_->opacityChanged();
}

Control* Form::hitTest(int x, int y) const {
    // Later controls lie above earlier ones; lines and shapes never take the mouse.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        const Control& c = **it;
        if (!c.visible() || c.kind() == ControlKind::Line || c.kind() == ControlKind::Shape) continue;
        if (c.rect().contains(x, y)) return const_cast<Control*>(&c);
    }
    return nullptr;
}

void Form::dispatchMouse(Control* target, const std::function<void(const MouseEvent&)>& formHandler, int button,
                         int shift, int x, int y) {
    MouseEvent e{button, shift, x, y};
    if (target) {
        e.x = x - target->rect().x;
        e.y = y - target->rect().y;
    }
    if (formHandler) formHandler(e);
}

// Every backend comes here: the form alone decides what a press, a release and a double click
// mean, for windowless and windowed controls alike (see the conventions in form.h).
void Form::deliverMouseDown(int button, int shift, int x, int y) {
    pressOn(hitTest(x, y), button, shift, x, y);
}
void Form::deliverMouseMove(int buttons, int shift, int x, int y) {
    moveOn(hitTest(x, y), buttons, shift, x, y);
}
void Form::deliverMouseUp(int button, int shift, int x, int y) {
    releaseOn(hitTest(x, y), button, shift, x, y);
}
void Form::deliverDblClick(int button, int shift, int x, int y) {
    doubleClickOn(hitTest(x, y), button, shift, x, y);
}

void Form::deliverMouseDown(Control& on, int button, int shift, int x, int y) {
    pressOn(&on, button, shift, on.rect().x + x, on.rect().y + y);
}
void Form::deliverMouseMove(Control& on, int buttons, int shift, int x, int y) {
    moveOn(&on, buttons, shift, on.rect().x + x, on.rect().y + y);
}
void Form::deliverMouseUp(Control& on, int button, int shift, int x, int y) {
    releaseOn(&on, button, shift, on.rect().x + x, on.rect().y + y);
}
void Form::deliverDblClick(Control& on, int button, int shift, int x, int y) {
    doubleClickOn(&on, button, shift, on.rect().x + x, on.rect().y + y);
}

void Form::pressOn(Control* target, int button, int shift, int x, int y) {
    captured_ = target;
    backgroundCaptured_ = target == nullptr;
    pressedOn_ = target;
    backgroundPressed_ = target == nullptr;
    if (target && target->windowed()) {
        // The element takes the focus before its press runs, as a click into a box always does.
        target->setFocus();
        if (closed_) return;  // a focus handler closed the form
    }
    if (target) {
        dispatchMouse(target, target->onMouseDown, button, shift, x, y);
    } else {
        dispatchMouse(nullptr, onMouseDown, button, shift, x, y);
    }
}

void Form::moveOn(Control* over, int buttons, int shift, int x, int y) {
    Control* target = over;
    if (buttons != 0 && (captured_ || backgroundCaptured_)) target = captured_;
    if (target) {
        dispatchMouse(target, target->onMouseMove, buttons, shift, x, y);
    } else {
        dispatchMouse(nullptr, onMouseMove, buttons, shift, x, y);
    }
}

void Form::releaseOn(Control* over, int button, int shift, int x, int y) {
    const bool held = captured_ || backgroundCaptured_;
    Control* target = held ? captured_ : over;
    Control* pressed = pressedOn_;
    const bool backgroundPressed = backgroundPressed_;
    captured_ = nullptr;
    backgroundCaptured_ = false;
    pressedOn_ = nullptr;
    backgroundPressed_ = false;
    if (target) {
        dispatchMouse(target, target->onMouseUp, button, shift, x, y);
        // A release that closed the window (a note removing itself) ends the event there.
        const bool clicked = target == pressed && target->rect().contains(x, y) &&
                             (target->kind() != ControlKind::CheckBox || button == kLeftButton);
        if (!closed_ && clicked) click(*target);
    } else {
        dispatchMouse(nullptr, onMouseUp, button, shift, x, y);
        if (!closed_ && backgroundPressed && onClick) onClick();
    }
}

void Form::doubleClickOn(Control* target, int button, int shift, int x, int y) {
    // A check box has no double click: its second press is a press.
    if (target && target->kind() == ControlKind::CheckBox) {
        pressOn(target, button, shift, x, y);
        return;
    }
    // The second press of a double click: its release follows as a mouse-up without a click.
    captured_ = target;
    backgroundCaptured_ = target == nullptr;
    pressedOn_ = nullptr;
    backgroundPressed_ = false;
    if (target && target->windowed()) {
        target->setFocus();
        if (closed_) return;
    }
    if (target && target->onDblClick) target->onDblClick();
}

void Form::click(Control& control) {
    if (control.kind() == ControlKind::CheckBox) {
        control.setValue(control.value() == 1 ? 0 : 1);  // fires its onClick
    } else if (control.onClick) {
        control.onClick();
    }
}

void Form::deliverKeyboardClick(Control& control) {
    if (!closed_) click(control);
}

void Form::deliverTextChange(Control& control) {
    if (closed_ || control.kind() != ControlKind::TextBox || !control.onChange) return;
    auto change = control.onChange;  // the handler may replace itself
    change();
}

void Form::deliverCloseRequest() {
    if (closed_ || !onCloseRequest) return;
    auto request = onCloseRequest;
    request();
}

void Form::deliverDpiChange(int dpi, Rect suggested) {
    if (!followsDpi() || closed_) return;
    dpi_ = dpi;
    setBounds(suggested);
    auto relayout = onDpiChanged;
    relayout();
}

bool Form::focusNext(bool backwards) {
    std::vector<Control*> order;
    for (const auto& control : controls_) {
        if (control->windowed() && control->visible()) order.push_back(control.get());
    }
    if (order.empty()) return false;
    const auto count = static_cast<int>(order.size());
    const auto at = std::find(order.begin(), order.end(), focused_);
    int from = at == order.end() ? (backwards ? 0 : -1) : static_cast<int>(at - order.begin());
    for (int step = 1; step <= count; ++step) {
        const int i = ((from + (backwards ? -step : step)) % count + count) % count;
        if (order[static_cast<std::size_t>(i)] == focused_) return false;
        if (order[static_cast<std::size_t>(i)]->setFocus()) return true;
    }
    return false;
}

void Form::focusMoved(Control* to) {
    if (focused_ == to) return;
    Control* from = focused_;
    focused_ = to;
    if (from && from->onLostFocus) from->onLostFocus();
    if (to && to->onGotFocus) to->onGotFocus();
}

}  // namespace platform

#include "platform/headless/headless_form_peer.h"

#include <algorithm>

#include "platform/headless/headless_platform.h"

namespace platform::headless {

void HeadlessFormPeer::showChanged() {
    // A window that disappears takes the keyboard focus with it.
    if (!form_.visible() && form_.focused()) form_.focusMoved(nullptr);
}

void HeadlessFormPeer::close() {
    if (form_.focused()) form_.focusMoved(nullptr);
    platform_.formClosed(&form_);
}

std::string HeadlessFormPeer::text(const Control& control) {
    auto it = texts_.find(&control);
    return it == texts_.end() ? std::string() : it->second.text;
}

void HeadlessFormPeer::setText(Control& control, const std::string& text) {
    auto& state = texts_[&control];
    state.text = text;
    state.selStart = 0;
    state.selLength = 0;
}

void HeadlessFormPeer::select(Control& control, int start, int length) {
    auto& state = texts_[&control];
    const int size = static_cast<int>(state.text.size());
    state.selStart = std::clamp(start, 0, size);
    state.selLength = std::clamp(length, 0, size - state.selStart);
}

int HeadlessFormPeer::selectionStart(const Control& control) {
    auto it = texts_.find(&control);
    return it == texts_.end() ? 0 : it->second.selStart;
}

int HeadlessFormPeer::selectionLength(const Control& control) {
    auto it = texts_.find(&control);
    return it == texts_.end() ? 0 : it->second.selLength;
}

bool HeadlessFormPeer::setFocus(Control& control) {
    if (!form_.visible() || !control.visible()) return false;
    form_.focusMoved(&control);
    return true;
}

void HeadlessFormPeer::timerChanged(Timer& timer) {
    platform_.timerElapsed_[&timer] = 0;
}

bool HeadlessFormPeer::insertTyped(Control& control, int character) {
    if (control.readOnly()) return false;
    auto& state = texts_[&control];
    auto start = static_cast<std::size_t>(state.selStart);
    auto length = static_cast<std::size_t>(state.selLength);
    if (character == kKeyBack) {
        if (length == 0 && start > 0) {
            --start;
            length = 1;
        }
        if (length == 0) return false;
        state.text.erase(start, length);
        state.selStart = static_cast<int>(start);
        state.selLength = 0;
        return true;
    }
    if ((character == '\r' || character == '\n') && !control.multiLine()) return false;
    if (character == '\t' && !control.multiLine()) return false;
    const bool printable =
        (character >= 0x20 && character != 0x7F) || character == '\r' || character == '\n' || character == '\t';
    if (!printable) return false;
    std::string typed = character == '\r' ? std::string("\r\n") : std::string(1, static_cast<char>(character));
    const auto limit = control.maxLength() > 0 ? static_cast<std::size_t>(control.maxLength()) : std::size_t{65535};
    if (state.text.size() - length + typed.size() > limit) {
        state.text.erase(start, length);
        state.selLength = 0;
        return length > 0;
    }
    state.text.erase(start, length);
    state.text.insert(start, typed);
    state.selStart = static_cast<int>(start + typed.size());
    state.selLength = 0;
    return true;
}

bool HeadlessFormPeer::replaceSelection(Control& control, const std::string& text) {
    if (control.readOnly()) return false;
    auto& state = texts_[&control];
    const auto start = static_cast<std::size_t>(state.selStart);
    const auto length = static_cast<std::size_t>(state.selLength);
    std::string inserted = text;
    const auto limit = control.maxLength() > 0 ? static_cast<std::size_t>(control.maxLength()) : std::size_t{65535};
    const std::size_t room = limit > state.text.size() - length ? limit - (state.text.size() - length) : 0;
    if (inserted.size() > room) inserted.resize(room);
    if (length == 0 && inserted.empty()) return false;
    state.text.replace(start, length, inserted);
    state.selStart = static_cast<int>(start + inserted.size());
    state.selLength = 0;
    return true;
}

}  // namespace platform::headless

// Keeps the parts of a form that a real window would own (text, selection, focus) in memory.
#pragma once

#include <map>
#include <string>

#include "platform/form.h"

namespace platform::headless {

class HeadlessPlatform;

class HeadlessFormPeer : public FormPeer {
public:
    HeadlessFormPeer(HeadlessPlatform& platform, Form& form) : platform_(platform), form_(form) {}

    void controlAdded(Control&) override {}
    void controlChanged(Control&) override {}
    void formChanged() override {}
    void showChanged() override;
    void topMostChanged() override {}
    void opacityChanged() override {}
    void bringToFront() override { ++frontRequests; }
    void close() override;

    std::string text(const Control& control) override;
    void setText(Control& control, const std::string& text) override;
    void select(Control& control, int start, int length) override;
    int selectionStart(const Control& control) override;
    int selectionLength(const Control& control) override;
    bool setFocus(Control& control) override;
    void timerChanged(Timer& timer) override;

    // Types a character at the caret as a text box does (Backspace deletes before it; control
    // characters other than Return and, in a multi-line box, Tab type nothing). True when the
    // text changed.
    bool insertTyped(Control& control, int character);
    // Puts text in place of the selection, as a paste (or, with "", a cut) does. True when the
    // text changed.
    bool replaceSelection(Control& control, const std::string& text);

    int frontRequests = 0;

private:
    struct TextState {
        std::string text;
        int selStart = 0;
        int selLength = 0;
    };

    HeadlessPlatform& platform_;
    Form& form_;
    std::map<const Control*, TextState> texts_;
};

}  // namespace platform::headless

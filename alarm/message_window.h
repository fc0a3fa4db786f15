// The message window FrmMessage: a small borderless pop-up with today's date as its title and a
// block of text, which shows the day message and the alarms. Made once, then only shown and
// hidden.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "alarm/double_frame.h"
#include "app/module.h"
#include "app/window_look.h"
#include "platform/form.h"

namespace alarms {

class MessageWindow {
public:
    using Control = platform::Control;

    explicit MessageWindow(app::Module& module);

    platform::Form& form() { return *form_; }

    // Shows MsgText (or brings the window forward with it).
    void Present();

    Control* TitleMsg = nullptr;
    Control* MsgLabelSH = nullptr;  // the text's shadow, under it
    Control* MsgLabel = nullptr;
    FrameLines Line{};          // Line1..Line8: the double frame
    Control* Image1 = nullptr;  // OK: today's day message has been seen
    Control* Image2 = nullptr;  // close

private:
    void Build();
    // Places the window and fills in today's date and the text it was shown with.
    void Activate();
    void Acknowledge();

    app::Module& module_;
    app::TwipsLayout layout_;
    std::unique_ptr<platform::Form> form_;
    // The text shown. A later look of the clock empties MsgText, and the window must keep its
    // text when it becomes active again.
    std::string text_;
};

}  // namespace alarms

// The note's keys: function keys format it, Ctrl+B and Ctrl+A act in the text, F1 on the grip
// writes a short help into the note, Esc with modifiers exports it to the desktop.
#include <array>

#include "notes/note_window.h"

namespace notes {

namespace {

using platform::kAlt;
using platform::kCtrl;
using platform::kShift;

constexpr int kNoModifier = 0;
constexpr std::size_t kHelpLimit = 3200;

// Colours of F5 to F8: text colours alone, background colours with Shift.
constexpr std::array<platform::ColorRef, 4> kTextColors{0x00000000, 0x001020B0, 0x00006000, 0x00904000};
constexpr std::array<platform::ColorRef, 4> kBackColors{0x0094C2E3, 0x00A0B0F0, 0x00A0C0A0, 0x00C0B590};

constexpr const char* kHelpText =
    "\r\nHELP:\r\n\r\nF2-F4: Alignment\r\nF5-F8: Font Color\r\nShift+F5-F8: Back Color\r\nF9-F12: Font Size"
    "\r\nCtrl+B: Font Bold\r\nButtons (DoubleClick):\r\nSet Format As Default & Exit";

}  // namespace

bool FrmNote::FormatKey(int key, int shift) {
    const auto colorIndex = static_cast<std::size_t>(key - platform::kKeyF5);
    const bool colorKey = key >= platform::kKeyF5 && key <= platform::kKeyF8;
    if (shift == kShift) {
        if (!colorKey) return false;
        SetBackColor(kBackColors[colorIndex]);
        return true;
    }
    if (shift != kNoModifier) return false;
    if (colorKey) {
        SetForeColor(kTextColors[colorIndex]);
        return true;
    }
    switch (key) {
        case platform::kKeyF2:
            NoteText->setAlignment(platform::Align::Left);
            return true;
        case platform::kKeyF3:
            NoteText->setAlignment(platform::Align::Center);
            return true;
        case platform::kKeyF4:
            NoteText->setAlignment(platform::Align::Right);
            return true;
        case platform::kKeyF9:
            NoteText->setFontName("Small Fonts");
            NoteText->setFontSize(7);
            return true;
        case platform::kKeyF10:
            NoteText->setFontName("MS Sans Serif");
            NoteText->setFontSize(8);
            return true;
        case platform::kKeyF11:
        case platform::kKeyF12:
            NoteText->setFontSize(key == platform::kKeyF11 ? 10 : 18);
            if (NoteText->font().name != "Arial") NoteText->setFontName("Arial");
            return true;
        default:
            return false;
    }
}

void FrmNote::NoteTextKeyDown(int key, int shift) {
    if (TabKey(key, shift)) return;
    if (key != platform::kKeyEscape) {
        FormatKey(key, shift);
        StartCountdown();
        return;
    }
    switch (shift) {
        case kNoModifier:
            ToDesk("*auto*", false);
            break;
        case kShift:
            LeaveTopMost();
            ToDesk(AskFileName(), false);
            break;
        case kCtrl | kAlt:
            ToDesk("*auto*", true);
            break;
        case kCtrl | kAlt | kShift:
            LeaveTopMost();
            ToDesk(AskFileName(), true);
            break;
        default:
            break;
    }
}

void FrmNote::NoteTextKeyPress(int& character) {
    constexpr int kCtrlA = 1;
    constexpr int kCtrlB = 2;
    if (character == '\t') {
        character = 0;  // Tab moves the focus (see TabKey) and types nothing
    } else if (character == kCtrlA) {
        character = 0;
        NoteText->select(0, static_cast<int>(NoteText->text().size()));
    } else if (character == kCtrlB) {
        character = 0;
        SwitchBold();
    }
}

// Tab and Shift+Tab move the focus between the text and the grip, the note's only elements that
// take it.
bool FrmNote::TabKey(int key, int shift) {
    if (key != platform::kKeyTab || (shift & (kCtrl | kAlt)) != 0) return false;
    form_->focusNext((shift & kShift) != 0);
    return true;
}

void FrmNote::ButResizeKeyDown(int key, int shift) {
    if (TabKey(key, shift)) return;
    if (key == platform::kKeyB && shift == kCtrl) {
        SwitchBold();
    } else if (key == platform::kKeyF1) {
        AppendHelp();
    } else {
        FormatKey(key, shift);
    }
    StartCountdown();
}

void FrmNote::AppendHelp() {
    const std::string text = NoteText->text();
    if (text.size() >= kHelpLimit) return;
    const std::string withHelp = text + kHelpText;
    NoteText->setText(withHelp);
    NoteText->select(static_cast<int>(withHelp.size()), 0);
}

std::string FrmNote::AskFileName() {
    const platform::Rect window = form_->bounds();
    return module_.platform.inputBox("Enter filename", "Save", "", window.x, window.y).value_or("");
}

}  // namespace notes

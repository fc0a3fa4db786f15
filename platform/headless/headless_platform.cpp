#include "platform/headless/headless_platform.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "platform/headless/headless_form_peer.h"

namespace platform::headless {

namespace {

long long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, int& y, int& m, int& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

HeadlessFormPeer& PeerOf(Control& control) {
    return static_cast<HeadlessFormPeer&>(control.form().peer());
}

// Characters that a key press types, as a keyboard with no dead keys would.
int CharacterOfKey(int key, int shift) {
    if (shift & (kCtrl | kAlt)) {
        if ((shift & kCtrl) && key >= 'A' && key <= 'Z') return key - 'A' + 1;
        return 0;
    }
    if (key >= 'A' && key <= 'Z') return (shift & kShift) ? key : key + ('a' - 'A');
    if (key >= '0' && key <= '9' && !(shift & kShift)) return key;
    if (key == ' ' || key == kKeyBack || key == kKeyTab || key == kKeyReturn || key == kKeyEscape) return key;
    return 0;
}

}  // namespace

DateTime AddSeconds(const DateTime& at, long long seconds) {
    long long total =
        DaysFromCivil(at.year, at.month, at.day) * 86400 + at.hour * 3600LL + at.minute * 60LL + at.second + seconds;
    long long days = total / 86400;
    long long rest = total % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    DateTime result;
    CivilFromDays(days, result.year, result.month, result.day);
    result.hour = static_cast<int>(rest / 3600);
    result.minute = static_cast<int>(rest / 60 % 60);
    result.second = static_cast<int>(rest % 60);
    return result;
}

HeadlessLocale::HeadlessLocale()
    : months{"January", "February", "March",     "April",   "May",      "June",
             "July",    "August",   "September", "October", "November", "December"},
      weekdays{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"} {}

std::string HeadlessLocale::toUpper(const std::string& text) {
    std::string upper = text;
    for (char& c : upper) {
        auto u = static_cast<unsigned char>(c);
        if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7)) {
            c = static_cast<char>(u - 0x20);
        } else if (u == 0x9A || u == 0x9C || u == 0x9E) {  // š, œ, ž
            c = static_cast<char>(u - 0x10);
        } else if (u == 0xFF) {
            c = static_cast<char>(0x9F);
        }
    }
    return upper;
}

void HeadlessLocale::useSlovak() {
    months = {"janu\xe1r", "febru\xe1r", "marec", "apr\xedl", "m\xe1j", "j\xfan", "j\xfal", "august", "september",
              // One literal would read "\xf3b" as one escape: the literal ends after the \xf3.
              "okt\xf3"  // NOLINT(bugprone-suspicious-missing-comma)
              "ber",
              "november", "december"};
    weekdays = {"ne", "po", "ut", "st", "\xe8t", "pi", "so"};
    firstDay = 2;
}

bool HeadlessTray::add(const Picture& picture, const std::string& tipField) {
    calls.emplace_back("add");
    if (failAdds) return false;
    shown = true;
    icon = picture;
    tip = tipField;
    return true;
}

bool HeadlessTray::remove() {
    calls.emplace_back("remove");
    const bool was = shown;
    shown = false;
    return was;
}

HeadlessPlatform::HeadlessPlatform() {
    screen_.monitors = {{0, 0, screen_.width, screen_.height}};
}

HeadlessPlatform::~HeadlessPlatform() = default;

std::unique_ptr<Form> HeadlessPlatform::createForm(const std::string& name, const std::string& title) {
    auto form = std::make_unique<Form>(name, title);
    form->attach(std::make_unique<HeadlessFormPeer>(*this, *form));
    form->setDpi(newFormDpi_ != 0 ? newFormDpi_ : static_cast<int>(std::lround(1440 / screen_.twipsPerPixelY)));
    forms_.push_back(form.get());
    return form;
}

void HeadlessPlatform::formClosed(Form* form) {
    for (const auto& timer : form->timers()) timerElapsed_.erase(timer.get());
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
}

void HeadlessPlatform::doEvents() {
    while (!pending_.empty()) {
        auto event = std::move(pending_.front());
        pending_.pop_front();
        event();
    }
}

bool HeadlessPlatform::activateWindow(const std::string& title) {
    activations.push_back(title);
    return true;
}

bool HeadlessPlatform::askYesNo(const std::string& title, const std::string& text, MessageIcon icon) {
    dialogs.push_back({DialogCall::Kind::YesNo, title, text, icon, 0, 0});
    if (yesNoAnswers_.empty()) return false;
    const bool yes = yesNoAnswers_.front();
    yesNoAnswers_.pop_front();
    return yes;
}

void HeadlessPlatform::showMessage(const std::string& title, const std::string& text, MessageIcon icon) {
    dialogs.push_back({DialogCall::Kind::Message, title, text, icon, 0, 0});
}

std::optional<std::string> HeadlessPlatform::inputBox(const std::string& prompt, const std::string& title,
                                                      const std::string&, int x, int y) {
    dialogs.push_back({DialogCall::Kind::Input, title, prompt, MessageIcon::None, x, y});
    if (inputAnswers_.empty()) return std::nullopt;
    auto answer = inputAnswers_.front();
    inputAnswers_.pop_front();
    return answer;
}

int HeadlessPlatform::popupMenu(const std::vector<MenuItem>& items, int x, int y) {
    std::string names;
    for (const auto& item : items) names += (names.empty() ? "" : "|") + item.name;
    dialogs.push_back({DialogCall::Kind::Menu, "", names, MessageIcon::None, x, y});
    if (menuAnswers_.empty()) return -1;
    const std::string chosen = menuAnswers_.front();
    menuAnswers_.pop_front();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].name == chosen && items[i].caption != "-") return static_cast<int>(i);
    }
    return -1;
}

DateTime HeadlessPlatform::utcNow() {
    return AddSeconds(now_, -60LL * utcOffsetMinutes);
}

std::optional<std::string> HeadlessPlatform::chooseSaveFile(const FileChoice& choice) {
    return chooser(DialogCall::Kind::SaveFile, choice.title, choice.pattern + "|" + choice.suggestedName);
}

std::optional<std::string> HeadlessPlatform::chooseOpenFile(const FileChoice& choice) {
    return chooser(DialogCall::Kind::OpenFile, choice.title, choice.pattern);
}

std::optional<std::string> HeadlessPlatform::chooseFolder(const std::string& title) {
    return chooser(DialogCall::Kind::Folder, title, "");
}

std::optional<std::string> HeadlessPlatform::chooser(DialogCall::Kind kind, const std::string& title,
                                                     const std::string& text) {
    dialogs.push_back({kind, title, text, MessageIcon::None, 0, 0});
    if (chooserAnswers_.empty()) return std::nullopt;
    auto answer = chooserAnswers_.front();
    chooserAnswers_.pop_front();
    return answer;
}

std::vector<Form*> HeadlessPlatform::forms() const {
    return forms_;
}

Form* HeadlessPlatform::findForm(const std::string& name) const {
    for (Form* form : forms_) {
        if (form->name() == name) return form;
    }
    return nullptr;
}

// The input below only translates, as the Win32 backend does: the form decides what a press,
// a release or a double click means. A windowed control gets the message itself, in its own
// coordinates; a windowless one through its form's client area.
void HeadlessPlatform::press(Control& control, int button, int shift, int x, int y) {
    Form& form = control.form();
    if (control.windowed()) {
        form.deliverMouseDown(control, button, shift, x, y);
    } else {
        form.deliverMouseDown(button, shift, control.rect().x + x, control.rect().y + y);
    }
}

void HeadlessPlatform::moveMouse(Control& control, int buttons, int shift, int x, int y) {
    Form& form = control.form();
    if (control.windowed()) {
        form.deliverMouseMove(control, buttons, shift, x, y);
    } else {
        form.deliverMouseMove(buttons, shift, control.rect().x + x, control.rect().y + y);
    }
}

void HeadlessPlatform::release(Control& control, int button, int shift, int x, int y) {
    Form& form = control.form();
    if (control.windowed()) {
        form.deliverMouseUp(control, button, shift, x, y);
    } else {
        form.deliverMouseUp(button, shift, control.rect().x + x, control.rect().y + y);
    }
}

void HeadlessPlatform::click(Control& control, int button, int shift) {
    press(control, button, shift);
    if (control.form().closed()) return;
    release(control, button, shift);
}

void HeadlessPlatform::doubleClick(Control& control, int button, int shift) {
    // As the system reports it: press, release, the second press as a double click, release.
    Form& form = control.form();
    click(control, button, shift);
    if (form.closed()) return;
    if (control.windowed()) {
        form.deliverDblClick(control, button, shift, 1, 1);
    } else {
        form.deliverDblClick(button, shift, control.rect().x + 1, control.rect().y + 1);
    }
    if (form.closed()) return;
    release(control, button, shift);
}

void HeadlessPlatform::pressBackground(Form& form, int button, int shift, int x, int y) {
    form.deliverMouseDown(button, shift, x, y);
}

void HeadlessPlatform::moveOnBackground(Form& form, int buttons, int shift, int x, int y) {
    form.deliverMouseMove(buttons, shift, x, y);
}

void HeadlessPlatform::releaseBackground(Form& form, int button, int shift, int x, int y) {
    form.deliverMouseUp(button, shift, x, y);
}

void HeadlessPlatform::keyDown(Control& control, int key, int shift) {
    if (control.onKeyDown) control.onKeyDown(key, shift);
    const int character = CharacterOfKey(key, shift);
    if (character != 0 && !control.form().closed()) typeChar(control, character);
}

void HeadlessPlatform::typeChar(Control& control, int character) {
    int typed = character;
    if (control.onKeyPress) control.onKeyPress(typed);
    if (typed != 0 && control.kind() == ControlKind::TextBox && !control.form().closed() && control.visible()) {
        if (PeerOf(control).insertTyped(control, typed)) control.form().deliverTextChange(control);
    }
}

void HeadlessPlatform::paste(Control& control, const std::string& text) {
    if (control.kind() != ControlKind::TextBox || control.form().closed() || !control.visible()) return;
    if (PeerOf(control).replaceSelection(control, text)) control.form().deliverTextChange(control);
}

void HeadlessPlatform::cut(Control& control) {
    paste(control, "");
}

void HeadlessPlatform::requestClose(Form& form) {
    form.deliverCloseRequest();
}

void HeadlessPlatform::changeDpi(Form& form, int dpi, Rect suggested) {
    form.deliverDpiChange(dpi, suggested);
}

void HeadlessPlatform::type(Control& control, const std::string& text) {
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 'a' && u <= 'z') {
            keyDown(control, u - ('a' - 'A'));
        } else if (u >= 'A' && u <= 'Z') {
            keyDown(control, u, kShift);
        } else if ((u >= '0' && u <= '9') || u == ' ') {
            keyDown(control, u);
        } else {
            if (control.onKeyDown) control.onKeyDown(0, 0);
            typeChar(control, u);
        }
    }
}

void HeadlessPlatform::focus(Control& control) {
    control.setFocus();
}

void HeadlessPlatform::tick(Timer& timer) {
    if (timer.onTick) timer.onTick();
}

void HeadlessPlatform::advance(int milliseconds) {
    int remaining = milliseconds;
    while (remaining > 0) {
        int step = remaining;
        for (Form* form : forms_) {
            for (const auto& timer : form->timers()) {
                if (timer->enabled()) step = std::min(step, timer->interval() - timerElapsed_[timer.get()]);
            }
        }
        step = std::max(step, 1);
        msCarry_ += step;
        if (msCarry_ >= 1000) {
            now_ = AddSeconds(now_, msCarry_ / 1000);
            msCarry_ %= 1000;
        }
        remaining -= step;
        std::vector<Timer*> due;
        for (Form* form : forms_) {
            for (const auto& timer : form->timers()) {
                if (!timer->enabled()) continue;
                int& elapsed = timerElapsed_[timer.get()];
                elapsed += step;
                if (elapsed >= timer->interval()) {
                    elapsed = 0;
                    due.push_back(timer.get());
                }
            }
        }
        for (Timer* timer : due) {
            // A timer stopped or a form closed by an earlier one in the same instant does not fire.
            if (timerElapsed_.count(timer) && timer->enabled() && timer->onTick) timer->onTick();
        }
    }
}

void HeadlessPlatform::trayMessage(int message) {
    if (tray_.onMessage) tray_.onMessage(message);
}

void HeadlessPlatform::resumeAt(const DateTime& at) {
    now_ = at;
    onResume.fire();
}

void HeadlessPlatform::setClock(const DateTime& at) {
    now_ = at;
    onClockChanged.fire();
}

void HeadlessPlatform::changeDisplays(const ScreenInfo& screen) {
    screen_ = screen;
    onDisplayChanged.fire();
}

std::string HeadlessPlatform::specialFolder(int csidl) {
    if (csidl == 0) return desktopFolder;
    if (csidl == kStartupFolder) return startupFolder;
    return {};
}

bool HeadlessPlatform::driveIsRemovable(const std::string& path) {
    return std::any_of(removableDrives.begin(), removableDrives.end(), [&path](const std::string& drive) {
        return path.size() >= drive.size() && std::equal(drive.begin(), drive.end(), path.begin(), [](char a, char b) {
                   return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
               });
    });
}

namespace {

constexpr char kShortcutMark[] = "shortcut\n";

}  // namespace

std::optional<HeadlessPlatform::Shortcut> HeadlessPlatform::shortcut(const std::string& path) {
    const std::optional<std::string> bytes = files_.file(path);
    if (!bytes || bytes->rfind(kShortcutMark, 0) != 0) return std::nullopt;
    const std::string rest = bytes->substr(sizeof kShortcutMark - 1);
    const std::size_t end = rest.find('\n');
    if (end == std::string::npos) return std::nullopt;
    return Shortcut{rest.substr(0, end), rest.substr(end + 1)};
}

std::optional<std::string> HeadlessPlatform::readShortcut(const std::string& path) {
    if (auto found = shortcut(path)) return found->target;
    return std::nullopt;
}

Status HeadlessPlatform::writeShortcut(const std::string& path, const std::string& target,
                                       const std::string& workingFolder) {
    // As IPersistFile::Save: the new shortcut replaces the old one whole or not at all.
    const std::string scratch = path + ".tmp";
    if (Status written = files_.writeNewFile(scratch, kShortcutMark + target + "\n" + workingFolder); !written) {
        static_cast<void>(files_.removeFile(scratch));
        return written;
    }
    Status moved = files_.moveReplacing(scratch, path);
    if (!moved) static_cast<void>(files_.removeFile(scratch));
    return moved;
}

void HeadlessPlatform::endSession() {
    if (onSessionEnd) onSessionEnd();
    quitRequested = true;
}

}  // namespace platform::headless

// The platform kept in memory: tests set the time, the locale and the screen, answer message
// and input boxes, inject mouse, key, focus and timer events, and read back every property of
// the windows and every call made to the tray, the sound and the shell.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/memory_file_system.h"
#include "platform/platform.h"

namespace platform::headless {

class HeadlessLocale : public Locale {
public:
    HeadlessLocale();
    std::string monthName(int month) override { return months.at(static_cast<std::size_t>(month - 1)); }
    std::string weekdayAbbrev(int weekday) override { return weekdays.at(static_cast<std::size_t>(weekday - 1)); }
    int firstDayOfWeek() override { return firstDay; }
    std::string timeSeparator() override { return separator; }
    std::string toUpper(const std::string& text) override;  // Windows-1252 letters

    std::vector<std::string> months;    // January..December
    std::vector<std::string> weekdays;  // Sunday..Saturday, abbreviated
    int firstDay = 2;                   // 1 Sunday .. 7 Saturday
    std::string separator = ":";

    void useSlovak();  // Windows-1252 approximations of a Central European locale
};

class HeadlessTray : public Tray {
public:
    bool add(const Picture& icon, const std::string& tip) override;
    bool remove() override;

    bool shown = false;
    Picture icon;
    std::string tip;                 // the 64-byte tip field
    std::vector<std::string> calls;  // "add", "remove" in order
    bool failAdds = false;           // the shell refuses the icon
};

struct DialogCall {
    enum class Kind { YesNo, Message, Input, Menu, SaveFile, OpenFile, Folder } kind;
    std::string title;
    // Message text or input prompt; menu item names joined with "|"; a file chooser's pattern and
    // suggested name joined with "|".
    std::string text;
    MessageIcon icon = MessageIcon::None;
    int x = 0;
    int y = 0;
};

class HeadlessPlatform : public Platform {
public:
    HeadlessPlatform();
    ~HeadlessPlatform() override;

    // Platform.
    std::string programFolder() override { return programFolder_; }
    bool anotherInstanceRunning() override { return anotherInstance_; }
    std::unique_ptr<Form> createForm(const std::string& name, const std::string& title) override;
    void doEvents() override;
    bool activateWindow(const std::string& title) override;
    void quit() override { quitRequested = true; }
    ScreenInfo screen() override { return screen_; }
    bool askYesNo(const std::string& title, const std::string& text, MessageIcon icon) override;
    void showMessage(const std::string& title, const std::string& text, MessageIcon icon) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title, const std::string& initial,
                                        int x, int y) override;
    int popupMenu(const std::vector<MenuItem>& items, int x, int y) override;
    std::optional<std::string> chooseSaveFile(const FileChoice& choice) override;
    std::optional<std::string> chooseOpenFile(const FileChoice& choice) override;
    std::optional<std::string> chooseFolder(const std::string& title) override;
    DateTime now() override { return now_; }
    DateTime utcNow() override;
    Locale& locale() override { return locale_; }
    FileSystem& files() override { return files_; }
    Tray& tray() override { return tray_; }
    void playSound(const std::string& wavPath) override { soundsPlayed.push_back(wavPath); }
    void shellOpen(const std::string& target, const std::string& workingFolder) override {
        shellOpened.push_back({target, workingFolder});
    }
    std::string specialFolder(int csidl) override;
    std::string programPath() override { return programFolder_ + "\\" + programFile; }
    bool driveIsRemovable(const std::string& path) override;
    std::optional<std::string> readShortcut(const std::string& path) override;
    Status writeShortcut(const std::string& path, const std::string& target, const std::string& workingFolder) override;

    // Set-up.
    void setProgramFolder(const std::string& folder) { programFolder_ = folder; }
    void setAnotherInstance(bool running) { anotherInstance_ = running; }
    void setScreen(const ScreenInfo& screen) { screen_ = screen; }
    void setTime(const DateTime& now) { now_ = now; }
    HeadlessLocale& headlessLocale() { return locale_; }
    MemoryFileSystem& memoryFiles() { return files_; }
    HeadlessTray& headlessTray() { return tray_; }
    std::string desktopFolder = "C:\\Users\\User\\Desktop";
    std::string startupFolder = "C:\\Users\\User\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup";
    std::string programFile = "OrvaneNotes.exe";
    // Drives ("E:") that are removable.
    std::vector<std::string> removableDrives;

    // Shortcuts are files of the in-memory file system (so they are listed, made read-only and
    // removed as files are); this is what one leads to and where it starts.
    struct Shortcut {
        std::string target;
        std::string workingFolder;
    };
    std::optional<Shortcut> shortcut(const std::string& path);
    // How far the clock's local time is ahead of UTC.
    int utcOffsetMinutes = 0;

    // Answers for the next modal boxes, taken in order. Without an answer, a Yes/No box answers
    // No, an input box Cancel and a menu nothing.
    void answerYesNo(bool yes) { yesNoAnswers_.push_back(yes); }
    void answerInput(std::optional<std::string> text) { inputAnswers_.push_back(std::move(text)); }
    void answerMenu(std::string itemName) { menuAnswers_.push_back(std::move(itemName)); }
    // The next file chooser (save, open or folder) answers this path; without one, Cancel.
    void answerChooser(std::optional<std::string> path) { chooserAnswers_.push_back(std::move(path)); }

    // What the program did.
    std::vector<DialogCall> dialogs;
    std::vector<std::string> soundsPlayed;
    struct ShellCall {
        std::string target;
        std::string workingFolder;
    };
    std::vector<ShellCall> shellOpened;
    std::vector<std::string> activations;
    bool quitRequested = false;

    // The forms that exist (not closed), in creation order.
    std::vector<Form*> forms() const;
    Form* findForm(const std::string& name) const;  // the first open one of that name

    // Input. Positions are relative to the control (or to the form for its background).
    void press(Control& control, int button = kLeftButton, int shift = 0, int x = 1, int y = 1);
    void moveMouse(Control& control, int buttons, int shift, int x, int y);
    void release(Control& control, int button = kLeftButton, int shift = 0, int x = 1, int y = 1);
    void click(Control& control, int button = kLeftButton, int shift = 0);
    void doubleClick(Control& control, int button = kLeftButton, int shift = 0);
    void pressBackground(Form& form, int button, int shift, int x, int y);
    void moveOnBackground(Form& form, int buttons, int shift, int x, int y);
    void releaseBackground(Form& form, int button, int shift, int x, int y);
    // A key press: key-down, then (for keys that type a character) the character, which the
    // text box then inserts unless a handler swallowed it.
    void keyDown(Control& control, int key, int shift = 0);
    void typeChar(Control& control, int character);
    void type(Control& control, const std::string& text);
    // A change of a text box without a key, as its own right-click menu makes it: the text
    // replaces the selection (cut: nothing does), and the box reports the change.
    void paste(Control& control, const std::string& text);
    void cut(Control& control);
    // The user asks the window to close (Alt+F4).
    void requestClose(Form& form);
    // Moves the focus as a click into the control would.
    void focus(Control& control);
    // The window reaches a monitor of `dpi` (dragged there, or the monitor's scale changed), and the
    // system suggests `suggested` for it, as Windows does with WM_DPICHANGED.
    void changeDpi(Form& form, int dpi, Rect suggested);
    // Forms made from now on start on a monitor of `dpi`; 0 (the default) takes the screen's DPI.
    void setNewFormDpi(int dpi) { newFormDpi_ = dpi; }

    // Time. `advance` moves the clock and fires the enabled timers that fall due, in order.
    void advance(int milliseconds);
    void tick(Timer& timer);
    void trayMessage(int message);
    void endSession();
    // The system wakes up: the clock is set to `at` (the time slept through passes without a timer
    // firing), then onResume fires.
    void resumeAt(const DateTime& at);
    // Someone sets the system's clock to `at`; onClockChanged fires.
    void setClock(const DateTime& at);
    // A monitor is plugged in or unplugged: the screen becomes `screen`, then onDisplayChanged fires.
    void changeDisplays(const ScreenInfo& screen);
    // Queues an event that `doEvents` (or the next input) runs.
    void post(std::function<void()> event) { pending_.push_back(std::move(event)); }

private:
    friend class HeadlessFormPeer;
    std::optional<std::string> chooser(DialogCall::Kind kind, const std::string& title, const std::string& text);
    void formClosed(Form* form);

    std::string programFolder_ = "C:\\Program Files\\Orvane Notes";
    bool anotherInstance_ = false;
    ScreenInfo screen_;
    int newFormDpi_ = 0;
    DateTime now_{2026, 12, 7, 10, 0, 0};
    HeadlessLocale locale_;
    MemoryFileSystem files_;
    HeadlessTray tray_;
    std::deque<bool> yesNoAnswers_;
    std::deque<std::optional<std::string>> inputAnswers_;
    std::deque<std::string> menuAnswers_;
    std::deque<std::optional<std::string>> chooserAnswers_;
    std::deque<std::function<void()>> pending_;
    std::vector<Form*> forms_;
    std::map<const Timer*, int> timerElapsed_;
    int msCarry_ = 0;  // milliseconds of the clock below a whole second
};

// Date arithmetic for the headless clock.
DateTime AddSeconds(const DateTime& at, long long seconds);

}  // namespace platform::headless

// Everything the program asks of the operating system, behind one interface with two
// implementations: platform/win32 (the real program) and platform/headless (tests).
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/form.h"
#include "platform/types.h"

namespace platform {

enum class MessageIcon { None, Question, Stop, Information };

// The user's Startup folder, as `Platform::specialFolder` asks for it (the system's CSIDL number).
inline constexpr int kStartupFolder = 0x0007;

// A pop-up menu's item: tests and handlers pick items by name (`mBold`), the user by caption.
struct MenuItem {
    std::string name;
    std::string caption;  // "-" is a separator
};

// What a file chooser of the system asks for: its title, the one kind of file it lists
// ("iCalendar files (*.ics)", "*.ics") and, when saving, the name it suggests.
struct FileChoice {
    std::string title;
    std::string typeName;
    std::string pattern;
    std::string suggestedName;
};

struct ScreenInfo {
    int width = 1024;  // pixels
    int height = 768;
    // 15 at 96 DPI, 12 at 120, 10 at 144, 7.5 at 192: kept exact, so that a window laid out in
    // twips fills the same share of its window at every DPI.
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;
    std::vector<Rect> monitors;  // work areas of the monitors, in screen pixels
};

// The system's locale, as far as the program shows dates.
class Locale {
public:
    virtual ~Locale() = default;
    virtual std::string monthName(int month) = 0;        // long name, 1..12, as the locale writes it
    virtual std::string weekdayAbbrev(int weekday) = 0;  // 1 Sunday .. 7 Saturday
    virtual int firstDayOfWeek() = 0;                    // 1 Sunday .. 7 Saturday
    virtual std::string timeSeparator() = 0;
    virtual std::string toUpper(const std::string& text) = 0;  // in the ANSI code page
};

// The notification-area icon. The callback receives the mouse message number
// (0x201 left press, 0x203 left double click, 0x204 right press, ...).
class Tray {
public:
    virtual ~Tray() = default;
    // `tip` is the 64-byte tip field (its visible text ends at the first NUL).
    virtual bool add(const Picture& icon, const std::string& tip) = 0;
    virtual bool remove() = 0;
    std::function<void(int message)> onMessage;
};

// A notification of the system that any number of handlers follow, each added with `add`. The
// Subscription it returns removes its handler when it goes, so a component that subscribes lets
// go of the platform simply by going itself. `fire` calls the handlers in the order they were
// added; one removed by an earlier handler of the same firing is not called.
class Notification {
public:
    class Subscription {
    public:
        Subscription() = default;
        ~Subscription() { reset(); }
        Subscription(Subscription&& other) noexcept : handlers_(std::move(other.handlers_)), id_(other.id_) {
            other.handlers_.reset();
        }
        Subscription& operator=(Subscription&& other) noexcept {
            if (this != &other) {
                reset();
                handlers_ = std::move(other.handlers_);
                id_ = other.id_;
                other.handlers_.reset();
            }
            return *this;
        }
        Subscription(const Subscription&) = delete;
        Subscription& operator=(const Subscription&) = delete;

        // Removes the handler now.
        void reset() {
            if (const auto handlers = handlers_.lock()) handlers->erase(id_);
            handlers_.reset();
        }

    private:
        friend class Notification;
        using Handlers = std::map<int, std::function<void()>>;
        Subscription(const std::shared_ptr<Handlers>& handlers, int id) : handlers_(handlers), id_(id) {}
        std::weak_ptr<Handlers> handlers_;
        int id_ = 0;
    };

    [[nodiscard]] Subscription add(std::function<void()> handler) {
        const int id = nextId_++;
        handlers_->emplace(id, std::move(handler));
        return Subscription(handlers_, id);
    }

    void fire() {
        std::vector<int> ids;
        for (const auto& entry : *handlers_) ids.push_back(entry.first);
        for (const int id : ids) {
            const auto found = handlers_->find(id);
            if (found == handlers_->end()) continue;
            const auto handler = found->second;  // a handler may remove itself
            if (handler) handler();
        }
    }

    std::size_t size() const { return handlers_->size(); }

private:
    std::shared_ptr<Subscription::Handlers> handlers_ = std::make_shared<Subscription::Handlers>();
    int nextId_ = 1;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Start-up facts.
    virtual std::string programFolder() = 0;  // without a trailing "\" unless it is a drive's root
    virtual bool anotherInstanceRunning() = 0;

    // Windows.
    virtual std::unique_ptr<Form> createForm(const std::string& name, const std::string& title) = 0;
    virtual void doEvents() = 0;  // lets pending window events run
    virtual bool activateWindow(const std::string& title) = 0;
    virtual void quit() = 0;  // ends the program as soon as the running handler returns
    virtual ScreenInfo screen() = 0;

    // Fired when Windows ends the session (log off, shutdown); the program is ended after it.
    std::function<void()> onSessionEnd;
    // The system resumed from sleep or hibernation (Win32: WM_POWERBROADCAST with
    // PBT_APMRESUMEAUTOMATIC). Any number of parts of the program may follow it.
    Notification onResume;
    // The system's clock or time zone was changed (Win32: WM_TIMECHANGE).
    Notification onClockChanged;
    // A monitor came or went, or a monitor's resolution or work area changed (Win32:
    // WM_DISPLAYCHANGE, and WM_SETTINGCHANGE for the work area); `screen()` tells the new layout.
    Notification onDisplayChanged;

    // Modal questions. Yes/No returns true for Yes.
    virtual bool askYesNo(const std::string& title, const std::string& text, MessageIcon icon) = 0;
    virtual void showMessage(const std::string& title, const std::string& text, MessageIcon icon) = 0;
    // nullopt on Cancel. x, y: screen pixels of the box's top-left corner.
    virtual std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                                const std::string& initial, int x, int y) = 0;
    // Index of the chosen item, or -1. x, y: screen pixels.
    virtual int popupMenu(const std::vector<MenuItem>& items, int x, int y) = 0;
    // The system's file choosers: the path chosen, or nullopt on Cancel. Saving asks before it
    // names a file that exists; opening names only a file that exists.
    virtual std::optional<std::string> chooseSaveFile(const FileChoice& choice) = 0;
    virtual std::optional<std::string> chooseOpenFile(const FileChoice& choice) = 0;
    virtual std::optional<std::string> chooseFolder(const std::string& title) = 0;

    // Services.
    virtual DateTime now() = 0;  // local time
    virtual DateTime utcNow() = 0;
    virtual Locale& locale() = 0;
    virtual FileSystem& files() = 0;
    virtual Tray& tray() = 0;
    virtual void playSound(const std::string& wavPath) = 0;  // asynchronous; silent when missing
    virtual void shellOpen(const std::string& target, const std::string& workingFolder) = 0;
    // A shell special folder (0 = desktop) without a trailing "\", or "" when unknown.
    virtual std::string specialFolder(int csidl) = 0;

    // The program file's own path, or "" when the system does not tell it.
    virtual std::string programPath() = 0;
    // Whether `path` lies on a removable drive (a USB stick, a card).
    virtual bool driveIsRemovable(const std::string& path) = 0;
    // Shell shortcuts (.lnk files; removed as files). The target a shortcut leads to, or nullopt
    // when there is none at `path` or it cannot be read.
    virtual std::optional<std::string> readShortcut(const std::string& path) = 0;
    // Writes (or rewrites) a shortcut at `path` that starts `target` in `workingFolder`.
    virtual Status writeShortcut(const std::string& path, const std::string& target,
                                 const std::string& workingFolder) = 0;
};

}  // namespace platform

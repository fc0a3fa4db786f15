// The program's icon in the notification area. It belongs to the hidden picture box
// NotifyPicture of the main window, whose picture it shows; a right press shows the main
// window, a double click opens a new note, a single click brings the main window forward.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/module.h"
#include "platform/form.h"

namespace app {

// Message numbers of the icon's mouse events.
inline constexpr int kTrayLeftPress = 513;
inline constexpr int kTrayLeftDoubleClick = 515;
inline constexpr int kTrayRightPress = 516;

// Title of the program's hidden application window: the entry point hands it to the platform,
// and the icon activates the program's windows by it.
inline constexpr const char* kApplicationTitle = "Orvane-Notes";

// The icon's two pictures, 16 x 16: 0 for an ordinary day, 1 when something is noted for today.
std::shared_ptr<const platform::Picture> NotifyICO(int index);

// The 64-byte tip field: `tip` filled with spaces or cut, always holding a NUL that ends the
// visible text (a long tip keeps its first 63 characters).
std::string TrayTipField(const std::string& tip);

class TrayIcon {
public:
    // Adds NotifyPicture and DBtimer to the main window and listens to the icon.
    explicit TrayIcon(Module& module);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    void TrayIconAdd();
    void TrayIconRemove();

    // Holds the picture that the icon shows (NotifyICO(0) until the day message chooses).
    platform::Control* NotifyPicture = nullptr;
    platform::Timer* DBtimer = nullptr;
    std::uint8_t TrayClickCountdown = 0;

private:
    void OnMessage(int message);
    void OnTick();

    Module& module_;
};

// The icon of the running program; nothing happens before the main window has made it.
void TrayIconAdd(Module& module);
void TrayIconRemove(Module& module);

}  // namespace app

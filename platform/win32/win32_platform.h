// The real program's platform: windows, dialogs, tray, clock, locale, files and shell of Windows.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/win32/gdi.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_tray.h"

namespace platform::win32 {

class Win32FormPeer;

class Win32Platform : public Platform {
public:
    // `applicationTitle` is the title of the program's hidden application window, by which the
    // program's windows are activated.
    explicit Win32Platform(const std::string& applicationTitle);
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    // Runs until quit() (or the end of the session); returns the process's exit code.
    int runMessageLoop();

    std::string programFolder() override;
    bool anotherInstanceRunning() override;
    std::unique_ptr<Form> createForm(const std::string& name, const std::string& title) override;
    void doEvents() override;
    bool activateWindow(const std::string& title) override;
    void quit() override;
    ScreenInfo screen() override;
    bool askYesNo(const std::string& title, const std::string& text, MessageIcon icon) override;
    void showMessage(const std::string& title, const std::string& text, MessageIcon icon) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title, const std::string& initial,
                                        int x, int y) override;
    int popupMenu(const std::vector<MenuItem>& items, int x, int y) override;
    std::optional<std::string> chooseSaveFile(const FileChoice& choice) override;
    std::optional<std::string> chooseOpenFile(const FileChoice& choice) override;
    std::optional<std::string> chooseFolder(const std::string& title) override;
    DateTime now() override;
    DateTime utcNow() override;
    Locale& locale() override { return locale_; }
    FileSystem& files() override { return files_; }
    Tray& tray() override { return tray_; }
    void playSound(const std::string& wavPath) override;
    void shellOpen(const std::string& target, const std::string& workingFolder) override;
    std::string specialFolder(int csidl) override;
    std::string programPath() override;
    bool driveIsRemovable(const std::string& path) override;
    std::optional<std::string> readShortcut(const std::string& path) override;
    Status writeShortcut(const std::string& path, const std::string& target, const std::string& workingFolder) override;

    // For the form windows.
    FontCache& fonts() { return fonts_; }
    int systemDpi() const { return systemDpi_; }
    BrushCache& brushes() { return brushes_; }
    void formShown(Win32FormPeer* form);
    void formGone(Win32FormPeer* form);

private:
    static LRESULT CALLBACK ApplicationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleApplication(UINT message, WPARAM wParam, LPARAM lParam);
    void bringLatestFormForward();
    HWND menuOwner() const;
    // The form a message or input box belongs to: the program's active form, or none.
    HWND askingForm() const;

    struct ComScope {
        ComScope();
        ~ComScope();
        bool initialised;
    } com_;
    int systemDpi_;
    FontCache fonts_;
    BrushCache brushes_;
    Win32FileSystem files_;
    Win32Locale locale_;
    Win32Tray tray_;
    UniqueWindow applicationWindow_;
    UniqueHandle instanceMutex_;
    std::optional<bool> anotherInstance_;
    std::vector<Win32FormPeer*> shownOrder_;  // forms by the time they were last shown, latest last
    bool sessionEnded_ = false;
};

}  // namespace platform::win32

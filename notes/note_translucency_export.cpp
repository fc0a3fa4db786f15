// Translucent notes, and the export of a note's text to a file on the desktop.
#include <array>
#include <cctype>
#include <cstdio>
#include <string_view>

#include "app/datafiles.h"
#include "notes/note_window.h"

namespace notes {

namespace {

constexpr int kOpaque = 255;
constexpr int kDesktopFolder = 0;

bool TranslucencyOn(const app::Module& module) {
    return module.Translucent != 0;
}

std::string ExportTimeStamp(const platform::DateTime& t) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d%02d%02d %02d%02d%02d", t.year % 100, t.month, t.day, t.hour, t.minute,
                  t.second);
    return buffer;
}

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

bool IsPlainFileName(const std::string& name) {
    for (const char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 32 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) return false;
    }
    std::string stem = Upper(name.substr(0, name.find('.')));
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    static constexpr std::array<const char*, 4> kDevices{"CON", "PRN", "AUX", "NUL"};
    for (const char* device : kDevices) {
        if (stem == device) return false;
    }
    const bool numberedDevice =
        stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '0' && stem[3] <= '9';
    return !numberedDevice;
}

void FrmNote::TranspOn() {
    if (!TranslucencyOn(module_)) return;
    form_->setLayeredOpacity(module_.TranslucentAlpha);
}

void FrmNote::TranspOff() {
    // After the user has switched translucency off, notes can still be made opaque.
    if (!TranslucencyOn(module_) && !module_.TranslucentCleared) return;
    form_->setLayeredOpacity(kOpaque);
}

void FrmNote::ToDesk(const std::string& Subor, bool Remov) {
    if (Subor.empty()) return;
    std::string path;
    if (Subor == "*auto*") {
        path = SysFolders(kDesktopFolder) + "Note " + ExportTimeStamp(module_.platform.now()) + ".txt";
    } else if (IsPlainFileName(Subor)) {
        path = SysFolders(kDesktopFolder) + Subor + ".txt";
    } else {
        module_.platform.showMessage("Save", "Bad file name: \"" + Subor + "\"", platform::MessageIcon::Stop);
        return;
    }
    if (platform::Status status = app::ReplaceFile(module_.platform.files(), path, NoteText->text()); !status) {
        module_.platform.showMessage("Save", path + ":\r\n" + status.error, platform::MessageIcon::Stop);
        return;
    }
    if (Remov) RemoveNote("Save");
}

std::string FrmNote::SysFolders(int CSIDL) {
    std::string path = module_.platform.specialFolder(CSIDL);
    if (path.empty()) return {};
    if (path.back() != '\\') path += "\\";
    return path;
}

}  // namespace notes

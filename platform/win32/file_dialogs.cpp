#include "platform/win32/file_dialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <memory>

#include "platform/win32/handles.h"

namespace platform::win32 {

namespace {

// The chooser's list of types: each name and its pattern ended by a NUL, the list by another.
std::string Filter(const FileChoice& choice) {
    std::string filter = choice.typeName + '\0' + choice.pattern + '\0';
    filter += std::string("All files (*.*)") + '\0' + "*.*" + '\0';
    return filter;
}

// The extension a typed name without one gets: "ics" from "*.ics".
std::string DefaultExtension(const FileChoice& choice) {
    const std::size_t dot = choice.pattern.rfind('.');
    return dot == std::string::npos ? std::string() : choice.pattern.substr(dot + 1);
}

// Shows the open or save dialog, whose own flags are `flags`; the chosen path, or nullopt.
template <typename ShowDialog>
std::optional<std::string> RunFileDialog(HWND owner, const FileChoice& choice, const std::string& initialName,
                                         const char* defaultExtension, DWORD flags, ShowDialog show) {
    const std::string filter = Filter(choice);
    std::string path(32768, '\0');
    path.replace(0, initialName.size(), initialName);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrTitle = choice.title.c_str();
    dialog.lpstrDefExt = defaultExtension;
    dialog.Flags = flags | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!show(&dialog)) return std::nullopt;
    return std::string(path.c_str());
}

}  // namespace

std::optional<std::string> RunSaveFileDialog(HWND owner, const FileChoice& choice) {
    const std::string extension = DefaultExtension(choice);
    return RunFileDialog(owner, choice, choice.suggestedName, extension.empty() ? nullptr : extension.c_str(),
                         OFN_OVERWRITEPROMPT, GetSaveFileNameA);
}

std::optional<std::string> RunOpenFileDialog(HWND owner, const FileChoice& choice) {
    return RunFileDialog(owner, choice, std::string(), nullptr, OFN_FILEMUSTEXIST, GetOpenFileNameA);
}

std::optional<std::string> RunFolderDialog(HWND owner, const std::string& title) {
    BROWSEINFOA browse{};
    browse.hwndOwner = owner;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    const LPITEMIDLIST chosen = SHBrowseForFolderA(&browse);
    if (!chosen) return std::nullopt;
    const std::unique_ptr<ITEMIDLIST, TaskMemFreer> owned(chosen);
    char path[MAX_PATH] = {};
    if (!SHGetPathFromIDListA(chosen, path)) return std::nullopt;
    return std::string(path);
}

}  // namespace platform::win32

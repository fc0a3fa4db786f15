#include "exchange/notes_text_export.h"

#include <algorithm>
#include <cctype>

#include "app/data_file_names.h"
#include "app/datafiles.h"
#include "exchange/code_page.h"
#include "notes/note_record.h"

namespace exchange {

namespace {

// The part of a note's first line that its file's name shows.
constexpr std::size_t kTitleLength = 40;

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool IsDeviceName(const std::string& name) {
    const std::string stem = Lower(name.substr(0, name.find('.')));
    static const char* const kDevices[] = {"con", "prn", "aux", "nul"};
    if (std::find(std::begin(kDevices), std::end(kDevices), stem) != std::end(kDevices)) return true;
    return stem.size() == 4 && (stem.starts_with("com") || stem.starts_with("lpt")) && stem[3] >= '0' && stem[3] <= '9';
}

std::string Cleaned(const std::string& wanted) {
    std::string name;
    for (const char c : wanted) {
        const bool reserved = std::string("<>:\"/\\|?*").find(c) != std::string::npos;
        name += reserved || static_cast<unsigned char>(c) < 0x20 ? '_' : c;
    }
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
    if (name.empty()) return "_";
    if (IsDeviceName(name)) name.insert(name.find('.') == std::string::npos ? name.size() : name.find('.'), "_");
    return name;
}

bool Taken(const std::string& name, const std::vector<std::string>& taken) {
    return std::any_of(taken.begin(), taken.end(),
                       [&](const std::string& other) { return Lower(other) == Lower(name); });
}

std::string Title(const std::string& text) {
    const std::size_t end = text.find_first_of("\r\n");
    std::string title = text.substr(0, end);
    std::replace(title.begin(), title.end(), '\t', ' ');
    if (title.size() > kTitleLength) title.resize(kTitleLength);
    while (!title.empty() && title.back() == ' ') title.pop_back();
    return title;
}

}  // namespace

std::string SafeFileName(const std::string& wanted, const std::vector<std::string>& taken) {
    std::string name = Cleaned(wanted);
    if (!Taken(name, taken)) return name;
    const std::size_t dot = name.rfind('.');
    const std::string stem = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
    const std::string extension = stem.size() == name.size() ? "" : name.substr(dot);
    for (int n = 2;; ++n) {
        std::string numbered = stem + " (" + std::to_string(n) + ")" + extension;
        if (!Taken(numbered, taken)) return numbered;
    }
}

std::optional<std::vector<NoteText>> ReadNoteTexts(platform::FileSystem& files, const std::string& dataPath,
                                                   std::string* why) {
    std::vector<NoteText> notes;
    const std::string path = dataPath + app::kNotesFile;
    if (!app::FilePresent(files, path)) return notes;
    app::RecordFile database(files, path);
    std::string reason;
    if (!database.Load(&reason)) {
        if (why) *why = path + " cannot be read: " + reason;
        return std::nullopt;
    }
    for (int n = 1; n <= app::kNoteRecordCount; ++n) {
        const std::string record = database.Read(n);
        if (record.empty()) continue;
        // A record without its header is all text, as the note opens it.
        notes.push_back({n, notes::HasHeader(record) ? record.substr(notes::kHeaderLength) : record});
    }
    return notes;
}

std::vector<NoteFile> NoteFiles(const std::vector<NoteText>& notes) {
    std::vector<NoteFile> files;
    std::vector<std::string> taken;
    for (const auto& note : notes) {
        const std::string title = Title(note.text);
        const std::string heading = "Note " + std::to_string(note.record) + (title.empty() ? "" : " - " + title);
        NoteFile file{SafeFileName(heading + ".txt", taken), AnsiToUtf8(heading + "\r\n\r\n" + note.text)};
        if (!file.content.ends_with("\r\n")) file.content += "\r\n";
        taken.push_back(file.name);
        files.push_back(std::move(file));
    }
    return files;
}

NotesWritten WriteNoteFiles(platform::FileSystem& files, const std::string& folder,
                            const std::vector<NoteFile>& notes) {
    NotesWritten result;
    for (const auto& note : notes) {
        result.status = app::ReplaceFile(files, folder + "\\" + note.name, note.content);
        if (!result.status) return result;
        ++result.written;
    }
    return result;
}

}  // namespace exchange

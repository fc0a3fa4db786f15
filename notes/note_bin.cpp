#include "notes/note_bin.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <tuple>

#include "app/datafiles.h"

namespace notes {

namespace {

constexpr const char* kExtension = ".txt";
// "yyyy-mm-dd hh-mm-ss NN", with " n" added when that name is taken.
constexpr std::size_t kStampLength = 19;

bool Digits(const std::string& text, std::size_t from, std::size_t count) {
    if (text.size() < from + count) return false;
    return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(from),
                       text.begin() + static_cast<std::ptrdiff_t>(from + count),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// Days since 1 March of year 0, for counting the days between two dates.
long DayNumber(int year, int month, int day) {
    if (month <= 2) --year;
    const long era = year / 400;
    const long yearOfEra = year - era * 400;
    const long dayOfYear = (153L * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    return era * 146097 + yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
}

std::string Stamp(const platform::DateTime& t) {
    char text[32] = {};
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d-%02d-%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

// The parts of a bin file's name; nullopt for a name the bin never gives.
std::optional<BinnedNote> ParseName(const std::string& name) {
    const std::string extension = kExtension;
    if (name.size() < kStampLength + 2 + extension.size() || !name.ends_with(extension)) return std::nullopt;
    if (!Digits(name, 0, 4) || !Digits(name, 5, 2) || !Digits(name, 8, 2) || !Digits(name, 11, 2) ||
        !Digits(name, 14, 2) || !Digits(name, 17, 2) || name[kStampLength] != ' ') {
        return std::nullopt;
    }
    const std::string rest = name.substr(kStampLength + 1, name.size() - kStampLength - 1 - extension.size());
    const std::size_t space = rest.find(' ');
    const std::string number = rest.substr(0, space);
    const std::string second = space == std::string::npos ? "1" : rest.substr(space + 1);
    if (number.empty() || number.size() > 2 || !Digits(number, 0, number.size())) return std::nullopt;
    if (second.empty() || second.size() > 3 || !Digits(second, 0, second.size())) return std::nullopt;
    BinnedNote note;
    note.file = name;
    note.removed = name.substr(0, 10) + " " + name.substr(11, 2) + ":" + name.substr(14, 2) + ":" + name.substr(17, 2);
    note.record = std::stoi(number);
    note.sameSecond = std::stoi(second);
    return note;
}

std::string BinPath(const std::string& dataPath) {
    return dataPath + app::kBinFolder;
}

}  // namespace

platform::Status PutInBin(platform::FileSystem& files, const std::string& dataPath, const std::string& note, int record,
                          const platform::DateTime& now) {
    const std::string bin = BinPath(dataPath);
    if (files.entry(bin) != platform::EntryKind::Folder) {
        if (platform::Status status = files.createFolder(bin); !status) return status;
    }
    const std::string stem = bin + "\\" + Stamp(now) + " " + std::to_string(record);
    std::string path = stem + kExtension;
    // The same record removed twice within a second: the second copy takes a numbered name.
    for (int n = 2; files.entry(path) != platform::EntryKind::None; ++n)
        path = stem + " " + std::to_string(n) + kExtension;
    return app::ReplaceFile(files, path, note);
}

std::vector<BinnedNote> NotesInBin(platform::FileSystem& files, const std::string& dataPath) {
    std::vector<BinnedNote> binned;
    for (const auto& name : files.listFiles(BinPath(dataPath))) {
        auto note = ParseName(name);
        if (!note) continue;
        auto bytes = files.readFile(BinPath(dataPath) + "\\" + name);
        if (!bytes) continue;
        note->note = std::move(*bytes);
        binned.push_back(std::move(*note));
    }
    std::sort(binned.begin(), binned.end(), [](const auto& a, const auto& b) {
        return std::tie(a.removed, a.sameSecond, a.file) > std::tie(b.removed, b.sameSecond, b.file);
    });
    return binned;
}

platform::Status TakeOutOfBin(platform::FileSystem& files, const std::string& dataPath, const std::string& file) {
    return files.removeFile(BinPath(dataPath) + "\\" + file);
}

void EmptyOldNotesFromBin(platform::FileSystem& files, const std::string& dataPath, const platform::DateTime& today) {
    const long todayNumber = DayNumber(today.year, today.month, today.day);
    for (const auto& name : files.listFiles(BinPath(dataPath))) {
        if (!ParseName(name)) continue;
        const long removed =
            DayNumber(std::stoi(name.substr(0, 4)), std::stoi(name.substr(5, 2)), std::stoi(name.substr(8, 2)));
        // What cannot be removed now is tried again the next day.
        if (todayNumber - removed > kBinDays) static_cast<void>(TakeOutOfBin(files, dataPath, name));
    }
}

}  // namespace notes

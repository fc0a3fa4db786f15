#include "app/settings.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "app/checked_write.h"
#include "app/datafiles.h"
#include "app/number_text.h"

namespace app {

void SetDefaultSettings(SharedValues& values) {
    values.ResumeMode = "NORESUME";
    values.NoteFontName = "MS Sans Serif";
    values.NoteFontSize = "8";
    values.NoteFontBold = "0";
    values.NoteForeColor = "&H00000000";
    values.NoteBackColor = "&H0094C2E3";
    values.NoteAlignment = "2";
}

namespace {

constexpr std::size_t kSettingsLines = 8;

std::vector<std::string> SettingsLines(const SharedValues& values) {
    return {values.ResumeMode,    values.NoteFontName,  values.NoteFontSize,  values.NoteFontBold,
            values.NoteForeColor, values.NoteBackColor, values.NoteAlignment, std::to_string(values.Translucent)};
}

// "dd.mm.yyyy" as a number that orders dates; 0 for anything else ("RESUME", "NORESUME").
long DismissalDay(const std::string& text) {
    int day = 0, month = 0, year = 0;
    char end = 0;
    if (text.size() != 10 || std::sscanf(text.c_str(), "%2d.%2d.%4d%c", &day, &month, &year, &end) != 3) return 0;
    return year * 10000L + month * 100L + day;
}

std::vector<std::string> WholeFile(std::vector<std::string> lines) {
    lines.resize(kSettingsLines);
    return lines;
}

}  // namespace

std::vector<std::string> MergeSettings(const std::vector<std::string>& base, const std::vector<std::string>& ours,
                                       const std::vector<std::string>& theirs) {
    std::vector<std::string> merged = ours;
    for (std::size_t i = 0; i < merged.size(); ++i) {
        // An empty line is a damaged or cut file, never a setting.
        if (ours[i] == base[i] && !theirs[i].empty()) merged[i] = theirs[i];
    }
    if (ours[0] != "RESUME" && DismissalDay(theirs[0]) > DismissalDay(ours[0])) merged[0] = theirs[0];
    return merged;
}

platform::Status SaveSettings(platform::FileSystem& files, SharedValues& values) {
    const std::string path = values.Path(kSettingsFile);
    const std::vector<std::string> ours = SettingsLines(values);
    const auto seen = values.LinesLastSeen.find(path);
    std::vector<std::string> merged;
    platform::Status status = WriteChecked(files, path, [&](const FileFound& found, std::string& content) {
        merged = ours;
        // A file cut short is damaged, not changed on the other computer: it is written over.
        if (seen != values.LinesLastSeen.end() && found.bytes) {
            const auto theirs = SplitLines(*found.bytes);
            if (theirs.size() >= kSettingsLines) merged = MergeSettings(seen->second, ours, WholeFile(theirs));
        }
        content = JoinLines(merged);
        return platform::Status::success();
    });
    if (!status) return status;
    if (merged != ours) ApplySettings(merged, values);
    values.LinesLastSeen[path] = std::move(merged);
    return status;
}

namespace {

// The whole text as a whole number (spaces around it allowed), or nothing.
bool ParseWholeNumber(const std::string& text, int& value) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    std::size_t end = text.size();
    while (end > i && text[end - 1] == ' ') --end;
    const std::string number = text.substr(i, end - i);
    if (number.empty()) return false;
    std::size_t digits = (number[0] == '-' || number[0] == '+') ? 1 : 0;
    if (digits == number.size()) return false;
    for (std::size_t k = digits; k < number.size(); ++k) {
        if (!std::isdigit(static_cast<unsigned char>(number[k])) && number[k] != '.') return false;
    }
    value = static_cast<int>(std::lround(ParseNumber(number)));
    return true;
}

}  // namespace

void PickUpSettings(platform::FileSystem& files, SharedValues& values) {
    const std::string path = values.Path(kSettingsFile);
    const auto seen = values.LinesLastSeen.find(path);
    if (seen == values.LinesLastSeen.end()) return;
    const auto lines = ReadLines(files, path);
    if (!lines || lines->size() < kSettingsLines || WholeFile(*lines) == seen->second) return;
    ApplySettings(MergeSettings(seen->second, SettingsLines(values), WholeFile(*lines)), values);
    seen->second = WholeFile(*lines);
}

void ApplySettings(const std::vector<std::string>& lines, SharedValues& values) {
    std::string* stored[] = {&values.ResumeMode,    &values.NoteFontName,  &values.NoteFontSize, &values.NoteFontBold,
                             &values.NoteForeColor, &values.NoteBackColor, &values.NoteAlignment};
    for (std::size_t i = 0; i < std::size(stored) && i < lines.size(); ++i) *stored[i] = lines[i];
    int translucent = 0;
    if (lines.size() >= 8 && ParseWholeNumber(lines[7], translucent) && translucent >= 0 && translucent <= 2) {
        values.Translucent = translucent;
    }
}

void LoadSettings(platform::FileSystem& files, SharedValues& values) {
    const std::string path = values.Path(kSettingsFile);
    auto lines = ReadLines(files, path);
    if (!lines) return;
    ApplySettings(*lines, values);
    values.LinesLastSeen[path] = WholeFile(*lines);
}

}  // namespace app

#include "fuzz/harness.h"

#include <memory>

#include "alarm/alarm_file.h"
#include "app/datafiles.h"
#include "app/main_window.h"
#include "app/module.h"
#include "app/settings.h"
#include "app/startup.h"
#include "app/tray_icon.h"
#include "diary/day_tables.h"
#include "notes/note_window.h"
#include "platform/headless/headless_platform.h"

namespace fuzzing {

namespace {

using platform::headless::HeadlessPlatform;
using platform::headless::MemoryFileSystem;

// Today on the session's clock: ten seconds before an alarm time that seeds write into lines.
constexpr platform::DateTime kSessionStart{kYear, 12, 7, 9, 59, 50};
// The day line typed into (the shown month is December) and what is typed there and in the note.
constexpr int kTypedDay = 9;
constexpr const char* kDayText = "[10:00] typed by the session";
constexpr const char* kNoteText = "typed into a new note";
// Past the note's autosave countdown and one tick of the alarm clock.
constexpr int kIdleMilliseconds = 16000;

std::string DataFile(const std::string& name) {
    return std::string(kDataPath) + name;
}

void Append(std::vector<std::string>& problems, std::vector<std::string> more) {
    for (auto& problem : more) problems.push_back(std::move(problem));
}

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::unique_ptr<HeadlessPlatform> PlatformWith(const DataFiles& folder) {
    auto platform = std::make_unique<HeadlessPlatform>();
    platform->setProgramFolder(kProgramFolder);
    platform->setTime(kSessionStart);
    platform->memoryFiles().putFolder(kProgramFolder);
    for (const auto& [name, bytes] : folder) platform->memoryFiles().putFile(DataFile(name), bytes);
    return platform;
}

DataFiles FilesOf(const MemoryFileSystem& files) {
    DataFiles folder;
    const std::string prefix = std::string(kDataPath) + "\\";
    for (const auto& path : files.paths()) {
        if (path.compare(0, prefix.size(), prefix) == 0) folder[path.substr(prefix.size() - 1)] = *files.file(path);
    }
    return folder;
}

// Whether a notes database has a record that a new note may take.
bool HasFreeRecord(const std::string& database) {
    MemoryFileSystem scratch;
    scratch.putFile("C:\\Notes", database);
    app::RecordFile records(scratch, "C:\\Notes");
    if (!records.Load()) return true;
    for (int n = 1; n <= app::kNoteRecordCount; ++n) {
        if (records.Read(n).empty()) return true;
    }
    return false;
}

// The new note's record holds the typed text, and no other byte of the database changed.
void CheckNewNoteRecord(const std::string& before, const std::string& after, int record,
                        std::vector<std::string>& problems) {
    MemoryFileSystem scratch;
    scratch.putFile("C:\\Notes", after);
    app::RecordFile records(scratch, "C:\\Notes");
    records.Load();
    const std::string note = records.Read(record);
    if (!EndsWith(note, kNoteText)) problems.push_back("the new note's record does not hold the typed text");
    const std::size_t offset = static_cast<std::size_t>(record - 1) * app::kRecordLength;
    const std::size_t end = offset + 2 + note.size();
    std::string expected = before;
    if (expected.size() < end) expected.resize(end, '\0');
    if (after.size() >= end) expected.replace(offset, end - offset, after, offset, end - offset);
    if (after != expected) problems.push_back("bytes of the notes file outside the new note's record changed");
}

// The first `count` lines of a text file as its reader takes them: lines the file lacks read as
// `missing`.
std::vector<std::string> LinesRead(const std::string& content, std::size_t count, const std::string& missing) {
    auto lines = app::SplitLines(content);
    lines.resize(count, missing);
    return lines;
}

// The year file holds the typed day line, and every other line as start-up read it.
void CheckYearFile(const DataFiles& folder, const MemoryFileSystem& files, std::vector<std::string>& problems) {
    const std::string name = app::YearFile(kYear);
    const std::size_t typed = static_cast<std::size_t>((12 - 1) * app::kYearFileDaysPerMonth + kTypedDay - 1);
    const auto found = folder.find(name);
    auto expected =
        LinesRead(found == folder.end() ? "" : found->second, 12 * app::kYearFileDaysPerMonth, app::kEmptyDiaryCell);
    // A line shorter than the format code is read with the code filled up with "#".
    for (auto& line : expected) {
        if (line.size() < app::kDiaryCodeLength) line.append(app::kDiaryCodeLength - line.size(), '#');
    }
    Append(problems, LinesNotKept(files, name, expected, {typed}));
    const auto written = app::SplitLines(files.file(DataFile(name)).value_or(""));
    if (written.size() <= typed || !EndsWith(written[typed], kDayText))
        problems.push_back(name + " does not hold the typed day line");
}

// The settings and alarm files are rewritten at the end with what start-up read: every text line
// comes back as it was (the number lines are read as numbers and written anew).
void CheckTextSettingsKept(const DataFiles& folder, const MemoryFileSystem& files, std::vector<std::string>& problems) {
    if (const auto settings = folder.find(app::kSettingsFile); settings != folder.end())
        Append(problems, LinesNotKept(files, app::kSettingsFile, LinesRead(settings->second, 8, ""), {7}));
    if (const auto alarm = folder.find(app::kAlarmFile); alarm != folder.end())
        Append(problems,
               LinesNotKept(files, app::kAlarmFile,
                            LinesRead(alarm->second, static_cast<std::size_t>(alarms::kAlarmLines), ""), {0}));
}

}  // namespace

const std::vector<std::string>& TargetNames() {
    static const std::vector<std::string> names{"settings", "notes", "names", "reminder", "diary", "alarm", "all"};
    return names;
}

std::vector<std::string> AllTargetFiles() {
    return {app::kSettingsFile, app::kNotesFile,      app::kNamesFile,
            app::kReminderFile, app::YearFile(kYear), app::kAlarmFile};
}

std::vector<std::string> SplitAtSeparator(std::string_view input) {
    std::vector<std::string> parts;
    for (;;) {
        const std::size_t at = input.find(kFileSeparator);
        parts.emplace_back(input.substr(0, at));
        if (at == std::string_view::npos) return parts;
        input.remove_prefix(at + kFileSeparator.size());
    }
}

std::optional<DataFiles> FolderFromInput(const std::string& target, std::string_view input) {
    const auto files = AllTargetFiles();
    if (target == "all") {
        DataFiles folder;
        const auto parts = SplitAtSeparator(input);
        for (std::size_t i = 0; i < parts.size() && i < files.size(); ++i) folder[files[i]] = parts[i];
        return folder;
    }
    const auto& names = TargetNames();
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (names[i] != target) continue;
        DataFiles folder = FirstRunFiles();
        folder[files[i]] = std::string(input);
        return folder;
    }
    return std::nullopt;
}

const DataFiles& FirstRunFiles() {
    static const DataFiles files = [] {
        auto platform = PlatformWith({});
        app::Module module(*platform);
        app::Main(module);
        return FilesOf(platform->memoryFiles());
    }();
    return files;
}

std::vector<std::string> ScratchFilesLeft(const MemoryFileSystem& files) {
    std::vector<std::string> left;
    for (const auto& [name, bytes] : FilesOf(files)) {
        if (EndsWith(name, app::kWritingSuffix) || EndsWith(name, app::kWrittenSuffix)) left.push_back(name);
    }
    return left;
}

std::vector<std::string> UntouchedFilesRewritten(const DataFiles& before, const MemoryFileSystem& files,
                                                 const std::set<std::string>& written) {
    std::vector<std::string> problems;
    for (const auto& [name, bytes] : before) {
        if (written.count(name)) continue;
        const auto now = files.file(DataFile(name));
        if (!now) {
            problems.push_back(name + " was removed");
        } else if (*now != bytes) {
            problems.push_back(name + " was changed");
        } else if (files.timesWritten(DataFile(name)) > 0) {
            problems.push_back(name + " was written again");
        }
    }
    return problems;
}

std::vector<std::string> LinesNotKept(const MemoryFileSystem& files, const std::string& name,
                                      const std::vector<std::string>& expected, const std::set<std::size_t>& skipped) {
    const auto written = app::SplitLines(files.file(DataFile(name)).value_or(""));
    if (written.size() != expected.size())
        return {name + " was written with " + std::to_string(written.size()) + " lines"};
    std::vector<std::string> problems;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (!skipped.count(i) && written[i] != expected[i])
            problems.push_back(name + " line " + std::to_string(i + 1) + " was not kept");
    }
    return problems;
}

std::vector<std::string> RunSession(const DataFiles& folder) {
    std::vector<std::string> problems;
    auto platform = PlatformWith(folder);
    app::Module module(*platform);
    if (!app::Main(module)) return {"start-up ended the program"};

    platform->trayMessage(app::kTrayRightPress);
    app::FrmDiar& diar = *module.Diar;
    if (!diar.form().visible()) problems.push_back("the tray's right press did not show the calendar");
    platform::Control& line = *diar.DenLine[kTypedDay];
    platform->focus(line);
    line.select(0, static_cast<int>(line.text().size()));
    platform->keyDown(line, platform::kKeyBack);
    platform->type(line, kDayText);
    diar.ParkFocus();

    const std::size_t notesBefore = module.Notes.size();
    platform->trayMessage(app::kTrayLeftDoubleClick);
    notes::FrmNote* note = module.Notes.size() > notesBefore ? module.Notes.back().get() : nullptr;
    if (note) {
        platform->focus(*note->NoteText);
        platform->type(*note->NoteText, kNoteText);
    }
    platform->advance(kIdleMilliseconds);
    if (note && note->SavePending()) problems.push_back("the new note did not save itself");

    platform->click(*diar.Minimalizator, platform::kLeftButton, platform::kShift);
    if (!platform->quitRequested) problems.push_back("ending from the calendar did not end the program");

    const MemoryFileSystem& files = platform->memoryFiles();
    for (const auto& name : ScratchFilesLeft(files)) problems.push_back("scratch file left: " + name);
    std::set<std::string> written{app::kSettingsFile, app::kAlarmFile, app::YearFile(kYear)};
    const auto notesFile = folder.find(app::kNotesFile);
    if (note) {
        written.insert(app::kNotesFile);
        if (notesFile != folder.end())
            CheckNewNoteRecord(notesFile->second, files.file(DataFile(app::kNotesFile)).value_or(""),
                               note->RecordNumber(), problems);
    } else if (notesFile == folder.end() || HasFreeRecord(notesFile->second)) {
        problems.push_back("no new note opened although a record was free");
    }
    Append(problems, UntouchedFilesRewritten(folder, files, written));
    CheckYearFile(folder, files, problems);
    CheckTextSettingsKept(folder, files, problems);
    return problems;
}

}  // namespace fuzzing

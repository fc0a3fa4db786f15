#include "bench/bench_data.h"

#include <stdexcept>
#include <vector>

#include "app/datafiles.h"
#include "app/settings.h"
#include "diary/day_tables.h"

namespace bench {

namespace {

constexpr int kWordsLength = 3900;
constexpr int kFullLength = notes::kNoteTextLimit;  // 3,930

// A data folder missing a file would time something else: a step that fails stops the benchmark.
void Must(const platform::Status& status) {
    if (!status) throw std::runtime_error(status.error);
}

std::string Repeated(const std::string& line, int count) {
    return app::JoinLines(std::vector<std::string>(static_cast<std::size_t>(count), line));
}

}  // namespace

std::string FullNoteText(NoteText kind) {
    switch (kind) {
        case NoteText::UnbrokenWord:
            return std::string(kFullLength, 'x');
        case NoteText::LatinY:
            return std::string(kFullLength, '\xFF');
        case NoteText::Words:
            break;
    }
    static const char* const words[] = {"meeting", "call", "the",    "dentist",  "buy", "milk",    "and",
                                        "bread",   "on",   "Friday", "remember", "a",   "birthday"};
    std::string text;
    for (std::size_t i = 0; text.size() < kWordsLength; ++i) {
        if (!text.empty()) text += ' ';
        text += words[(i * 7) % std::size(words)];
    }
    text.resize(kWordsLength);
    if (text.back() == ' ') text.back() = '.';
    return text;
}

notes::NoteFields BenchNoteFields(int index) {
    notes::NoteFields fields;
    fields.left = 8 + (index % 8) * 124;
    fields.top = 8 + (index / 8) * 150;
    fields.width = 180;
    fields.height = 140;
    fields.alignment = index % 3;
    fields.fontSize = 9;
    fields.fontName = "Arial";
    fields.foreColor = 0x000000;
    fields.backColor = notes::kDefaultNoteBackColor;
    return fields;
}

std::string NotesDatabase(const DataSet& set) {
    std::string database = app::RecordFile::EmptyDatabase(app::kNoteRecordCount);
    const std::string text = FullNoteText(set.text);
    for (int i = 0; i < set.notes && i < app::kNoteRecordCount; ++i) {
        const std::string record = notes::BuildNoteString(BenchNoteFields(i), text);
        const std::size_t at = static_cast<std::size_t>(i) * app::kRecordLength;
        database[at] = static_cast<char>(record.size() % 256);
        database[at + 1] = static_cast<char>(record.size() / 256);
        database.replace(at + 2, record.size(), record);
    }
    return database;
}

std::string FullYearFile(int year, int writtenEvery) {
    std::vector<std::string> lines;
    for (int m = 1; m <= 12; ++m) {
        for (int d = 1; d <= app::kYearFileDaysPerMonth; ++d) {
            if (lines.size() % static_cast<std::size_t>(writtenEvery) != 0) {
                lines.emplace_back(app::kEmptyDiaryCell);
                continue;
            }
            lines.push_back("B#### " + std::to_string(d) + "." + std::to_string(m) + "." + std::to_string(year) +
                            " [9:05] dentist, then the weekly shopping and a call to the bank");
        }
    }
    return app::JoinLines(lines);
}

void PrepareNotesDat(platform::FileSystem& files, const std::string& dataPath, const DataSet& set) {
    Must(files.createFolder(dataPath));
    Must(files.createFolder(dataPath + app::kDiaryFolder));
    // As a first run writes them (see tests/e2e/lib.sh, e2e_first_run_tree).
    Must(app::ReplaceFile(files, dataPath + app::kSettingsFile,
                          "NORESUME\r\nMS Sans Serif\r\n8\r\n0\r\n&H00000000\r\n&H0094C2E3\r\n2\r\n0\r\n"));
    Must(app::ReplaceFile(files, dataPath + app::kNamesFile, Repeated(" ", 366)));
    Must(app::ReplaceFile(files, dataPath + app::kReminderFile, Repeated("", 366)));
    Must(app::ReplaceFile(files, dataPath + "\\Alarm", " 1 \r\n" + Repeated("", 38)));
    Must(app::ReplaceFile(files, dataPath + app::kNotesFile, NotesDatabase(set)));
    for (int y = 0; y < set.years; ++y) {
        Must(app::ReplaceFile(files, dataPath + app::YearFile(set.firstYear + y),
                              FullYearFile(set.firstYear + y, set.writtenEvery)));
    }
}

}  // namespace bench

// The data the benchmarks start from: a NotesDat folder with up to 40 full notes and any number
// of full year files, prepared on a file system (the in-memory one, or written out to a real
// folder for the Wine benchmark by the tool make_bench_data).
//
//     platform::headless::MemoryFileSystem files;
//     bench::PrepareNotesDat(files, "C:\\Orvane\\NotesDat", {.notes = 40, .years = 10});
#pragma once

#include <string>

#include "notes/note_record.h"
#include "platform/file_system.h"

namespace bench {

// What a full note holds.
enum class NoteText {
    Words,         // 3,900 characters of words and spaces, one paragraph
    UnbrokenWord,  // 3,930 characters without a space: the edit box must break the word by force
    LatinY,        // 3,930 "ÿ" (byte 0xFF in the ANSI file)
};

struct DataSet {
    int notes = 40;  // 0..40 full notes in the records 1..notes
    NoteText text = NoteText::Words;
    int years = 0;  // year files firstYear, firstYear + 1, ...
    int firstYear = 2026;
    int writtenEvery = 1;  // a line on every day, or on every second, third ... day
};

// The text of a full note of that kind.
std::string FullNoteText(NoteText kind);
// Place, size and format of note `index` (0..39): spread over a 1024 x 768 screen, three
// alignments in turn, Arial 9.
notes::NoteFields BenchNoteFields(int index);
// The notes database with `set.notes` full notes.
std::string NotesDatabase(const DataSet& set);
// A year file with a line of text on every day, or on every `writtenEvery`-th line of the file.
std::string FullYearFile(int year, int writtenEvery = 1);

// Writes the whole NotesDat folder at `dataPath` (no trailing "\"): Notes.ini, Names, Reminder,
// Alarm, Notes and the year files in Diary. Files already there are replaced.
void PrepareNotesDat(platform::FileSystem& files, const std::string& dataPath, const DataSet& set);

}  // namespace bench

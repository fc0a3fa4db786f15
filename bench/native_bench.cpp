// The native benchmarks: the program's start-up and its data files on the headless platform.
// Speed is measured here, never asserted in the tests. Run by tools/bench; a new benchmark that
// needs a NotesDat folder starts from bench::PrepareNotesDat (see BenchProgram below).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "alarm/alarm_artwork.h"
#include "app/artwork_main_window.h"
#include "app/backup.h"
#include "app/backup_schedule.h"
#include "app/datafiles.h"
#include "app/module.h"
#include "app/startup.h"
#include "bench/bench_data.h"
#include "diary/day_tables.h"
#include "notes/note_window.h"
#include "notes/notes_database.h"
#include "platform/headless/headless_platform.h"

namespace {

constexpr const char* kProgramFolder = "C:\\Orvane";
constexpr const char* kDataPath = "C:\\Orvane\\NotesDat";

// A program on the headless platform with a prepared NotesDat folder, not yet started.
struct BenchProgram {
    explicit BenchProgram(const bench::DataSet& set) {
        platform.setProgramFolder(kProgramFolder);
        platform.setTime({2026, 12, 7, 10, 0, 0});
        platform.memoryFiles().putFolder(kProgramFolder);
        bench::PrepareNotesDat(platform.memoryFiles(), kDataPath, set);
    }
    bool Start() { return app::Main(*module); }
    // Started, with the day tables of 2026 loaded as the calendar loads them.
    void StartWithYearLoaded() {
        Start();
        module->CurYear = 2026;
        app::LoadDayTables(platform.memoryFiles(), *module);
        app::LoadYear(platform.memoryFiles(), *module);
    }

    platform::headless::HeadlessPlatform platform;
    std::unique_ptr<app::Module> module = std::make_unique<app::Module>(platform);
};

// app::Main with 0 or 40 full notes: windows, settings, alarms, notes, the calendar's first month.
void BM_StartUp(benchmark::State& state) {
    const bench::DataSet set{.notes = static_cast<int>(state.range(0)), .years = 1};
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<BenchProgram>(set);
        state.ResumeTiming();
        benchmark::DoNotOptimize(program->Start());
        state.PauseTiming();
        program.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUp)->Arg(0)->Arg(40)->Unit(benchmark::kMicrosecond);

// A year's day tables: "\Names", "\Reminder" and a full year file.
void BM_LoadYearDayTables(benchmark::State& state) {
    BenchProgram program({.notes = 0, .years = 1});
    program.Start();
    program.module->CurYear = 2026;
    auto& files = program.module->platform.files();
    for (auto _ : state) {
        app::LoadDayTables(files, *program.module);
        app::LoadYear(files, *program.module);
    }
}
BENCHMARK(BM_LoadYearDayTables)->Unit(benchmark::kMicrosecond);

// Writing a changed full year (and the recurring notes) with SaveDiary.
void BM_SaveDiary(benchmark::State& state) {
    BenchProgram program({.notes = 0, .years = 1});
    program.StartWithYearLoaded();
    auto& files = program.module->platform.files();
    for (auto _ : state) {
        program.module->DiaryDirty = true;
        program.module->RemindersDirty = true;
        const auto report = app::SaveDiary(files, *program.module, program.module->platform.now());
        if (!report.failures.empty()) state.SkipWithError("SaveDiary failed");
    }
}
BENCHMARK(BM_SaveDiary)->Unit(benchmark::kMicrosecond);

// The same two files written whole without being read first, as the save wrote them before it
// looked for another computer's changes: the floor that BM_SaveDiary's checks are measured against.
void BM_WriteDiaryUnchecked(benchmark::State& state) {
    BenchProgram program({.notes = 0, .years = 1});
    program.StartWithYearLoaded();
    auto& module = *program.module;
    auto& files = module.platform.files();
    std::vector<std::string> year;
    std::vector<std::string> reminders;
    for (int m = 1; m <= 12; ++m) {
        for (int d = 1; d <= app::kYearFileDaysPerMonth; ++d) year.push_back(module.Diary(m, d));
        for (int d = 1; d <= module.DaysInMonth[static_cast<std::size_t>(m)]; ++d) {
            reminders.push_back(module.Reminders(m, d));
        }
    }
    for (auto _ : state) {
        if (!app::WriteLines(files, module.Path(app::YearFile(2026)), year) ||
            !app::WriteLines(files, module.Path(app::kReminderFile), reminders)) {
            state.SkipWithError("the write failed");
        }
    }
}
BENCHMARK(BM_WriteDiaryUnchecked)->Unit(benchmark::kMicrosecond);

// SaveDiary when another computer changed a day of the year file since the last save: the file is
// read, merged line by line and written.
void BM_SaveDiaryMergingAnArrivedLine(benchmark::State& state) {
    BenchProgram program({.notes = 0, .years = 1});
    program.StartWithYearLoaded();
    auto& module = *program.module;
    auto& files = program.platform.memoryFiles();
    const std::string path = module.Path(app::YearFile(2026));
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto lines = app::SplitLines(*files.file(path));
        ++round;
        lines[static_cast<std::size_t>(round % 372)] = "#####arrived " + std::to_string(round);
        files.putFile(path, app::JoinLines(lines));
        module.Diary(12, 7) = "#####typed " + std::to_string(round);
        module.DiaryDirty = true;
        state.ResumeTiming();
        const auto report = app::SaveDiary(files, module, module.platform.now());
        if (!report.failures.empty()) state.SkipWithError("SaveDiary failed");
    }
}
BENCHMARK(BM_SaveDiaryMergingAnArrivedLine)->Unit(benchmark::kMicrosecond);

// One open note writes its record into the database of 40 full notes.
void BM_SaveNoteRecord(benchmark::State& state) {
    BenchProgram program({.notes = 40});
    program.Start();
    auto& note = *program.module->Notes.front();
    for (auto _ : state) {
        if (!note.WriteRecord()) state.SkipWithError("the note could not be saved");
    }
}
BENCHMARK(BM_SaveNoteRecord)->Unit(benchmark::kMicrosecond);

// LoadNotes over a database of 40 full notes: 40 note windows opened.
void BM_LoadNotes40(benchmark::State& state) {
    BenchProgram program({.notes = 40});
    program.Start();
    auto& module = *program.module;
    app::RecordFile database(program.platform.files(), module.Path(app::kNotesFile));
    database.Load();
    for (auto _ : state) {
        state.PauseTiming();
        module.Notes.clear();
        state.ResumeTiming();
        notes::LoadNotes(module, database);
    }
    state.SetItemsProcessed(state.iterations() * 40);
}
BENCHMARK(BM_LoadNotes40)->Unit(benchmark::kMicrosecond);

// The daily backup of a data folder with 40 full notes and 10 full year files, as the first start
// of a day takes it once the tray icon is there.
void BM_DailyBackup(benchmark::State& state) {
    const bench::DataSet set{.notes = 40, .years = 10};
    const platform::DateTime today{2026, 12, 7, 10, 0, 0};
    for (auto _ : state) {
        state.PauseTiming();
        platform::headless::MemoryFileSystem files;
        files.putFolder(kProgramFolder);
        bench::PrepareNotesDat(files, kDataPath, set);
        state.ResumeTiming();
        if (app::TakeDailyBackup(files, kDataPath, today) != app::BackupResult::Made) {
            state.SkipWithError("the backup was not made");
        }
    }
}
BENCHMARK(BM_DailyBackup)->Unit(benchmark::kMicrosecond);

// Start-up with 40 full notes and 10 year files, then the moment after it in which the start's
// backup runs: when the day's backup is still to be taken, and when an earlier start has taken it.
// The difference is what the backup adds to the program's first second.
void BM_StartUpAndItsBackup(benchmark::State& state) {
    const bench::DataSet set{.notes = 40, .years = 10};
    const bool backupTaken = state.range(0) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<BenchProgram>(set);
        if (backupTaken) app::TakeDailyBackup(program->platform.memoryFiles(), kDataPath, program->platform.now());
        state.ResumeTiming();
        benchmark::DoNotOptimize(program->Start());
        program->platform.advance(app::kStartBackupDelay);
        state.PauseTiming();
        program.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpAndItsBackup)->ArgName("backupTaken")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Every picture the main window shows, drawn once at 100% or 200% (the argument, in percent), as a
// start-up at that DPI draws them. The pictures are kept per scale, so each iteration asks for a
// scale a billionth away from any asked before (in any run or repetition): the same picture
// sizes, drawn afresh. Every scale drawn stays in memory, hence the fixed number of iterations.
void BM_DrawMainWindowPictures(benchmark::State& state) {
    const double scale = static_cast<double>(state.range(0)) / 100;
    static int drawn = 0;
    for (auto _ : state) {
        const double fresh = scale + 1e-9 * ++drawn;
        benchmark::DoNotOptimize(app::art::YearCardPicture(fresh));
        benchmark::DoNotOptimize(app::art::BrushPicture(fresh));
        benchmark::DoNotOptimize(app::art::LogoPicture(fresh));
        benchmark::DoNotOptimize(app::art::HelpPicture(fresh));
        benchmark::DoNotOptimize(app::art::HidePicture(fresh));
        benchmark::DoNotOptimize(app::art::ExitPicture(fresh));
        benchmark::DoNotOptimize(app::art::TodayPicture(fresh));
        benchmark::DoNotOptimize(alarms::art::AlarmButtonPicture(fresh));
        benchmark::DoNotOptimize(app::art::ReminderMarkerPicture(fresh));
        benchmark::DoNotOptimize(app::art::MonthArrowPicture(false, fresh));
        benchmark::DoNotOptimize(app::art::MonthArrowPicture(true, fresh));
        benchmark::DoNotOptimize(app::art::YearStepPicture(false, fresh));
        benchmark::DoNotOptimize(app::art::YearStepPicture(true, fresh));
        benchmark::DoNotOptimize(app::art::MonthTitlePicture(fresh));
    }
}
BENCHMARK(BM_DrawMainWindowPictures)->Arg(100)->Arg(200)->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

#include "app/startup.h"

#include <algorithm>
#include <iterator>

#include "alarm/alarm_clock.h"
#include "alarm/alarm_dialog.h"
#include "alarm/alarm_options.h"
#include "alarm/alarm_settings.h"
#include "alarm/message_window.h"
#include "app/backup_schedule.h"
#include "app/conflict_copies.h"
#include "app/datafiles.h"
#include "app/main_window.h"
#include "app/screen_rescue.h"
#include "app/session.h"
#include "app/settings.h"
#include "app/start_with_windows.h"
#include "app/tray_icon.h"
#include "exchange/exchange_window.h"
#include "notes/notes_database.h"
#include "restore/restore_window.h"
#include "search/search_window.h"

namespace app {

namespace {

constexpr int kYearDays = 366;

// The files a start makes when they are missing.
constexpr const char* kFirstRunFiles[] = {kSettingsFile, kNotesFile, kNamesFile, kReminderFile};

// Creates a first-run file only where nothing of that name exists: a hidden file counts as
// missing for the existence test, but it must never be overwritten.
void CreateIfMissing(Module& module, const std::string& name, const std::string& bytes) {
    auto& files = module.platform.files();
    const std::string path = module.Path(name);
    if (FilePresent(files, path) || AnythingAt(files, path)) return;
    // A file that cannot be made reads as missing: the day tables start empty, the notes database
    // says so when it is opened, and a save the user starts names the file.
    static_cast<void>(ReplaceFile(files, path, bytes));
}

// The notes database is read as a whole once; when that fails the program goes on without
// notes and says so, instead of ending.
void OpenNotesDatabase(Module& module) {
    const std::string path = module.Path(kNotesFile);
    RecordFile database(module.platform.files(), path);
    std::string why;
    if (!database.Load(&why)) {
        module.platform.showMessage(kProductName,
                                    "The notes file " + path + " could not be opened.\r\n" + why +
                                        "\r\n\r\nThe program goes on without its desktop notes.",
                                    platform::MessageIcon::Stop);
        return;
    }
    notes::LoadNotes(module, database);
}

std::string RepeatedLines(const std::string& line, int count) {
    return JoinLines(std::vector<std::string>(static_cast<std::size_t>(count), line));
}

}  // namespace

bool InitData(Module& module) {
    auto& files = module.platform.files();
    module.DataPath = DataFolder(module.platform.programFolder());

    // Every step may fail on its own (an existing folder, a read-only disk); the next one runs.
    static_cast<void>(files.createFolder(module.DataPath));
    static_cast<void>(files.createFolder(module.Path(kDiaryFolder)));
    RecoverInterruptedWrites(files, module.DataPath);
    RecoverInterruptedWrites(files, module.Path(kDiaryFolder));
    RecoverInterruptedWrites(files, module.Path(kConflictFolder));
    // Before anything is read, so that the windows show what the copies held.
    MergeConflictCopies(files, module, module.platform.now());
    // A folder unpacked from the release holds the help page and the sound but no data yet.
    const bool firstRun = std::none_of(std::begin(kFirstRunFiles), std::end(kFirstRunFiles),
                                       [&](const char* name) { return FilePresent(files, module.Path(name)); });

    if (!FilePresent(files, module.Path(kSettingsFile))) {
        SetDefaultSettings(module);
        // Unwritten, the defaults hold for this run and the next start tries again.
        if (!AnythingAt(files, module.Path(kSettingsFile))) static_cast<void>(SaveSettings(files, module));
    }
    LoadSettings(files, module);
    if (module.Diar) module.Diar->ChkTranslut->setValue(module.Translucent);

    CreateIfMissing(module, kNotesFile, RecordFile::EmptyDatabase(kNoteRecordCount));
    CreateIfMissing(module, kNamesFile, RepeatedLines(" ", kYearDays));
    CreateIfMissing(module, kReminderFile, RepeatedLines("", kYearDays));
    return firstRun;
}

bool Main(Module& module) {
    auto& platform = module.platform;
    module.TranslucentAlpha = 180;
    if (platform.anotherInstanceRunning()) return false;

    module.Diar = std::make_unique<FrmDiar>(module);
    module.Clock = std::make_unique<alarms::AlarmClock>(module);
    module.Message = std::make_unique<alarms::MessageWindow>(module);
    module.Tray = std::make_unique<TrayIcon>(module);
    module.Menu = platform.createForm("FrmMenu", "Menu");

    module.DaysInMonth = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    module.NotLeapYear = 0;
    // A first run's new data folder holds nothing to keep yet.
    if (InitData(module)) SkipTodaysBackup(module);
    // Per computer, so not among the settings: the Startup folder's shortcut is the choice.
    LookAtStartWithWindows(module);
    module.AlarmDialog = std::make_unique<alarms::AlarmDialog>(module);
    module.Restore = std::make_unique<restore::RestoreWindow>(module);
    module.Search = std::make_unique<search::SearchWindow>(module);
    module.Exchange = std::make_unique<exchange::ExchangeWindow>(module);
    alarms::LoadAlarms(platform.files(), module);
    alarms::LoadAlarmOptions(platform.files(), module);
    module.DragActive = false;

    OpenNotesDatabase(module);
    module.Screens = std::make_unique<ScreenRescue>(module);
    module.Diar->DiarStart();
    // After the day message: what fell due while the program was not running.
    alarms::LookAtStart(module);
    // Not now: the copy would hold up the message loop, and with it the first clicks on the icon.
    BackupSoonAfterStart(module);

    platform.onSessionEnd = [&module] { SaveBeforeSessionEnd(module); };
    return true;
}

}  // namespace app

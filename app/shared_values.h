// The values the whole program shares for its whole run: the data folder, the day tables, the
// settings, the alarm tables and the hand-over values of the note windows. They hold no window,
// so the routines that read and write the data files take them without a platform.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace app {

// Title of the program's message boxes.
inline constexpr const char* kProductName = "Orvane Notes";

// 13 x 32 strings addressed by (month, day); month 0 and day 0 are never used.
class DayTable {
public:
    std::string& operator()(int month, int day) { return cells_.at(static_cast<std::size_t>(month * 32 + day)); }
    const std::string& operator()(int month, int day) const {
        return cells_.at(static_cast<std::size_t>(month * 32 + day));
    }
    void Clear() {
        for (auto& cell : cells_) cell.clear();
    }

private:
    std::array<std::string, 13 * 32> cells_{};
};

struct SharedValues {
    // Data folder: the program's folder followed by "NotesDat", without a trailing "\".
    std::string DataPath;

    // Month lengths, index 1..12; February is set for the year shown.
    std::array<std::uint8_t, 13> DaysInMonth{0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::uint8_t NotLeapYear = 0;

    // Translucency of the notes. `Translucent` is the value of the main window's check box
    // ChkTranslut ("Translucent"; 0 off, 1 on, 2 greyed): the box shows it and the user changes it
    // there; the settings file keeps it as its last line.
    int Translucent = 0;
    std::uint8_t TranslucentAlpha = 180;
    bool TranslucentCleared = false;

    // Dragging of the main window and the notes (pixels).
    bool DragActive = false;
    int DragStartX = 0;
    int DragStartY = 0;

    // Settings, as stored in the settings file.
    std::string ResumeMode;
    std::string NoteFontName;
    std::string NoteFontSize;
    std::string NoteFontBold;
    std::string NoteForeColor;
    std::string NoteBackColor;
    std::string NoteAlignment;

    // Day tables.
    DayTable Diary;
    DayTable Reminders;
    DayTable Names;
    int CurYear = 2000;
    int ShownMonth = 1;
    bool DiaryDirty = false;
    bool RemindersDirty = false;
    // The lines of the year files and "\Reminder" as the program last read or wrote them (a year
    // file's as its cells were made whole), by the file's path, so that another year's lines are
    // never taken for the shown year's. Before it writes, SaveDiary compares the file with them:
    // lines that differ arrived from another copy of the file (a sync client's) and are merged.
    std::map<std::string, std::vector<std::string>> LinesLastSeen;
    // The notes database's records as the program last read or wrote them, by record number: a
    // record that differs from them in the file was written by another copy.
    std::map<int, std::string> RecordsLastSeen;
    // The data files' sizes and last-write times at the last look for what another copy wrote, and
    // the minute of the clock's last look.
    std::string StampsAtLastLook;
    long MinuteOfLastLook = -1;

    // Alarms and messages.
    std::array<std::string, 32> DayAlarms{};     // 1..31
    std::array<std::string, 8> WeekdayAlarms{};  // 1..7
    // The alarm sound switch as the alarm dialog's "Sound On" box shows it: 1 on, 0 off. The
    // sound is on until the alarm file says otherwise.
    int AlarmSound = 1;
    // The alarm dialog's options for alarms that fell due while the clock did not look (the
    // computer slept, the program was not running): "Ring a late alarm if at most LateMinutes
    // minutes late" (1 on, 0 off; 1 .. 60 minutes) and "List missed alarms" (1 on, 0 off). Kept in
    // "\AlarmOptions"; off by default, when a missed time does not ring.
    int LateAlarm = 0;
    int LateMinutes = 10;
    int ListMissed = 0;
    std::string MsgText;
    // The tray icon's tip: its visible text ends at the NUL (empty until today's entry is set).
    std::string TrayTip = std::string(1, '\0');

    // The date ("yyyy-mm-dd") whose daily backup this run has taken or tried.
    std::string BackupDay;

    // Hand-over to a note window while it opens.
    std::string NoteRecord;
    int NoteRecNo = 0;

    std::string Path(const std::string& name) const { return DataPath + name; }
};

}  // namespace app

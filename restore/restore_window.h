// The restore window FrmRestore: the notes in the bin, the copies kept before a whole-file restore
// and the daily copies, each newest first, and what can be taken back from each. A binned note goes
// back into a free record; from a copy, one day line or one recurring note (the copy's beside the
// one there now), one of its notes, or a whole data file. The
// start-up puts only ButRestore on the main window, beside the Alarms button; the window is made
// at its first press, as the alarm dialog is, and afterwards only shown and hidden.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/module.h"
#include "app/window_look.h"
#include "notes/note_bin.h"
#include "platform/form.h"

namespace restore {

// One line of the list: a binned note, or a copy (a daily one, or one kept before a restore).
struct Entry {
    bool binned = false;
    notes::BinnedNote note;  // when binned
    std::string copy;        // else: the copy's folder name
};

class RestoreWindow {
public:
    using Control = platform::Control;

    static constexpr int kRows = 16;

    explicit RestoreWindow(app::Module& module);
    ~RestoreWindow();
    RestoreWindow(const RestoreWindow&) = delete;
    RestoreWindow& operator=(const RestoreWindow&) = delete;

    platform::Form& form();
    // Whether form() has made the window.
    bool Made() const { return static_cast<bool>(form_); }
    // Reads the bin and the copies again, shows the window and brings it forward.
    void Show();
    // The list as it stands, newest first (the bin's notes, then the copies).
    const std::vector<Entry>& entries() const { return entries_; }
    // Picks line `row` (0-based, of the page shown) of the list.
    void Pick(int row);

    // On the main window: opens the window.
    Control* ButRestore = nullptr;

    // The window's controls: null until form() has made it.
    Control* RestTit = nullptr;
    Control* ButExit = nullptr;
    std::array<Control*, kRows> Row{};
    Control* LabOlder = nullptr;
    Control* LabNewer = nullptr;
    Control* LabWhat = nullptr;
    // A binned note, or a note of the copy: its text, and the restore button.
    Control* NoteView = nullptr;
    Control* LabNoteStep = nullptr;  // "Note 2 of 5", with the arrows beside it
    Control* NotePrev = nullptr;
    Control* NoteNext = nullptr;
    Control* ButNote = nullptr;
    // A day of the copy: the date, its line in the copy and now, the recurring note in both.
    Control* DateBox = nullptr;
    Control* LabCopyLine = nullptr;
    Control* LabNowLine = nullptr;
    Control* ButLine = nullptr;
    Control* LabCopyNote = nullptr;
    Control* LabNowNote = nullptr;
    Control* ButReminder = nullptr;
    // A whole file of the copy: its name, the arrows that step through the files the copy holds,
    // and the restore button.
    Control* LabFileName = nullptr;
    Control* FilePrev = nullptr;
    Control* FileNext = nullptr;
    Control* ButFile = nullptr;

private:
    void Build();
    void BuildList();
    void BuildNotePart();
    void BuildDayPart();
    void BuildFilePart();
    Control& AddButton(const std::string& name, const platform::Rect& place, const std::string& caption,
                       const std::string& tooltip);
    Control& AddText(const std::string& name, const platform::Rect& place, const std::string& caption = "");
    void PutButtonOnMainWindow();

    void ReadEntries();
    void ShowPage();
    void ShowEntry();
    void ShowCopyNote();
    void ShowDay();
    void ShowFile();
    void RestoreNote();
    void RestoreLine();
    void RestoreReminder();
    void RestoreFile();

    app::Module& module_;
    app::TwipsLayout layout_;
    std::unique_ptr<platform::Form> form_;  // null until form() makes it
    std::vector<Entry> entries_;
    int first_ = 0;    // the entry on the first row
    int picked_ = -1;  // the entry picked, -1 for none
    std::vector<std::pair<int, std::string>> copyNotes_;
    int copyNote_ = 0;
    std::vector<std::string> copyFiles_;  // the data files the picked copy holds ("\Notes")
    int copyFile_ = 0;
};

// Opens the restore window; nothing when the program runs without it.
void ShowRestoreWindow(app::Module& module);

}  // namespace restore

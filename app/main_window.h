// The main calendar window FrmDiar: a borderless window, loaded hidden at start-up and only
// hidden afterwards. On the left the day panel lists the days of one month with their diary
// lines; on the right the year view shows the twelve months of the year on screen.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/module.h"
#include "app/window_look.h"
#include "diary/day_tables.h"
#include "platform/form.h"

namespace app {

// Opened by the logo and shown under it.
inline constexpr const char* kMakerWebSite = "https://orvane-notes.example";

class FrmDiar {
public:
    using Control = platform::Control;

    explicit FrmDiar(Module& module);

    platform::Form& form() { return *form_; }
    // Where the window's elements go at the screen's DPI; others that add elements use it too.
    TwipsLayout& layout() { return layout_; }

    // Loads the day tables, places the window and shows today's month and year. The window
    // stays hidden.
    void DiarStart();

    // Moves the keyboard focus to Focus, so that a line being edited commits; does nothing
    // while the window is hidden.
    void ParkFocus();

    // Reloads Diary for CurYear and repaints the year view and the day panel.
    void ShowYear();
    // Repaints the day panel for ShownMonth of CurYear.
    void ShowMonth();
    // Paints the year view and the day panel from the tables as they are (a save or a pick-up may
    // have merged lines into them), without reading the year file.
    void PaintTables();

    // The Today action: returns the view to today's month and year, saving the tables first. A
    // year whose lines could not be saved is not left, so they are not lost. Returns what the
    // save found (see SaveDiary); the caller reports it.
    SaveReport ShowToday();

    // Shows `month` of `year` with the focus in the line of `day` (the calendar shown and in
    // front), moving as the arrows do: a pending edit commits first, and another year is shown
    // only once the shown one is saved (it is not left when its lines could not be written).
    // Returns what the save found; the caller reports it.
    SaveReport ShowDayLine(int year, int month, int day);

    // Tells the user which files could not be saved, then which days clashed with another copy
    // of their file; says nothing of what the report does not hold.
    void ReportSave(const SaveReport& report);

    // Shell.
    Control* Focus = nullptr;        // receives the keyboard focus; lies below the visible area
    Control* ChkTranslut = nullptr;  // "Translucent": whether desktop notes are drawn translucent
    Control* ChkStartup = nullptr;   // "Start with Windows": the shortcut in the Startup folder
    Control* Exitor = nullptr;
    Control* Minimalizator = nullptr;
    Control* ButHelp = nullptr;
    Control* OrvaneLogo = nullptr;
    Control* LabToday = nullptr;
    Control* Verzia = nullptr;
    Control* Label1 = nullptr;
    Control* Stetec = nullptr;
    Control* Image1 = nullptr;
    Control* Shape1 = nullptr;

    // Navigation.
    Control* DiBack = nullptr;
    Control* DiNext = nullptr;
    Control* Minus = nullptr;
    Control* Plus = nullptr;
    Control* ImgToday = nullptr;
    Control* ButToday = nullptr;
    Control* RokEdit = nullptr;  // the year editor, opened over RokTit

    // Year view. YearCells[m][i] is cell i (1..42) of month m's grid (the label arrays Jan..Dec).
    Control* RokTit = nullptr;
    Control* RokTitSH = nullptr;
    std::array<Control*, 13> MesTit{};
    std::array<Control*, 12> MesTitBack{};
    std::array<Control*, 13> MesiacClick{};
    std::array<std::array<Control*, 43>, 13> YearCells{};

    // Day panel, indexed by day 1..31; DenSv(0) only holds the recurring-note marker and
    // Riadok(0) closes the list at the top.
    Control* Titul = nullptr;
    std::array<Control*, 32> MenuDni{};
    std::array<Control*, 32> DenC{};
    std::array<Control*, 32> DenN{};
    std::array<Control*, 32> DenSv{};
    std::array<Control*, 32> DenLine{};
    std::array<Control*, 32> Riadok{};
    // The recurring-note editor, shared by all days and moved onto the day being edited.
    Control* SviatkyEd = nullptr;

    // The day whose line the open Format menu formats, and the day whose recurring note the
    // editor shows.
    int MenuDay = 0;
    int NoteEditDay = 0;

private:
    void BuildShell();
    void BuildDayPanel();
    void BuildYearView();
    void BuildNavigation();
    void ConnectShell();

    // Navigation: each action first lets a pending edit commit (diary/navigation.cpp).
    void StepMonth(int delta);
    void StepYear(int delta);
    void PickMonth(int month);
    // Saves the tables, then shows `month` of `year` reloaded from its file, unless lines of the
    // shown year could not be written. Returns what the save found.
    SaveReport ReloadYear(int year, int month);
    // The year editor (diary/year_editor.cpp).
    void BuildYearEditor();
    void OpenYearEditor();
    void YearEditorKey(int& character);
    void CommitYearEditor();

    void PlaceOnScreen();
    void PaintMonthGrid(int month);
    void PaintDay(int day);
    void EmptyRow(int day);

    // Day lines: keys, the commit when a line loses the focus, and the Format menu.
    void DayLineKey(int day, int key, int shift);
    void CommitDayLine(int day);
    void MenuDniUp(int day, const platform::MouseEvent& e);
    // Recurring notes: the editor, its keys and the commit when it loses the focus.
    void BuildReminderEditor();
    void PlaceReminderEditor(int day);
    // What the layout does not keep after a change of DPI: the markers shown take the marker drawn
    // at the new scale, and the note editor its day's place.
    void AfterDpiChange();
    void DenSvUp(int day, const platform::MouseEvent& e);
    void ReminderEditorKey(int& character);
    void CommitReminderNote();

    // Background dragging.
    void BackgroundDown(const platform::MouseEvent& e);
    void BackgroundMove(const platform::MouseEvent& e);

    void ExitorUp(const platform::MouseEvent& e);
    void MinimalizatorUp(const platform::MouseEvent& e);
    // Lets a pending edit commit before anything is saved.
    void CommitEdits();
    // True when the program may end: everything was saved, or the user chose to end anyway.
    bool MayEndAfter(const std::vector<std::string>& failures);
    // One message for the days whose lines this program and another copy of their file both
    // changed; nothing when there are none.
    void ReportClashes(const std::vector<DayClash>& clashes);
    void EndProgram();

    Module& module_;
    TwipsLayout layout_;
    std::unique_ptr<platform::Form> form_;
    // What each day line and the note editor held when the program last filled them: a box that
    // still holds it was not edited, and its stored text stays whole even when it is longer than
    // the box can show.
    std::array<std::string, 32> lineAsFilled_{};
    std::string noteAsFilled_;
};

}  // namespace app

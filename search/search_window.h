// The search window FrmSearch: one box that searches everything the program keeps as the user
// types (search/search_results.h), and the list of what it found. The start-up puts only the
// search button ButFind on the calendar window and Ctrl+F on its boxes; the window is made at the
// first opening and afterwards only shown and hidden, keeping the last search text and its list.
// Enter or a double click goes to the chosen result and puts the search away; Esc puts it away.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "app/module.h"
#include "app/window_look.h"
#include "platform/form.h"
#include "search/search_results.h"

namespace search {

class SearchWindow {
public:
    using Control = platform::Control;

    // Puts ButFind on the calendar window and Ctrl+F on its boxes; the window waits.
    explicit SearchWindow(app::Module& module);
    ~SearchWindow();
    SearchWindow(const SearchWindow&) = delete;
    SearchWindow& operator=(const SearchWindow&) = delete;

    // The window, made hidden at the first call.
    platform::Form& form();
    // Whether form() has made the window.
    bool Made() const { return static_cast<bool>(form_); }

    // Shows the window with the last search text selected and its results brought up to date.
    void Open();
    // Searches for what the box holds and lists it, the first row chosen.
    void Search();
    // Goes to the chosen row's day, alarm row or note; nothing when the list is empty.
    void GoToChosen();

    const Results& results() const { return results_; }
    // Index into results().hits of the chosen row.
    std::size_t chosen() const { return chosen_; }

    // Rows shown at once; the list scrolls to keep the chosen row in sight.
    static constexpr int kRows = 18;
    // Diary lines listed at most: a search of one letter stays as quick as a longer one.
    static constexpr std::size_t kDiaryLimit = 500;

    // On the calendar window.
    Control* ButFind = nullptr;

    // The window's controls: null until form() has made it.
    Control* TxtFind = nullptr;
    Control* LabFound = nullptr;
    Control* ButExit = nullptr;
    std::array<Control*, kRows> RowMark{};
    std::array<Control*, kRows> RowDate{};
    std::array<Control*, kRows> RowKind{};
    std::array<Control*, kRows> RowText{};
    std::array<Control*, kRows> RowHit{};

private:
    void Build();
    void BuildTitle();
    void BuildList();
    void PutButtonOnCalendar();
    void PutKeyOnCalendar();
    void FindKey(int key, int shift);
    void Choose(std::size_t index);
    void ShowRows();
    void ShowFound();
    std::vector<NoteText> NoteTexts() const;
    void GoTo(const Hit& hit);

    app::Module& module_;
    app::TwipsLayout layout_;
    std::unique_ptr<platform::Form> form_;  // null until form() makes it
    YearFiles years_;
    Results results_;
    std::size_t chosen_ = 0;
    std::size_t firstShown_ = 0;
    // The calendar's key handlers as they were before Ctrl+F went on them: given back at the end.
    struct KeptKeys {
        Control* box;
        std::function<void(int, int)> keyDown;
        std::function<void(int&)> keyPress;
    };
    std::vector<KeptKeys> calendarKeys_;
};

}  // namespace search

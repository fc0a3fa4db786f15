#include "restore/restore_window.h"

#include <algorithm>

#include "app/artwork_main_window.h"
#include "app/backup.h"
#include "app/main_window.h"
#include "diary/calendar.h"
#include "notes/note_record.h"
#include "notes/note_restore.h"
#include "restore/daily_copy.h"
#include "restore/restore_artwork.h"
#include "restore/whole_file.h"
#include "restore/whole_file_restore.h"
#include "restore/window_parts.h"

namespace restore {

using app::kSkyText;
using app::kWindowBlue;
using app::TitleFont;
using platform::ControlKind;
using platform::Cursor;

namespace {

constexpr platform::ColorRef kLineBack = 0x00E5FDFF;
constexpr platform::ColorRef kPickedBack = platform::rgb(0x33, 0x8F, 0xC9);

constexpr int kWindowWidthTwips = 8400;
constexpr int kWindowHeightTwips = 6900;
constexpr int kListLeft = 12;
constexpr int kListWidth = 230;
constexpr int kFirstRowTop = 54;
constexpr int kRowHeight = 18;
constexpr int kPanelLeft = 256;
constexpr int kButtonWidth = art::kActionWidth;
constexpr int kButtonHeight = art::kActionHeight;
constexpr int kShownTextLength = 60;

// "2026-12-07 09:05:30" as the calendar writes dates and times: "7.12.2026 9:05".
std::string RemovedAt(const std::string& stamp) {
    const int year = std::stoi(stamp.substr(0, 4)), month = std::stoi(stamp.substr(5, 2));
    const int day = std::stoi(stamp.substr(8, 2)), hour = std::stoi(stamp.substr(11, 2));
    return app::DayMonthYear({year, month, day}) + " " + std::to_string(hour) + ":" + stamp.substr(14, 2);
}

std::string CopyDate(const std::string& copy) {
    return app::DayMonthYear(
        {std::stoi(copy.substr(0, 4)), std::stoi(copy.substr(5, 2)), std::stoi(copy.substr(8, 2))});
}

// "8.12.2026 9:05" of a copy kept before a restore.
std::string RestoreTime(const std::string& copy) {
    return CopyDate(copy) + " " + std::to_string(std::stoi(copy.substr(11, 2))) + ":" + copy.substr(14, 2);
}

// The copy as the list names it.
std::string CopyCaption(const std::string& copy) {
    if (IsBeforeRestoreFolderName(copy)) return "Before the restore of " + RestoreTime(copy);
    return "Daily copy of " + CopyDate(copy);
}

// The copy as a message names it.
std::string CopyInText(const std::string& copy) {
    if (IsBeforeRestoreFolderName(copy)) return "the copy kept before the restore of " + RestoreTime(copy);
    return "the daily copy of " + CopyDate(copy);
}

std::string FirstLine(const std::string& text) {
    return text.substr(0, std::min(text.find_first_of("\r\n"), static_cast<std::size_t>(kShownTextLength)));
}

std::string Shown(const std::string& text) {
    return text.empty() ? "(empty)" : FirstLine(text);
}

// The whole numbers of a text split at dots ("3.12.2026" gives 3, 12, 2026); nothing for a text
// that holds anything else or an empty part.
std::vector<int> DottedNumbers(const std::string& text) {
    std::vector<int> numbers;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t dot = std::min(text.find('.', start), text.size());
        const std::string part = text.substr(start, dot - start);
        const bool digits = !part.empty() && part.size() <= 4 &&
                            std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!digits) return {};
        numbers.push_back(std::stoi(part));
        start = dot + 1;
    }
    return numbers;
}

// "d.m.yyyy" as the calendar writes a date; nullopt for anything that is no date of its range.
std::optional<platform::DateTime> ParseDate(const std::string& text) {
    const std::vector<int> numbers = DottedNumbers(text);
    if (numbers.size() != 3) return std::nullopt;
    const int day = numbers[0], month = numbers[1], year = numbers[2];
    if (year < 100 || month < 1 || month > 12 || day < 1) return std::nullopt;
    static constexpr int kDays[13] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (day > kDays[month] || (month == 2 && day == 29 && !leap)) return std::nullopt;
    return platform::DateTime{year, month, day};
}

}  // namespace

RestoreWindow::RestoreWindow(app::Module& module)
    : module_(module), layout_(module.platform.screen(), kWindowWidthTwips, kWindowHeightTwips) {
    PutButtonOnMainWindow();
}

RestoreWindow::~RestoreWindow() {
    ButRestore->onClick = nullptr;
}

platform::Form& RestoreWindow::form() {
    if (!form_) Build();
    return *form_;
}

void RestoreWindow::PutButtonOnMainWindow() {
    platform::Form& diar = module_.Diar->form();
    app::TwipsLayout& onDiar = module_.Diar->layout();
    // Left of the Alarms button, on its line.
    const platform::Rect place{620, 58, art::kRestoreButtonSize, art::kRestoreButtonSize};
    ButRestore = &onDiar.Add(diar, ControlKind::Image, "ButRestore", place);
    onDiar.Draw(*ButRestore, [](double scale) { return art::RestoreButtonPicture(scale); });
    ButRestore->setCursor(Cursor::Hand);
    ButRestore->setTooltip("Restore: removed notes and the daily copies");
    ButRestore->onClick = [this] { Show(); };
}

void RestoreWindow::Build() {
    form_ = module_.platform.createForm("FrmRestore", "Restore");
    layout_.FollowDpi(*form_);
    form_->setBackColor(kWindowBlue);
    const int width = layout_.width();
    RestTit = &AddWindowTitle(layout_, *form_, "RestTit", "RESTORE");
    ButExit = &layout_.Add(*form_, ControlKind::Image, "ButExit", {width - 28, 8, 20, 20});
    layout_.Draw(*ButExit, [](double scale) { return app::art::ExitPicture(scale); });
    ButExit->setTooltip("Close");
    ButExit->setCursor(Cursor::Hand);
    ButExit->onClick = [this] { form_->hide(); };
    form_->onCloseRequest = [this] { form_->hide(); };
    BuildList();
    BuildNotePart();
    BuildDayPart();
    BuildFilePart();
}

RestoreWindow::Control& RestoreWindow::AddText(const std::string& name, const platform::Rect& place,
                                               const std::string& caption) {
    auto& label = layout_.Add(*form_, ControlKind::Label, name, place);
    label.setForeColor(kSkyText);
    label.setCaption(caption);
    return label;
}

RestoreWindow::Control& RestoreWindow::AddButton(const std::string& name, const platform::Rect& place,
                                                 const std::string& caption, const std::string& tooltip) {
    return AddActionButton(layout_, *form_, name, place, caption, tooltip);
}

void RestoreWindow::BuildList() {
    AddText("LabList", {kListLeft, 34, kListWidth, 15}, "Removed notes and daily copies");
    for (int row = 0; row < kRows; ++row) {
        Control& line = layout_.Add(*form_, ControlKind::Label, "Row", row + 1,
                                    {kListLeft, kFirstRowTop + row * kRowHeight, kListWidth, 16});
        line.setForeColor(platform::rgb(0xFF, 0xFF, 0xFF));
        line.setBackColor(kWindowBlue);
        line.setCursor(Cursor::Hand);
        line.onClick = [this, row] { Pick(row); };
        Row[static_cast<std::size_t>(row)] = &line;
    }
    const int below = kFirstRowTop + kRows * kRowHeight + 6;
    LabNewer = &AddText("LabNewer", {kListLeft, below, 100, 15}, "< newer");
    LabOlder = &AddText("LabOlder", {kListLeft + kListWidth - 100, below, 100, 15}, "older >");
    LabOlder->setAlignment(platform::Align::Right);
    for (Control* step : {LabNewer, LabOlder}) step->setCursor(Cursor::Hand);
    LabNewer->onClick = [this] {
        first_ = std::max(first_ - kRows, 0);
        ShowPage();
    };
    LabOlder->onClick = [this] {
        if (first_ + kRows < static_cast<int>(entries_.size())) first_ += kRows;
        ShowPage();
    };
}

void RestoreWindow::BuildNotePart() {
    const int width = layout_.width() - kPanelLeft - 12;
    LabWhat = &AddText("LabWhat", {kPanelLeft, 34, width, 15}, "Pick a removed note or a daily copy.");
    LabWhat->setFont(TitleFont(9));
    NoteView = &layout_.Add(*form_, ControlKind::Label, "NoteView", {kPanelLeft, 54, width, 110});
    NoteView->setBackColor(kLineBack);
    NotePrev = &AddText("NotePrev", {kPanelLeft, 172, 16, 15}, "<");
    LabNoteStep = &AddText("LabNoteStep", {kPanelLeft + 18, 172, 130, 15});
    NoteNext = &AddText("NoteNext", {kPanelLeft + 150, 172, 16, 15}, ">");
    for (Control* step : {NotePrev, NoteNext}) step->setCursor(Cursor::Hand);
    NotePrev->onClick = [this] {
        if (copyNote_ > 0) --copyNote_;
        ShowCopyNote();
    };
    NoteNext->onClick = [this] {
        if (copyNote_ + 1 < static_cast<int>(copyNotes_.size())) ++copyNote_;
        ShowCopyNote();
    };
    ButNote = &AddButton("ButNote", {kPanelLeft + width - kButtonWidth, 168, kButtonWidth, kButtonHeight},
                         "Restore note", "Open this note again where it was");
    ButNote->onClick = [this] { RestoreNote(); };
}

void RestoreWindow::BuildDayPart() {
    const int width = layout_.width() - kPanelLeft - 12;
    AddText("LabDay", {kPanelLeft, 218, 40, 15}, "Day");
    DateBox = &layout_.Add(*form_, ControlKind::TextBox, "DateBox", {kPanelLeft + 40, 216, 90, 17});
    DateBox->setBackColor(kLineBack);
    DateBox->setMaxLength(10);
    DateBox->onChange = [this] { ShowDay(); };
    LabCopyLine = &AddText("LabCopyLine", {kPanelLeft, 240, width, 15});
    LabNowLine = &AddText("LabNowLine", {kPanelLeft, 256, width, 15});
    ButLine = &AddButton("ButLine", {kPanelLeft + width - kButtonWidth, 274, kButtonWidth, kButtonHeight},
                         "Restore line", "Put the copy's line back as the day's line");
    ButLine->onClick = [this] { RestoreLine(); };
    LabCopyNote = &AddText("LabCopyNote", {kPanelLeft, 312, width, 15});
    LabNowNote = &AddText("LabNowNote", {kPanelLeft, 328, width, 15});
    ButReminder = &AddButton("ButReminder", {kPanelLeft + width - kButtonWidth, 346, kButtonWidth, kButtonHeight},
                             "Restore note", "Put the copy's recurring note back for this date");
    ButReminder->onClick = [this] { RestoreReminder(); };
}

void RestoreWindow::BuildFilePart() {
    const int width = layout_.width() - kPanelLeft - 12;
    AddText("LabFile", {kPanelLeft, 390, 60, 15}, "Whole file");
    FilePrev = &AddText("FilePrev", {kPanelLeft + 62, 390, 16, 15}, "<");
    LabFileName = &AddText("LabFileName", {kPanelLeft + 80, 390, 100, 15});
    LabFileName->setAlignment(platform::Align::Center);
    FileNext = &AddText("FileNext", {kPanelLeft + 182, 390, 16, 15}, ">");
    for (Control* step : {FilePrev, FileNext}) step->setCursor(Cursor::Hand);
    FilePrev->onClick = [this] {
        if (copyFile_ > 0) --copyFile_;
        ShowFile();
    };
    FileNext->onClick = [this] {
        if (copyFile_ + 1 < static_cast<int>(copyFiles_.size())) ++copyFile_;
        ShowFile();
    };
    ButFile = &AddButton("ButFile", {kPanelLeft + width - kButtonWidth, 384, kButtonWidth, kButtonHeight},
                         "Restore file", "Put the whole file back as the copy holds it; what it holds now is kept");
    ButFile->onClick = [this] { RestoreFile(); };
}

void RestoreWindow::Show() {
    form();
    ReadEntries();
    first_ = 0;
    picked_ = -1;
    ShowPage();
    ShowEntry();
    // Placed before it shows, so that it never appears at one place and jumps to another.
    app::PlaceOnScreen(*form_, module_.platform.screen());
    form_->show();
    form_->bringToFront();
}

void RestoreWindow::ReadEntries() {
    entries_.clear();
    auto& files = module_.platform.files();
    for (auto& note : notes::NotesInBin(files, module_.DataPath)) entries_.push_back({true, std::move(note), {}});
    for (auto& copy : BeforeRestoreCopiesNewestFirst(files, module_.DataPath))
        entries_.push_back({false, {}, std::move(copy)});
    for (auto& copy : app::BackupsNewestFirst(files, module_.DataPath))
        entries_.push_back({false, {}, std::move(copy)});
}

void RestoreWindow::ShowPage() {
    for (int row = 0; row < kRows; ++row) {
        Control& line = *Row[static_cast<std::size_t>(row)];
        const int index = first_ + row;
        if (index >= static_cast<int>(entries_.size())) {
            line.setCaption("");
            line.setBackColor(kWindowBlue);
            continue;
        }
        const Entry& entry = entries_[static_cast<std::size_t>(index)];
        line.setCaption(entry.binned ? "Note removed " + RemovedAt(entry.note.removed) + ": " +
                                           FirstLine(notes::NoteTextOf(entry.note.note))
                                     : CopyCaption(entry.copy));
        line.setBackColor(index == picked_ ? kPickedBack : kWindowBlue);
    }
    LabNewer->setVisible(first_ > 0);
    LabOlder->setVisible(first_ + kRows < static_cast<int>(entries_.size()));
}

void RestoreWindow::Pick(int row) {
    const int index = first_ + row;
    if (index >= static_cast<int>(entries_.size())) return;
    picked_ = index;
    ShowPage();
    ShowEntry();
}

void RestoreWindow::ShowEntry() {
    const bool picked = picked_ >= 0;
    const bool copy = picked && !entries_[static_cast<std::size_t>(picked_)].binned;
    for (Control* part : {LabCopyLine, LabNowLine, ButLine, LabCopyNote, LabNowNote, ButReminder, DateBox, NotePrev,
                          NoteNext, LabNoteStep, LabFileName, FilePrev, FileNext, ButFile}) {
        part->setVisible(copy);
    }
    for (const char* name : {"LabDay", "ImgButLine", "LabButLine", "ImgButReminder", "LabButReminder", "LabFile",
                             "ImgButFile", "LabButFile"}) {
        if (Control* part = form_->find(name)) part->setVisible(copy);
    }
    for (const char* name : {"ImgButNote", "LabButNote"}) {
        if (Control* part = form_->find(name)) part->setVisible(picked);
    }
    ButNote->setVisible(picked);
    NoteView->setVisible(picked);
    if (!picked) {
        LabWhat->setCaption("Pick a removed note or a daily copy.");
        return;
    }
    const Entry& entry = entries_[static_cast<std::size_t>(picked_)];
    if (entry.binned) {
        LabWhat->setCaption("Note removed " + RemovedAt(entry.note.removed));
        NoteView->setCaption(notes::NoteTextOf(entry.note.note));
        return;
    }
    LabWhat->setCaption(CopyCaption(entry.copy));
    copyNotes_ = CopyNotes(module_.platform.files(), module_.DataPath, entry.copy);
    copyNote_ = 0;
    ShowCopyNote();
    DateBox->setText(app::DayMonthYear(module_.platform.now()));
    ShowDay();
    copyFiles_ = WholeFilesIn(module_.platform.files(), module_.DataPath, entry.copy, module_.CurYear);
    copyFile_ = 0;
    ShowFile();
}

void RestoreWindow::ShowFile() {
    const bool any = !copyFiles_.empty();
    LabFileName->setCaption(any ? ShownFileName(copyFiles_[static_cast<std::size_t>(copyFile_)]) : "(none)");
    FilePrev->setVisible(copyFile_ > 0);
    FileNext->setVisible(copyFile_ + 1 < static_cast<int>(copyFiles_.size()));
}

void RestoreWindow::ShowCopyNote() {
    const bool any = !copyNotes_.empty();
    const auto count = static_cast<int>(copyNotes_.size());
    LabNoteStep->setCaption(any ? "Note " + std::to_string(copyNote_ + 1) + " of " + std::to_string(count)
                                : "The copy holds no notes");
    NoteView->setCaption(any ? notes::NoteTextOf(copyNotes_[static_cast<std::size_t>(copyNote_)].second) : "");
}

void RestoreWindow::ShowDay() {
    if (picked_ < 0 || entries_[static_cast<std::size_t>(picked_)].binned) return;
    const std::string& copy = entries_[static_cast<std::size_t>(picked_)].copy;
    const auto date = ParseDate(DateBox->text());
    if (!date) {
        LabCopyLine->setCaption("Write a date as 7.12.2026");
        for (Control* label : {LabNowLine, LabCopyNote, LabNowNote}) label->setCaption("");
        return;
    }
    auto& files = module_.platform.files();
    const auto copyLine = CopyDayLine(files, module_.DataPath, copy, *date);
    LabCopyLine->setCaption("Line in the copy: " + (copyLine ? Shown(app::DiaryText(*copyLine))
                                                             : "(no file of " + std::to_string(date->year) + ")"));
    LabNowLine->setCaption("Line now: " + Shown(app::DiaryText(CurrentDayLine(files, module_, *date))));
    const auto copyNote = CopyReminder(files, module_.DataPath, copy, date->month, date->day);
    LabCopyNote->setCaption("Recurring note in the copy: " + (copyNote ? Shown(*copyNote) : "(none)"));
    LabNowNote->setCaption("Recurring note now: " + Shown(module_.Reminders(date->month, date->day)));
}

void RestoreWindow::RestoreNote() {
    if (picked_ < 0) return;
    const Entry& entry = entries_[static_cast<std::size_t>(picked_)];
    if (entry.binned) {
        if (!notes::RestoreFromBin(module_, entry.note)) return;
        ReadEntries();
        picked_ = -1;
        ShowPage();
        ShowEntry();
        return;
    }
    if (copyNotes_.empty()) return;
    static_cast<void>(
        notes::RestoreNote(module_, copyNotes_[static_cast<std::size_t>(copyNote_)].second, CopyInText(entry.copy)));
}

void RestoreWindow::RestoreLine() {
    const auto date = ParseDate(DateBox->text());
    if (picked_ < 0 || !date) return;
    auto& files = module_.platform.files();
    const std::string& copy = entries_[static_cast<std::size_t>(picked_)].copy;
    const auto cell = CopyDayLine(files, module_.DataPath, copy, *date);
    if (!cell) return;
    module_.Diar->ReportSave(RestoreDayLine(files, module_, *date, *cell, module_.platform.now()));
    module_.Diar->PaintTables();
    ShowDay();
}

void RestoreWindow::RestoreReminder() {
    const auto date = ParseDate(DateBox->text());
    if (picked_ < 0 || !date) return;
    auto& files = module_.platform.files();
    const std::string& copy = entries_[static_cast<std::size_t>(picked_)].copy;
    const auto note = CopyReminder(files, module_.DataPath, copy, date->month, date->day);
    if (!note) return;
    module_.Diar->ReportSave(
        restore::RestoreReminder(files, module_, date->month, date->day, *note, module_.platform.now()));
    module_.Diar->PaintTables();
    ShowDay();
}

void RestoreWindow::RestoreFile() {
    if (picked_ < 0 || copyFiles_.empty()) return;
    const std::string copy = entries_[static_cast<std::size_t>(picked_)].copy;
    if (!AskAndRestoreWholeFile(module_, copy, copyFiles_[static_cast<std::size_t>(copyFile_)], CopyInText(copy))) {
        return;
    }
    // The copy kept before this restore joins the list; the picked copy stays picked.
    ReadEntries();
    const auto again = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const Entry& entry) { return !entry.binned && entry.copy == copy; });
    picked_ = again == entries_.end() ? -1 : static_cast<int>(again - entries_.begin());
    const int shownFile = copyFile_;
    ShowPage();
    ShowEntry();
    copyFile_ = std::min(shownFile, std::max(static_cast<int>(copyFiles_.size()) - 1, 0));
    ShowFile();
}

void ShowRestoreWindow(app::Module& module) {
    if (module.Restore) module.Restore->Show();
}

}  // namespace restore

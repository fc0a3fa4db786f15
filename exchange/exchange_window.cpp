#include "exchange/exchange_window.h"

#include "alarm/missed_alarms.h"
#include "app/artwork_main_window.h"
#include "app/datafiles.h"
#include "app/main_window.h"
#include "diary/day_tables.h"
#include "exchange/exchange_artwork.h"
#include "exchange/ics_export.h"
#include "exchange/notes_text_export.h"
#include "notes/note_window.h"
#include "restore/restore_artwork.h"
#include "restore/window_parts.h"

namespace exchange {

using app::kSkyText;
using app::kWindowBlue;
using platform::ControlKind;
using platform::Cursor;
using platform::MessageIcon;

namespace {

constexpr int kWidthTwips = 8400;
constexpr int kHeightTwips = 6300;

constexpr platform::ColorRef kLineBack = 0x00E5FDFF;

const platform::FileChoice kCalendarFiles{"", "iCalendar files (*.ics)", "*.ics", ""};

// Local time's lead over UTC now, to the quarter hour that time zones keep.
int UtcOffsetMinutes(platform::Platform& platform) {
    const long long lead = alarms::MinuteNumber(platform.now()) - alarms::MinuteNumber(platform.utcNow());
    const long long quarters = (lead + (lead >= 0 ? 7 : -7)) / 15;
    return static_cast<int>(quarters * 15);
}

int WrittenLines(const CalendarData& data) {
    int lines = 0;
    for (const auto& [year, cells] : data.years) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= app::kYearFileDaysPerMonth; ++day) lines += app::HasDiaryLine(cells(month, day));
        }
    }
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace

ExchangeWindow::ExchangeWindow(app::Module& module)
    : module_(module), layout_(module.platform.screen(), kWidthTwips, kHeightTwips) {
    platform::Form& diar = module_.Diar->form();
    app::TwipsLayout& onDiar = module_.Diar->layout();
    // Left of the restore button, on the Alarms button's line.
    const platform::Rect place{586, 58, art::kExchangeButtonSize, art::kExchangeButtonSize};
    ButExchange = &onDiar.Add(diar, ControlKind::Image, "ButExchange", place);
    onDiar.Draw(*ButExchange, [](double scale) { return art::ExchangeButtonPicture(scale); });
    ButExchange->setCursor(Cursor::Hand);
    ButExchange->setTooltip("Export to iCalendar or text, import from iCalendar");
    ButExchange->onClick = [this] { ShowMenu(); };
}

ExchangeWindow::~ExchangeWindow() {
    ButExchange->onClick = nullptr;
}

platform::Form& ExchangeWindow::form() {
    if (!form_) Build();
    return *form_;
}

void ExchangeWindow::Build() {
    form_ = module_.platform.createForm("FrmImport", "Import");
    layout_.FollowDpi(*form_);
    form_->setBackColor(kWindowBlue);
    const int width = layout_.width();
    const int height = layout_.height();
    restore::AddWindowTitle(layout_, *form_, "ImportTit", "IMPORT");
    ButExit = &layout_.Add(*form_, ControlKind::Image, "ButExit", {width - 28, 8, 20, 20});
    layout_.Draw(*ButExit, [](double scale) { return app::art::ExitPicture(scale); });
    ButExit->setTooltip("Close without importing");
    ButExit->setCursor(Cursor::Hand);
    ButExit->onClick = [this] { form_->hide(); };
    form_->onCloseRequest = [this] { form_->hide(); };
    LabFile = &layout_.Add(*form_, ControlKind::Label, "LabFile", {12, 36, width - 24, 15});
    LabFile->setForeColor(kSkyText);
    const int buttonTop = height - restore::art::kActionHeight - 12;
    TxtPreview = &layout_.Add(*form_, ControlKind::TextBox, "TxtPreview", {12, 56, width - 24, buttonTop - 66});
    TxtPreview->setMultiLine(true);
    TxtPreview->setReadOnly(true);
    TxtPreview->setBackColor(kLineBack);
    const int buttonWidth = restore::art::kActionWidth;
    ButCancel = &restore::AddActionButton(
        layout_, *form_, "ButCancel", {width - 12 - buttonWidth, buttonTop, buttonWidth, restore::art::kActionHeight},
        "Cancel", "Close without importing");
    ButCancel->onClick = [this] { form_->hide(); };
    ButImport =
        &restore::AddActionButton(layout_, *form_, "ButImport",
                                  {width - 24 - 2 * buttonWidth, buttonTop, buttonWidth, restore::art::kActionHeight},
                                  "Import", "Add what the list shows to the calendar and save it");
    ButImport->onClick = [this] { ApplyPlan(); };
}

void ExchangeWindow::Say(const std::string& text, MessageIcon icon) {
    module_.platform.showMessage(app::kProductName, text, icon);
}

void ExchangeWindow::ShowMenu() {
    const std::string year = std::to_string(module_.CurYear);
    const std::vector<platform::MenuItem> items{{"mExportYear", "Export iCalendar: " + year + "..."},
                                                {"mExportAll", "Export iCalendar: all years..."},
                                                {"mExportNotes", "Export notes..."},
                                                {"mSep", "-"},
                                                {"mImport", "Import iCalendar..."}};
    const auto window = module_.Diar->form().bounds();
    const auto button = ButExchange->rect();
    const int chosen = module_.platform.popupMenu(items, window.x + button.x, window.y + button.y + button.h);
    if (chosen < 0) return;
    const std::string& name = items[static_cast<std::size_t>(chosen)].name;
    if (name == "mExportYear" || name == "mExportAll") ExportCalendar(name == "mExportAll");
    if (name == "mExportNotes") ExportNotes();
    if (name == "mImport") ImportCalendar();
}

void ExchangeWindow::ExportCalendar(bool allYears) {
    // A line being typed counts: it is taken into its table first.
    module_.Diar->ParkFocus();
    platform::FileChoice choice = kCalendarFiles;
    choice.title = "Export iCalendar";
    choice.suggestedName =
        "Orvane Notes " + (allYears ? std::string("all years") : std::to_string(module_.CurYear)) + ".ics";
    const auto path = module_.platform.chooseSaveFile(choice);
    if (!path) return;
    auto& files = module_.platform.files();
    std::string why;
    const auto data =
        CalendarDataOf(files, module_, allYears ? std::nullopt : std::optional<int>(module_.CurYear), &why);
    if (!data) {
        Say("Nothing exported: " + why, MessageIcon::Stop);
        return;
    }
    const platform::Status written = app::ReplaceFile(files, *path, WriteCalendar(*data, module_.platform.utcNow()));
    if (!written) {
        Say("Nothing exported: " + *path + " cannot be written:\r\n" + written.error +
                "\r\n\r\nA file of that name is left as it was.",
            MessageIcon::Stop);
        return;
    }
    Say("Exported " + std::to_string(WrittenLines(*data)) +
            " diary line(s), the recurring notes and the alarm times to " + *path + ".",
        MessageIcon::Information);
}

void ExchangeWindow::ExportNotes() {
    const auto folder = module_.platform.chooseFolder("Export the notes as text files into this folder");
    if (!folder) return;
    // What is typed in the open notes is written before it is exported.
    for (const auto& note : module_.Notes) static_cast<void>(note->WriteRecord());  // a failure keeps the saved text
    auto& files = module_.platform.files();
    std::string why;
    const auto notes = ReadNoteTexts(files, module_.DataPath, &why);
    if (!notes) {
        Say("Nothing exported: " + why, MessageIcon::Stop);
        return;
    }
    const auto written = WriteNoteFiles(files, *folder, NoteFiles(*notes));
    if (!written.status) {
        Say("Exported " + std::to_string(written.written) + " of " + std::to_string(notes->size()) +
                " note(s); the next cannot be written into " + *folder + ":\r\n" + written.status.error,
            MessageIcon::Stop);
        return;
    }
    Say("Exported " + std::to_string(written.written) + " note(s) to " + *folder + ".", MessageIcon::Information);
}

void ExchangeWindow::ImportCalendar() {
    platform::FileChoice choice = kCalendarFiles;
    choice.title = "Import iCalendar";
    const auto path = module_.platform.chooseOpenFile(choice);
    if (!path) return;
    auto& files = module_.platform.files();
    std::string why;
    const auto content = files.readFile(*path, &why);
    if (!content) {
        Say(*path + " cannot be read:\r\n" + why, MessageIcon::Stop);
        return;
    }
    const ReadEvents read = ReadCalendar(*content, UtcOffsetMinutes(module_.platform));
    if (!read.error.empty()) {
        Say(*path + " cannot be imported. " + read.error + "\r\n\r\nNothing was changed.", MessageIcon::Stop);
        return;
    }
    // The line being typed is in its table before the plan compares the days with it.
    module_.Diar->ParkFocus();
    plan_ = PlanImport(
        read, [this](int year) { return CellsOf(module_.platform.files(), module_, year); }, module_.Reminders);
    form();
    LabFile->setCaption(*path);
    TxtPreview->setText(Joined(PreviewLines(plan_)));
    ButImport->setVisible(!plan_.changes.empty());
    app::PlaceOnScreen(*form_, module_.platform.screen());
    form_->show();
    form_->bringToFront();
}

void ExchangeWindow::ApplyPlan() {
    form_->hide();
    module_.Diar->ParkFocus();
    const app::SaveReport report = ApplyImport(module_.platform.files(), module_, plan_, module_.platform.now());
    module_.Diar->PaintTables();
    module_.Diar->ReportSave(report);
    if (report.failures.empty()) {
        Say("Imported " + std::to_string(plan_.added) + " text(s) into the calendar and saved it.",
            MessageIcon::Information);
    }
    plan_ = {};
}

}  // namespace exchange

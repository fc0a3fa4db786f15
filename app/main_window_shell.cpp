// The main window's own behaviour: start, placement, focus, dragging, hiding, ending, and the
// images that open the help page and the web site.
#include "alarm/day_message.h"
#include "app/line_merge.h"
#include "app/main_window.h"
#include "app/session.h"
#include "app/start_with_windows.h"
#include "app/tray_icon.h"
#include "app/window_look.h"
#include "diary/calendar.h"
#include "diary/day_tables.h"

namespace app {

using platform::MouseEvent;

namespace {

bool ModifierHeld(int shift) {
    return (shift & (platform::kShift | platform::kCtrl | platform::kAlt)) != 0;
}

std::string Listed(const std::vector<std::string>& failures) {
    std::string list;
    for (const auto& failure : failures) list += failure + "\r\n";
    return list;
}

constexpr const char* kHelpPage = "\\Help\\_Help.htm";

// A user who copied only the .exe gets told where the page belongs instead of seeing nothing.
void OpenHelpPage(Module& module) {
    const std::string page = module.Path(kHelpPage);
    const auto entry = module.platform.files().entry(page);
    if (entry == platform::EntryKind::File || entry == platform::EntryKind::HiddenFile) {
        module.platform.shellOpen(page, module.platform.programFolder());
        return;
    }
    module.platform.showMessage(kProductName, "The help page is missing. It belongs here:\r\n\r\n" + page,
                                platform::MessageIcon::Information);
}

}  // namespace

void FrmDiar::ConnectShell() {
    form_->onMouseDown = [this](const MouseEvent& e) { BackgroundDown(e); };
    form_->onMouseMove = [this](const MouseEvent& e) { BackgroundMove(e); };
    form_->onMouseUp = [this](const MouseEvent&) { module_.DragActive = false; };
    form_->onClick = [this] { ParkFocus(); };

    Exitor->onMouseUp = [this](const MouseEvent& e) { ExitorUp(e); };
    Minimalizator->onMouseUp = [this](const MouseEvent& e) { MinimalizatorUp(e); };
    // Alt+F4: the hide image without a modifier (save, then hide); the window is never unloaded.
    form_->onCloseRequest = [this] { MinimalizatorUp(MouseEvent{platform::kLeftButton, 0, 0, 0}); };
    ChkTranslut->onClick = [this] {
        module_.Translucent = ChkTranslut->value();
        if (module_.Translucent == 0) module_.TranslucentCleared = true;
    };
    ChkStartup->onClick = [this] { StartWithWindowsClicked(module_); };
    ButHelp->onClick = [this] { OpenHelpPage(module_); };
    OrvaneLogo->onClick = [this] { module_.platform.shellOpen(kMakerWebSite, module_.platform.programFolder()); };
}

void FrmDiar::DiarStart() {
    LoadDayTables(module_.platform.files(), module_);
    auto& locale = module_.platform.locale();
    for (int m = 1; m <= 12; ++m) {
        const std::string name = locale.monthName(m);
        MesTit[m]->setCaption(name.empty() ? name : locale.toUpper(name.substr(0, 1)) + name.substr(1));
    }
    ParkFocus();
    PlaceOnScreen();
    const auto today = module_.platform.now();
    LabToday->setCaption(DayMonthYear(today));
    module_.CurYear = today.year;
    module_.ShownMonth = today.month;
    module_.DiaryDirty = false;
    ShowYear();
    alarms::Sprava(module_);
    TrayIconAdd(module_);
}

void FrmDiar::ParkFocus() {
    Focus->setFocus();
}

void FrmDiar::PlaceOnScreen() {
    app::PlaceOnScreen(*form_, module_.platform.screen());
}

void FrmDiar::BackgroundDown(const MouseEvent& e) {
    module_.DragActive = true;
    module_.DragStartX = e.x;
    module_.DragStartY = e.y;
}

void FrmDiar::BackgroundMove(const MouseEvent& e) {
    if (e.button != platform::kLeftButton || !module_.DragActive) return;
    const auto bounds = form_->bounds();
    form_->move(bounds.x + e.x - module_.DragStartX, bounds.y + e.y - module_.DragStartY);
}

void FrmDiar::ReportSave(const SaveReport& report) {
    if (!report.failures.empty()) {
        module_.platform.showMessage(
            kProductName,
            "These files could not be saved:\r\n\r\n" + Listed(report.failures) +
                "\r\nYour changes are kept, and the program tries again the next time it saves.",
            platform::MessageIcon::Stop);
    }
    ReportClashes(report.clashes);
}

void FrmDiar::ReportClashes(const std::vector<DayClash>& clashes) {
    if (clashes.empty()) return;
    // One line per file, its days in the file's order.
    std::string days;
    std::string conflictFile;
    for (std::size_t i = 0; i < clashes.size(); ++i) {
        const DayClash& clash = clashes[i];
        if (i == 0 || clash.file != clashes[i - 1].file) {
            days += (i == 0 ? "" : "\r\n") + clash.file + ": ";
        } else {
            days += ", ";
        }
        days += DayMonth(clash.month, clash.day);
        if (!clash.conflictFile.empty()) conflictFile = clash.conflictFile;
    }
    std::string text =
        "These days were changed here and, meanwhile, in another copy of their file (from another "
        "computer, through a synced folder):\r\n\r\n" +
        days +
        "\r\n\r\nEach of these lines now holds what both copies wrote, this computer's text first, joined by \"" +
        kClashSeparator + "\".";
    if (!conflictFile.empty()) {
        text += " Where both did not fit, the line holds this computer's text, and the other copy's is in:\r\n\r\n" +
                conflictFile;
    }
    module_.platform.showMessage(kProductName, text, platform::MessageIcon::Information);
}

void FrmDiar::CommitEdits() {
    ParkFocus();
    module_.platform.doEvents();
}

bool FrmDiar::MayEndAfter(const std::vector<std::string>& failures) {
    if (failures.empty()) return true;
    return module_.platform.askYesNo(kProductName,
                                     "These files could not be saved:\r\n\r\n" + Listed(failures) +
                                         "\r\nEnd the program anyway? The changes that were not saved will be lost.",
                                     platform::MessageIcon::Stop);
}

void FrmDiar::ExitorUp(const MouseEvent& e) {
    CommitEdits();
    // Saved before the question, so that the files are written even when the user stays.
    const auto report = SaveBeforeEnd(module_);
    PaintTables();
    ReportClashes(report.clashes);
    if (!report.failures.empty()) {
        if (!MayEndAfter(report.failures)) return;
    } else if (!ModifierHeld(e.shift) && !module_.platform.askYesNo(kProductName, "Are you sure you want to exit?",
                                                                    platform::MessageIcon::Question)) {
        return;
    }
    EndProgram();
}

void FrmDiar::MinimalizatorUp(const MouseEvent& e) {
    if (e.button != platform::kLeftButton) return;
    // Files that cannot be saved here are tried again, and reported, by the save below; the days
    // merged here are reported with those merged there.
    auto report = ShowToday();
    CommitEdits();
    auto saved = SaveBeforeEnd(module_);
    report.failures = std::move(saved.failures);
    report.clashes.insert(report.clashes.end(), saved.clashes.begin(), saved.clashes.end());
    PaintTables();
    if (ModifierHeld(e.shift)) {
        ReportClashes(report.clashes);
        if (MayEndAfter(report.failures)) EndProgram();
        return;
    }
    ReportSave(report);
    form_->hide();
}

void FrmDiar::EndProgram() {
    TrayIconRemove(module_);
    module_.platform.quit();
}

}  // namespace app

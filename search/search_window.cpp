#include "search/search_window.h"

#include <algorithm>

#include "alarm/alarm_dialog.h"
#include "app/artwork_main_window.h"
#include "app/main_window.h"
#include "diary/calendar.h"
#include "notes/note_window.h"
#include "search/search_artwork.h"

namespace search {

using app::kSkyText;
using app::kWindowBlue;
using app::TitleFont;
using platform::ControlKind;
using platform::rgb;

namespace {

constexpr int kWidthTwips = 8400;
constexpr int kHeightTwips = 6000;

constexpr platform::ColorRef kLineBack = 0x00E5FDFF;
constexpr platform::ColorRef kTitleLight = 0x00FFEFB0;
constexpr platform::ColorRef kTitleShadow = 0x00603900;
constexpr platform::ColorRef kPanelPaper = rgb(0xFF, 0xFF, 0xFA);
constexpr platform::ColorRef kPanelEdge = rgb(0x9E, 0xC4, 0xDE);
constexpr platform::ColorRef kChosenRow = rgb(0xCF, 0xE8, 0xF8);
constexpr platform::ColorRef kDateInk = rgb(0x00, 0x40, 0xA0);
constexpr platform::ColorRef kKindInk = rgb(0x60, 0x70, 0x80);

constexpr int kListTop = 88;
constexpr int kRowHeight = 16;
constexpr int kTextLeft = 196;
// Characters of a row's text: what its column shows of the program's usual font.
constexpr std::size_t kExcerptWidth = 56;

// The character Ctrl+F types into a box: never wanted in a line.
constexpr int kCtrlFCharacter = 6;

bool IsCtrlF(int key, int shift) {
    return key == platform::kKeyF && shift == platform::kCtrl;
}

// The locale counts its weekdays from Sunday; the alarm rows from Monday.
int LocaleWeekday(int row) {
    return row % 7 + 1;
}

}  // namespace

SearchWindow::SearchWindow(app::Module& module)
    : module_(module), layout_(module.platform.screen(), kWidthTwips, kHeightTwips) {
    PutButtonOnCalendar();
    PutKeyOnCalendar();
}

SearchWindow::~SearchWindow() {
    ButFind->onClick = nullptr;
    for (auto& kept : calendarKeys_) {
        kept.box->onKeyDown = std::move(kept.keyDown);
        kept.box->onKeyPress = std::move(kept.keyPress);
    }
}

void SearchWindow::PutButtonOnCalendar() {
    platform::Form& diar = module_.Diar->form();
    app::TwipsLayout& onDiar = module_.Diar->layout();
    // First in the row of round buttons at the top right, before help, hide and exit.
    ButFind = &onDiar.Add(diar, ControlKind::Image, "ButFind", {682, 8, art::kFindButtonSize, art::kFindButtonSize});
    onDiar.Draw(*ButFind, [](double scale) { return art::FindButtonPicture(scale); });
    ButFind->setCursor(platform::Cursor::Hand);
    ButFind->setTooltip("Search every year, the notes and the alarms (Ctrl+F)");
    ButFind->onClick = [this] { Open(); };
}

void SearchWindow::PutKeyOnCalendar() {
    // The calendar's boxes take the keys, wherever its focus is: each gets Ctrl+F before its own
    // handling of the keys.
    for (const auto& control : module_.Diar->form().controls()) {
        Control* box = control.get();
        if (!box->windowed()) continue;
        calendarKeys_.push_back({box, box->onKeyDown, box->onKeyPress});
        box->onKeyDown = [this, own = box->onKeyDown](int key, int shift) {
            if (IsCtrlF(key, shift)) {
                Open();
                return;
            }
            if (own) own(key, shift);
        };
        box->onKeyPress = [own = box->onKeyPress](int& character) {
            if (character == kCtrlFCharacter) {
                character = 0;
                return;
            }
            if (own) own(character);
        };
    }
}

platform::Form& SearchWindow::form() {
    if (!form_) Build();
    return *form_;
}

void SearchWindow::Build() {
    form_ = module_.platform.createForm("FrmSearch", "Search");
    layout_.FollowDpi(*form_);
    form_->setBackColor(kWindowBlue);
    BuildTitle();
    const int width = layout_.width();
    TxtFind = &layout_.Add(*form_, ControlKind::TextBox, "TxtFind", {16, 40, width - 32, 20});
    TxtFind->setBackColor(kLineBack);
    TxtFind->setFont({"Tahoma", 10, false, 0});
    TxtFind->onChange = [this] { Search(); };
    TxtFind->onKeyDown = [this](int key, int shift) { FindKey(key, shift); };
    TxtFind->onKeyPress = [](int& character) {
        if (character == kCtrlFCharacter) character = 0;
    };
    LabFound = &layout_.Add(*form_, ControlKind::Label, "LabFound", {16, 65, width - 32, 15});
    LabFound->setForeColor(kSkyText);
    BuildList();
    form_->onCloseRequest = [this] { form_->hide(); };
}

void SearchWindow::BuildTitle() {
    const int width = layout_.width();
    auto& shadow = layout_.Add(*form_, ControlKind::Label, "SearchTitSH", {3, 6, width - 6, 27});
    shadow.setForeColor(kTitleShadow);
    auto& title = layout_.Add(*form_, ControlKind::Label, "SearchTit", {0, 4, width - 6, 27});
    title.setForeColor(kTitleLight);
    for (Control* label : {&shadow, &title}) {
        label->setCaption("SEARCH");
        label->setFont(TitleFont(16));
        label->setAlignment(platform::Align::Center);
    }
    ButExit = &layout_.Add(*form_, ControlKind::Image, "ButExit", {width - 28, 8, 20, 20});
    layout_.Draw(*ButExit, [](double scale) { return app::art::ExitPicture(scale); });
    ButExit->setTooltip("Close (Esc)");
    ButExit->setCursor(platform::Cursor::Hand);
    ButExit->onClick = [this] { form_->hide(); };
}

void SearchWindow::BuildList() {
    const int width = layout_.width();
    auto& panel =
        layout_.Add(*form_, ControlKind::Shape, "ListPanel", {12, kListTop - 4, width - 24, kRows * kRowHeight + 8});
    panel.setBackColor(kPanelPaper);
    panel.setBorderColor(kPanelEdge);
    for (int i = 0; i < kRows; ++i) {
        const auto r = static_cast<std::size_t>(i);
        const int top = kListTop + i * kRowHeight;
        RowMark[r] = &layout_.Add(*form_, ControlKind::Shape, "RowMark", i, {14, top, width - 28, kRowHeight});
        RowMark[r]->setBackColor(kChosenRow);
        RowMark[r]->setBorderColor(kChosenRow);
        RowMark[r]->setVisible(false);
        RowDate[r] = &layout_.Add(*form_, ControlKind::Label, "RowDate", i, {20, top + 1, 74, 14});
        RowDate[r]->setForeColor(kDateInk);
        RowKind[r] = &layout_.Add(*form_, ControlKind::Label, "RowKind", i, {98, top + 1, 94, 14});
        RowKind[r]->setForeColor(kKindInk);
        RowText[r] =
            &layout_.Add(*form_, ControlKind::Label, "RowText", i, {kTextLeft, top + 1, width - kTextLeft - 16, 14});
        // Lies over the row's labels, so that it takes their mouse.
        RowHit[r] = &layout_.Add(*form_, ControlKind::Image, "RowHit", i, {14, top, width - 28, kRowHeight});
        RowHit[r]->onClick = [this, i] { Choose(firstShown_ + static_cast<std::size_t>(i)); };
        RowHit[r]->onDblClick = [this, i] {
            Choose(firstShown_ + static_cast<std::size_t>(i));
            GoToChosen();
        };
    }
}

void SearchWindow::Open() {
    // A line being typed commits, so that the search finds it as it stands.
    module_.Diar->ParkFocus();
    form();
    if (!form_->visible()) app::PlaceOnScreen(*form_, module_.platform.screen());
    form_->show();
    form_->bringToFront();
    TxtFind->setFocus();
    TxtFind->select(0, static_cast<int>(TxtFind->text().size()));
    // Lines typed or saved since the last opening count.
    Search();
}

void SearchWindow::Search() {
    years_.Refresh(module_.platform.files(), module_.DataPath);
    results_ = Find(Query(TxtFind->text()), years_, module_, NoteTexts(), kDiaryLimit);
    chosen_ = 0;
    firstShown_ = 0;
    ShowRows();
    ShowFound();
}

std::vector<NoteText> SearchWindow::NoteTexts() const {
    std::vector<NoteText> texts;
    for (const auto& note : module_.Notes) {
        if (!note->closed()) texts.push_back({note->RecordNumber(), note->NoteText->text()});
    }
    return texts;
}

void SearchWindow::ShowFound() {
    const std::size_t found = results_.hits.size();
    std::string said;
    if (Query(TxtFind->text()).empty()) {
        said = "Type words to find in the diary of every year, the recurring notes, name days, alarms and notes.";
    } else if (found == 0) {
        said = "Nothing found.";
    } else {
        said = std::to_string(found) + (found == 1 ? " found" : " found, newest first");
        if (results_.cut) said += " (the newest " + std::to_string(kDiaryLimit) + " diary lines; type more to narrow)";
    }
    if (!years_.unreadable().empty()) said += "  Not searched, could not be read: " + years_.unreadable().front();
    LabFound->setCaption(said);
}

void SearchWindow::ShowRows() {
    auto& locale = module_.platform.locale();
    for (std::size_t r = 0; r < kRows; ++r) {
        const std::size_t index = firstShown_ + r;
        const bool shown = index < results_.hits.size();
        RowMark[r]->setVisible(shown && index == chosen_);
        RowHit[r]->setVisible(shown);
        if (!shown) {
            for (Control* label : {RowDate[r], RowKind[r], RowText[r]}) label->setCaption("");
            continue;
        }
        const Hit& hit = results_.hits[index];
        std::string date;
        switch (hit.kind) {
            case HitKind::DiaryLine:
                date = app::DayMonthYear({hit.year, hit.month, hit.day, 0, 0, 0});
                break;
            case HitKind::RecurringNote:
            case HitKind::NameDay:
            case HitKind::Holiday:
                date = app::DayMonth(hit.month, hit.day);
                break;
            case HitKind::MonthlyAlarm:
                date = "day " + std::to_string(hit.day);
                break;
            case HitKind::WeeklyAlarm:
                date = locale.weekdayAbbrev(LocaleWeekday(hit.row));
                break;
            case HitKind::Note:
                date = "note " + std::to_string(hit.row);
                break;
        }
        RowDate[r]->setCaption(date);
        RowKind[r]->setCaption(KindName(hit.kind));
        RowText[r]->setCaption(MarkedExcerpt(hit.text, hit.match, kExcerptWidth));
    }
}

void SearchWindow::Choose(std::size_t index) {
    if (results_.hits.empty()) return;
    chosen_ = std::min(index, results_.hits.size() - 1);
    if (chosen_ < firstShown_) firstShown_ = chosen_;
    if (chosen_ >= firstShown_ + kRows) firstShown_ = chosen_ + 1 - kRows;
    ShowRows();
}

void SearchWindow::FindKey(int key, int shift) {
    switch (key) {
        case platform::kKeyEscape:
            form_->hide();
            break;
        case platform::kKeyReturn:
            GoToChosen();
            break;
        case platform::kKeyDown:
            Choose(chosen_ + 1);
            break;
        case platform::kKeyUp:
            Choose(chosen_ > 0 ? chosen_ - 1 : 0);
            break;
        case platform::kKeyPageDown:
            Choose(chosen_ + kRows);
            break;
        case platform::kKeyPageUp:
            Choose(chosen_ > kRows ? chosen_ - kRows : 0);
            break;
        default:
            if (IsCtrlF(key, shift)) TxtFind->select(0, static_cast<int>(TxtFind->text().size()));
            break;
    }
}

void SearchWindow::GoToChosen() {
    if (chosen_ >= results_.hits.size()) return;
    // A copy: a message the going shows runs the message loop, and with it any search.
    const Hit hit = results_.hits[chosen_];
    // Put away first: what the result shows takes the focus and the front.
    form_->hide();
    GoTo(hit);
}

void SearchWindow::GoTo(const Hit& hit) {
    app::FrmDiar& diar = *module_.Diar;
    switch (hit.kind) {
        case HitKind::DiaryLine:
            diar.ReportSave(diar.ShowDayLine(hit.year, hit.month, hit.day));
            break;
        case HitKind::RecurringNote:
        case HitKind::NameDay:
        case HitKind::Holiday: {
            // A date of every year, shown in the year on screen; 29 February of a year without
            // one shows the 28th.
            const int days = module_.DaysInMonth[static_cast<std::size_t>(hit.month)];
            diar.ReportSave(diar.ShowDayLine(module_.CurYear, hit.month, std::min(hit.day, days)));
            break;
        }
        case HitKind::MonthlyAlarm:
            if (module_.AlarmDialog) module_.AlarmDialog->ShowRow(false, hit.day);
            break;
        case HitKind::WeeklyAlarm:
            if (module_.AlarmDialog) module_.AlarmDialog->ShowRow(true, hit.row);
            break;
        case HitKind::Note:
            for (const auto& note : module_.Notes) {
                if (note->closed() || note->RecordNumber() != hit.row) continue;
                note->form().show();
                note->form().bringToFront();
                note->NoteText->setFocus();
            }
            break;
    }
}

}  // namespace search

// The year view: the year title and twelve month grids, Monday first, with their day marks.
#include "app/artwork_main_window.h"
#include "app/main_window.h"
#include "diary/calendar.h"
#include "diary/day_tables.h"

namespace app {

using platform::ControlKind;

namespace {

struct MonthGrid {
    const char* labels;  // name of the label array
    int x;               // first cell
    int y;
};

// The middle column of the lower two rows starts one pixel further left.
constexpr MonthGrid kGrids[13] = {{"", 0, 0},        {"Jan", 521, 152}, {"Feb", 604, 152}, {"Mar", 687, 152},
                                  {"Apr", 521, 243}, {"Maj", 604, 243}, {"Jun", 687, 243}, {"Jul", 521, 334},
                                  {"Aug", 603, 334}, {"Sep", 687, 334}, {"Okt", 521, 425}, {"Nov", 603, 425},
                                  {"Dec", 687, 425}};

constexpr int kCellsPerGrid = 42;
constexpr int kCellStepX = 10;
constexpr int kCellStepY = 11;
// A month block: its title band above the grid, then six rows of cells.
constexpr int kBlockInsetX = 4;
constexpr int kTitleHeight = 16;
constexpr int kTitleGap = 1;
constexpr int kBlockWidth = 80;
constexpr int kBlockHeight = 88;

constexpr platform::ColorRef kOrdinaryDay = 0x00909090;
constexpr platform::ColorRef kSundayOrHoliday = 0x008080F0;
constexpr platform::ColorRef kDiaryMark = 0x00906020;
constexpr platform::ColorRef kReminderMark = 0x000070A0;

}  // namespace

void FrmDiar::BuildYearView() {
    RokTitSH = &layout_.Add(*form_, ControlKind::Label, "RokTitSH", {602, 101, 81, 27});
    RokTitSH->setForeColor(0x00603900);
    RokTit = &layout_.Add(*form_, ControlKind::Label, "RokTit", {599, 99, 81, 27});
    RokTit->setForeColor(0x00FFEFB0);
    RokTit->setCursor(platform::Cursor::Hand);
    for (Control* title : {RokTitSH, RokTit}) {
        title->setFont({"Tahoma", 16, true, 0});
        title->setAlignment(platform::Align::Center);
    }

    for (int m = 1; m <= 12; ++m) {
        const MonthGrid& grid = kGrids[m];
        const int blockX = grid.x - kBlockInsetX;
        const int blockY = grid.y - kTitleHeight - kTitleGap;
        MesTitBack[static_cast<std::size_t>(m - 1)] =
            &layout_.Add(*form_, ControlKind::Image, "MesTitBack", m - 1, {blockX, blockY, kBlockWidth, kTitleHeight});
        layout_.Draw(*MesTitBack[static_cast<std::size_t>(m - 1)],
                     [](double scale) { return art::MonthTitlePicture(scale); });
        MesTit[m] =
            &layout_.Add(*form_, ControlKind::Label, "MesTit", m, {blockX, blockY + 1, kBlockWidth, kTitleHeight - 1});
        MesTit[m]->setAlignment(platform::Align::Center);
        MesTit[m]->setBold(true);
        MesTit[m]->setForeColor(platform::rgb(0xFF, 0xFF, 0xFF));
        for (int i = 1; i <= kCellsPerGrid; ++i) {
            const int row = (i - 1) / 7;
            const int column = (i - 1) % 7;
            Control& cell = layout_.Add(*form_, ControlKind::Label, grid.labels, i,
                                        {grid.x + kCellStepX * column, grid.y + kCellStepY * row, 13, 16});
            cell.setAlignment(platform::Align::Center);
            cell.setForeColor(kOrdinaryDay);
            YearCells[static_cast<std::size_t>(m)][static_cast<std::size_t>(i)] = &cell;
        }
    }
    // Above the titles and the cells, so that a click anywhere on a month block reaches it.
    for (int m = 1; m <= 12; ++m) {
        const MonthGrid& grid = kGrids[m];
        MesiacClick[m] =
            &layout_.Add(*form_, ControlKind::Image, "MesiacClick", m,
                         {grid.x - kBlockInsetX, grid.y - kTitleHeight - kTitleGap, kBlockWidth, kBlockHeight});
        MesiacClick[m]->setCursor(platform::Cursor::Hand);
    }
}

void FrmDiar::ShowYear() {
    const std::string year = std::to_string(module_.CurYear);
    RokTit->setCaption(year);
    RokTitSH->setCaption(year);
    LoadYear(module_.platform.files(), module_);
    PaintTables();
}

void FrmDiar::PaintTables() {
    for (int m = 1; m <= 12; ++m) PaintMonthGrid(m);
    ShowMonth();
}

void FrmDiar::PaintMonthGrid(int m) {
    auto& cells = YearCells[static_cast<std::size_t>(m)];
    auto cell = [&cells](int i) { return cells[static_cast<std::size_t>(i)]; };
    // Monday is column 1, Sunday column 7.
    int firstColumn = Weekday(module_.CurYear, m, 1) - 1;
    if (firstColumn == 0) firstColumn = 7;
    const int days = module_.DaysInMonth[static_cast<std::size_t>(m)];
    for (int i = 1; i <= firstColumn; ++i) cell(i)->setCaption("");
    for (int i = days + firstColumn; i <= kCellsPerGrid; ++i) cell(i)->setCaption("");
    for (int d = 1; d <= days; ++d) {
        Control* label = cell(d + firstColumn - 1);
        const std::string number = std::to_string(d);
        label->setCaption(number.substr(number.size() - 1));
        bool bold = false;
        platform::ColorRef color = kOrdinaryDay;
        if ((d + firstColumn - 1) % 7 == 0) color = kSundayOrHoliday;
        if (IsHoliday(module_.Names(m, d))) color = kSundayOrHoliday;
        if (HasDiaryLine(module_.Diary(m, d))) {
            bold = true;
            color = kDiaryMark;
        }
        if (!module_.Reminders(m, d).empty()) {
            bold = true;
            color = kReminderMark;
        }
        label->setBold(bold);
        label->setForeColor(color);
    }
}

}  // namespace app

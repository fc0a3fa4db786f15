// Working in the day lines: moving between them with the keyboard, selecting a whole line, the
// commit of a line's text into its Diary cell when the line loses the focus, and the Format menu
// over each day's number.
#include "app/main_window.h"
#include "diary/day_tables.h"
#include "diary/format_menu.h"

namespace app {

void FrmDiar::DayLineKey(int day, int key, int shift) {
    const int lastDay = module_.DaysInMonth[static_cast<std::size_t>(module_.ShownMonth)];
    // The key is not consumed: the box still handles it as it would on its own.
    if (key == platform::kKeyUp && day > 1) DenLine[day - 1]->setFocus();
    if (key == platform::kKeyDown && day < lastDay) DenLine[day + 1]->setFocus();
    if (key == platform::kKeyReturn) ParkFocus();
    if (key == platform::kKeyA && shift == platform::kCtrl) {
        DenLine[day]->select(0, static_cast<int>(DenLine[day]->text().size()));
    }
}

void FrmDiar::CommitDayLine(int day) {
    std::string& cell = module_.Diary(module_.ShownMonth, day);
    const std::string text = DenLine[day]->text();
    if (text == lineAsFilled_[day] || text == DiaryText(cell)) return;
    module_.DiaryDirty = true;
    lineAsFilled_[day] = text;
    if (text.empty()) {
        // Clearing a line clears its weight and colour too.
        cell = kEmptyDiaryCell;
        DenLine[day]->setForeColor(DiaryColor(cell));
        DenLine[day]->setBold(false);
        return;
    }
    cell = cell.substr(0, kDiaryCodeLength) + text;
}

void FrmDiar::MenuDniUp(int day, const platform::MouseEvent& e) {
    if (day > module_.DaysInMonth[static_cast<std::size_t>(module_.ShownMonth)] || SviatkyEd->visible()) return;
    if (DenLine[day]->text().empty() || e.button != platform::kRightButton) return;
    MenuDay = day;
    // Neither the image nor the menu takes the focus: a line being typed in stays in edit and
    // commits later, with the code the menu set.
    const auto window = form_->bounds();
    const auto image = MenuDni[day]->rect();
    const auto& items = FormatMenuItems();
    const int chosen = module_.platform.popupMenu(items, window.x + image.x + e.x, window.y + image.y + e.y);
    if (chosen < 0) return;
    std::string& cell = module_.Diary(module_.ShownMonth, MenuDay);
    if (ApplyFormat(items[static_cast<std::size_t>(chosen)].name, cell, *DenLine[MenuDay])) module_.DiaryDirty = true;
}

}  // namespace app

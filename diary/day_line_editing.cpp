// Typing in the day lines: a line's text reaches its Diary cell when the line loses the focus.
#include "app/main_window.h"
#include "diary/day_tables.h"

namespace app {

void FrmDiar::CommitDayLine(int day) {
    std::string& cell = module_.Diary(module_.ShownMonth, day);
    const std::string text = DenLine[day]->text();
    if (text == DiaryText(cell)) return;
    module_.DiaryDirty = true;
    if (text.empty()) {
        // Clearing a line clears its weight and colour too.
        cell = kEmptyDiaryCell;
        DenLine[day]->setForeColor(0);
        DenLine[day]->setBold(false);
        return;
    }
    cell = cell.substr(0, kDiaryCodeLength) + text;
}

}  // namespace app

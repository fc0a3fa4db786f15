// The year editor RokEdit: a click on the year title opens it over the title; Enter, or any
// other loss of the focus, shows January of the typed year; Esc closes it and keeps the year.
#include "app/main_window.h"
#include "diary/year_range.h"

namespace app {

using platform::ControlKind;

namespace {

constexpr int kYearDigits = 4;
constexpr int kEnter = 13;
constexpr int kEscape = 27;
constexpr int kBackspace = 8;

}  // namespace

void FrmDiar::BuildYearEditor() {
    RokEdit = &layout_.Add(*form_, ControlKind::TextBox, "RokEdit", {602, 99, 75, 29});
    RokEdit->setVisible(false);
    RokEdit->setMaxLength(kYearDigits);
    RokEdit->setAlignment(platform::Align::Center);
    RokEdit->setFont(RokTit->font());
    RokEdit->setForeColor(platform::rgb(0xFF, 0xFF, 0xFF));
    RokEdit->setBackColor(form_->backColor());

    RokTit->onMouseUp = [this](const platform::MouseEvent& e) {
        if (e.button == platform::kLeftButton) OpenYearEditor();
    };
    RokEdit->onKeyPress = [this](int& character) { YearEditorKey(character); };
    RokEdit->onLostFocus = [this] { CommitYearEditor(); };
}

void FrmDiar::OpenYearEditor() {
    RokEdit->setText(std::to_string(module_.CurYear));
    RokEdit->select(0, kYearDigits);
    RokEdit->setVisible(true);
    RokEdit->setFocus();
}

void FrmDiar::YearEditorKey(int& character) {
    if (character == kEnter) {
        ParkFocus();  // the commit runs as the focus leaves
    } else if (character == kEscape) {
        // Emptied before it is hidden, so that the focus leaving it commits nothing.
        RokEdit->setText("");
        RokEdit->setVisible(false);
        ParkFocus();
    }
    const bool digit = character >= '0' && character <= '9';
    if (!digit && character != kBackspace) character = 0;
}

void FrmDiar::CommitYearEditor() {
    const int year = YearEditorValue(RokEdit->text());
    // Emptied, so that a later stray loss of the focus while hidden changes nothing.
    RokEdit->setText("");
    RokEdit->setVisible(false);
    // Fewer than three digits only close the editor.
    if (year >= kFirstYear && year <= kLastYear && year != module_.CurYear) ReportSave(ReloadYear(year, 1));
}

}  // namespace app

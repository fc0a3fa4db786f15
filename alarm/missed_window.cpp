#include "alarm/missed_window.h"

#include <utility>

#include "alarm/alarm_artwork.h"

namespace alarms {

using platform::ControlKind;
using platform::rgb;

namespace {

constexpr int kClientWidthTwips = 6600;
constexpr int kClientHeightTwips = 5400;

constexpr platform::ColorRef kListBack = 0x00E5FDFF;  // as the alarm dialog's rows
constexpr platform::ColorRef kListText = rgb(0x00, 0x00, 0x00);
constexpr const char* kTitle = "Missed alarms";

}  // namespace

MissedWindow::MissedWindow(app::Module& module)
    : module_(module),
      layout_(module.platform.screen(), kClientWidthTwips, kClientHeightTwips),
      form_(module.platform.createForm("FrmMissed", kTitle)) {
    layout_.FollowDpi(*form_);
    form_->setBackColor(app::kWindowBlue);
    Build();
    // Closing it by the keyboard acts as its OK.
    form_->onCloseRequest = [this] { OK(); };
    ButOK->onMouseUp = [this](const platform::MouseEvent& e) {
        if (e.button == platform::kLeftButton) OK();
    };
}

void MissedWindow::Build() {
    const int w = layout_.width();
    const int h = layout_.height();
    AddDoubleFrame(*form_, layout_, w, h, Line);

    TitleMissed = &layout_.Add(*form_, ControlKind::Label, "TitleMissed", {16, 13, w - 32, 20});
    TitleMissed->setAlignment(platform::Align::Center);
    TitleMissed->setFont(app::TitleFont(12));
    TitleMissed->setForeColor(app::kSkyText);
    TitleMissed->setCaption("MISSED ALARMS");

    LabMissed = &layout_.Add(*form_, ControlKind::Label, "LabMissed", {16, 40, w - 32, 30});
    LabMissed->setForeColor(app::kSkyText);
    LabMissed->setCaption(
        "These alarms fell due while the computer slept, the program was not running or the clock was "
        "set forward. They did not ring.");

    TxtMissed = &layout_.Add(*form_, ControlKind::TextBox, "TxtMissed", {16, 74, w - 32, h - 74 - 46});
    TxtMissed->setMultiLine(true);
    TxtMissed->setReadOnly(true);
    TxtMissed->setBackColor(kListBack);
    TxtMissed->setForeColor(kListText);

    ButOK = &layout_.Add(*form_, ControlKind::Image, "ButOK",
                         {(w - art::kOkWidth) / 2, h - 38, art::kOkWidth, art::kOkHeight});
    layout_.Draw(*ButOK, [](double scale) { return art::OkPicture(scale); });
    ButOK->setCursor(platform::Cursor::Hand);
    ButOK->setTooltip("Seen");
}

void MissedWindow::Add(MissedAlarms missed) {
    alarms_.insert(alarms_.end(), std::make_move_iterator(missed.latest.begin()),
                   std::make_move_iterator(missed.latest.end()));
    earlier_ += missed.earlier;
    notAllLooked_ = notAllLooked_ || missed.notAllLooked;
    if (alarms_.size() > kMissedListLength) {
        const std::size_t over = alarms_.size() - kMissedListLength;
        alarms_.erase(alarms_.begin(), alarms_.begin() + static_cast<std::ptrdiff_t>(over));
        earlier_ += static_cast<long long>(over);
    }
    TxtMissed->setText(MissedListText(alarms_, earlier_, notAllLooked_, module_.platform.locale().timeSeparator()));
    // The taskbar's name of the window says how many there are.
    form_->setTitle(std::string(kTitle) + " (" + std::to_string(static_cast<long long>(alarms_.size()) + earlier_) +
                    ")");
    if (!form_->visible()) app::PlaceOnScreen(*form_, module_.platform.screen());
    form_->show();
    form_->bringToFront();
}

void MissedWindow::OK() {
    alarms_.clear();
    earlier_ = 0;
    notAllLooked_ = false;
    form_->hide();
}

}  // namespace alarms

#include "alarm/message_window.h"

#include "alarm/alarm_artwork.h"
#include "alarm/alarm_rules.h"
#include "app/artwork_main_window.h"
#include "app/settings.h"
#include "app/window_look.h"

namespace alarms {

using platform::ControlKind;
using platform::rgb;

namespace {

constexpr int kClientWidthTwips = 4860;
constexpr int kClientHeightTwips = 3480;

constexpr platform::ColorRef kMessageText = rgb(0xC0, 0xE0, 0xFF);
constexpr platform::ColorRef kMessageShadow = rgb(0x00, 0x40, 0x40);
constexpr int kShadowOffset = 2;  // 30 twips

// "7. DECEMBER 2026": the locale's month name.
std::string DateTitle(platform::Locale& locale, const platform::DateTime& today) {
    return locale.toUpper(std::to_string(today.day) + ". " + locale.monthName(today.month) + " " +
                          std::to_string(today.year));
}

}  // namespace

MessageWindow::MessageWindow(app::Module& module)
    : module_(module),
      layout_(module.platform.screen(), kClientWidthTwips, kClientHeightTwips),
      form_(module.platform.createForm("FrmMessage", "Message!")) {
    layout_.FollowDpi(*form_);
    form_->setBackColor(app::kWindowBlue);
    Build();
    form_->onActivate = [this] { Activate(); };
    // Closing it by the keyboard acts as its close image.
    form_->onCloseRequest = [this] { form_->hide(); };
    Image1->onMouseUp = [this](const platform::MouseEvent& e) {
        if (e.button == platform::kLeftButton) Acknowledge();
    };
    Image2->onMouseUp = [this](const platform::MouseEvent& e) {
        if (e.button == platform::kLeftButton) form_->hide();
    };
}

void MessageWindow::Build() {
    const int w = layout_.width();
    const int h = layout_.height();
    AddDoubleFrame(*form_, layout_, w, h, Line);

    TitleMsg = &layout_.Add(*form_, ControlKind::Label, "TitleMsg", {32, 13, w - 64, 20});
    TitleMsg->setAlignment(platform::Align::Center);
    TitleMsg->setFont(app::TitleFont(12));
    TitleMsg->setForeColor(app::kSkyText);

    const platform::Rect text{16, 42, w - 32, h - 84};
    MsgLabelSH = &layout_.Add(*form_, ControlKind::Label, "MsgLabelSH",
                              {text.x + kShadowOffset, text.y + kShadowOffset, text.w, text.h});
    MsgLabel = &layout_.Add(*form_, ControlKind::Label, "MsgLabel", text);
    for (Control* label : {MsgLabelSH, MsgLabel}) {
        label->setAlignment(platform::Align::Center);
        label->setFont(app::TitleFont(10));
    }
    MsgLabelSH->setForeColor(kMessageShadow);
    MsgLabel->setForeColor(kMessageText);

    Image1 = &layout_.Add(*form_, ControlKind::Image, "Image1",
                          {(w - art::kOkWidth) / 2, h - 34, art::kOkWidth, art::kOkHeight});
    layout_.Draw(*Image1, [](double scale) { return art::OkPicture(scale); });
    Image2 = &layout_.Add(*form_, ControlKind::Image, "Image2", {w - 28, 8, 20, 20});
    layout_.Draw(*Image2, [](double scale) { return app::art::ExitPicture(scale); });
    for (Control* image : {Image1, Image2}) image->setCursor(platform::Cursor::Hand);
}

void MessageWindow::Present() {
    text_ = TrimSpaces(module_.MsgText);
    Activate();
    form_->show();
    form_->bringToFront();
}

void MessageWindow::Activate() {
    app::PlaceOnScreen(*form_, module_.platform.screen());
    TitleMsg->setCaption(DateTitle(module_.platform.locale(), module_.platform.now()));
    MsgLabel->setCaption(text_);
    MsgLabelSH->setCaption(text_);
}

void MessageWindow::Acknowledge() {
    module_.ResumeMode = DismissalDate(module_.platform.now());
    if (const auto status = app::SaveSettings(module_.platform.files(), module_); !status) {
        module_.platform.showMessage(app::kProductName,
                                     "The settings file " + module_.Path(app::kSettingsFile) +
                                         " could not be written:\r\n" + status.error +
                                         "\r\n\r\nToday's message stays marked as seen while the program runs, and "
                                         "the mark is written the next time the program saves its settings.",
                                     platform::MessageIcon::Stop);
    }
    form_->hide();
}

}  // namespace alarms

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

constexpr platform::ColorRef kInnerFrame = rgb(0x86, 0xC8, 0xEE);
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
    layout_.SizeWindow(*form_);
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
    // Two frames along the edges: Line1..Line4 outside, Line5..Line8 inside.
    for (int frame = 0; frame < 2; ++frame) {
        const int inset = 1 + 3 * frame;
        const int left = inset;
        const int top = inset;
        const int right = w - 1 - inset;
        const int bottom = h - 1 - inset;
        const int first = 1 + 4 * frame;
        const std::array<std::array<int, 4>, 4> ends{{{left, top, right, top},
                                                      {right, top, right, bottom},
                                                      {left, bottom, right, bottom},
                                                      {left, top, left, bottom}}};
        for (int side = 0; side < 4; ++side) {
            Control& line = form_->add(ControlKind::Line, "Line" + std::to_string(first + side), {});
            const auto& [x1, y1, x2, y2] = ends[static_cast<std::size_t>(side)];
            layout_.PlaceLine(line, x1, y1, x2, y2);
            line.setBorderColor(frame == 0 ? app::kSkyText : kInnerFrame);
            Line[static_cast<std::size_t>(first + side)] = &line;
        }
    }

    TitleMsg = &form_->add(ControlKind::Label, "TitleMsg", layout_.Place({32, 13, w - 64, 20}));
    TitleMsg->setAlignment(platform::Align::Center);
    TitleMsg->setFont(app::TitleFont(12));
    TitleMsg->setForeColor(app::kSkyText);

    const platform::Rect text{16, 42, w - 32, h - 84};
    MsgLabelSH = &form_->add(ControlKind::Label, "MsgLabelSH",
                             layout_.Place({text.x + kShadowOffset, text.y + kShadowOffset, text.w, text.h}));
    MsgLabel = &form_->add(ControlKind::Label, "MsgLabel", layout_.Place(text));
    for (Control* label : {MsgLabelSH, MsgLabel}) {
        label->setAlignment(platform::Align::Center);
        label->setFont(app::TitleFont(10));
    }
    MsgLabelSH->setForeColor(kMessageShadow);
    MsgLabel->setForeColor(kMessageText);

    Image1 = &form_->add(ControlKind::Image, "Image1",
                         layout_.Place({(w - art::kOkWidth) / 2, h - 34, art::kOkWidth, art::kOkHeight}));
    Image1->setPictureDrawnLater([scale = layout_.pictureScale()] { return art::OkPicture(scale); });
    Image2 = &form_->add(ControlKind::Image, "Image2", layout_.Place({w - 28, 8, 20, 20}));
    Image2->setPictureDrawnLater([scale = layout_.pictureScale()] { return app::art::ExitPicture(scale); });
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

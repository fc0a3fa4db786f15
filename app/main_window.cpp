#include "app/main_window.h"

#include "app/artwork_main_window.h"
#include "app/window_look.h"

namespace app {

using platform::ControlKind;
using platform::Cursor;
using platform::rgb;

namespace {

constexpr platform::ColorRef kPaleLink = rgb(0x86, 0xC8, 0xEE);
constexpr platform::ColorRef kPanelPaper = rgb(0xFF, 0xFF, 0xFA);
constexpr platform::ColorRef kPanelEdge = rgb(0x9E, 0xC4, 0xDE);

}  // namespace

FrmDiar::FrmDiar(Module& module)
    : module_(module),
      layout_(module.platform.screen(), 11730, 8100),
      form_(module.platform.createForm("FrmDiar", "Diar")) {
    layout_.FollowDpi(*form_, [this] { AfterDpiChange(); });
    form_->setBackColor(kWindowBlue);
    // Hundreds of elements: drawn while the program waits in the tray, the calendar shows at once.
    form_->setDrawsAhead(true);
    // Order matters: later elements lie above earlier ones.
    BuildShell();
    BuildDayPanel();
    BuildYearView();
    BuildNavigation();
}

void FrmDiar::BuildShell() {
    Focus = &layout_.Add(*form_, ControlKind::PictureBox, "Focus", {0, 9150 / 15, 345 / 15, 270 / 15});

    Shape1 = &layout_.Add(*form_, ControlKind::Shape, "Shape1", {10, 45, 490, 480});
    Shape1->setBackColor(kPanelPaper);
    Shape1->setBorderColor(kPanelEdge);
    Image1 = &layout_.Add(*form_, ControlKind::Image, "Image1", {509, 129, art::kYearCardWidth, art::kYearCardHeight});
    layout_.Draw(*Image1, [](double scale) { return art::YearCardPicture(scale); });
    Stetec = &layout_.Add(*form_, ControlKind::Image, "Stetec", {18, 6, 36, 36});
    layout_.Draw(*Stetec, [](double scale) { return art::BrushPicture(scale); });

    OrvaneLogo = &layout_.Add(*form_, ControlKind::Image, "OrvaneLogo", {516, 8, 40, 40});
    layout_.Draw(*OrvaneLogo, [](double scale) { return art::LogoPicture(scale); });
    OrvaneLogo->setCursor(Cursor::Hand);
    OrvaneLogo->setTooltip(kMakerWebSite);
    Verzia = &layout_.Add(*form_, ControlKind::Label, "Verzia", {562, 13, 60, 16});
    Verzia->setCaption("v3.31");
    Verzia->setFont(TitleFont(9));
    Verzia->setForeColor(kSkyText);
    Label1 = &layout_.Add(*form_, ControlKind::Label, "Label1", {562, 31, 140, 14});
    Label1->setCaption("orvane-notes.example");
    Label1->setForeColor(kPaleLink);

    ButHelp = &layout_.Add(*form_, ControlKind::Image, "ButHelp", {706, 8, 20, 20});
    layout_.Draw(*ButHelp, [](double scale) { return art::HelpPicture(scale); });
    ButHelp->setTooltip("Help");
    Minimalizator = &layout_.Add(*form_, ControlKind::Image, "Minimalizator", {730, 8, 20, 20});
    layout_.Draw(*Minimalizator, [](double scale) { return art::HidePicture(scale); });
    Minimalizator->setTooltip("Hide (with Shift, Ctrl or Alt: exit)");
    Exitor = &layout_.Add(*form_, ControlKind::Image, "Exitor", {754, 8, 20, 20});
    layout_.Draw(*Exitor, [](double scale) { return art::ExitPicture(scale); });
    Exitor->setTooltip("Exit");
    for (Control* button : {ButHelp, Minimalizator, Exitor}) button->setCursor(Cursor::Hand);

    // The two boxes share the strip below the year card, one above the other.
    ChkTranslut = &layout_.Add(*form_, ControlKind::CheckBox, "ChkTranslut", {521, 501, 130, 17});
    ChkTranslut->setCaption("Translucent");
    ChkStartup = &layout_.Add(*form_, ControlKind::CheckBox, "ChkStartup", {521, 519, 130, 17});
    ChkStartup->setCaption("Start with Windows");
    for (Control* box : {ChkTranslut, ChkStartup}) {
        box->setBackColor(kWindowBlue);
        box->setForeColor(kSkyText);
    }

    ImgToday = &layout_.Add(*form_, ControlKind::Image, "ImgToday", {656, 500, 111, 30});
    layout_.Draw(*ImgToday, [](double scale) { return art::TodayPicture(scale); });
    LabToday = &layout_.Add(*form_, ControlKind::Label, "LabToday", {687, 506, 76, 17});
    LabToday->setFont(TitleFont(10));
    LabToday->setForeColor(rgb(0xFF, 0xFF, 0xFF));
    LabToday->setAlignment(platform::Align::Center);

    ConnectShell();
}

}  // namespace app

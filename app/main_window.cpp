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

FrmDiar::FrmDiar(Module& module) : module_(module), form_(module.platform.createForm("FrmDiar", "Diar")) {
    const auto screen = module_.platform.screen();
    SizeInTwips(*form_, screen, 11730, 8100);
    form_->setBackColor(kWindowBlue);
    // Order matters: later elements lie above earlier ones.
    BuildShell();
    BuildDayPanel();
    BuildYearView();
    BuildNavigation();
}

void FrmDiar::BuildShell() {
    Focus = &form_->add(ControlKind::PictureBox, "Focus", {0, 9150 / 15, 345 / 15, 270 / 15});

    Shape1 = &form_->add(ControlKind::Shape, "Shape1", {10, 45, 490, 480});
    Shape1->setBackColor(kPanelPaper);
    Shape1->setBorderColor(kPanelEdge);
    Image1 = &form_->add(ControlKind::Image, "Image1", {509, 129, art::kYearCardWidth, art::kYearCardHeight});
    Image1->setPicture(art::YearCardPicture());
    Stetec = &form_->add(ControlKind::Image, "Stetec", {18, 6, 36, 36});
    Stetec->setPicture(art::BrushPicture());

    OrvaneLogo = &form_->add(ControlKind::Image, "OrvaneLogo", {516, 8, 40, 40});
    OrvaneLogo->setPicture(art::LogoPicture());
    OrvaneLogo->setCursor(Cursor::Hand);
    OrvaneLogo->setTooltip(kMakerWebSite);
    Verzia = &form_->add(ControlKind::Label, "Verzia", {562, 13, 60, 16});
    Verzia->setCaption("v3.31");
    Verzia->setFont(TitleFont(9));
    Verzia->setForeColor(kSkyText);
    Label1 = &form_->add(ControlKind::Label, "Label1", {562, 31, 140, 14});
    Label1->setCaption("orvane-notes.example");
    Label1->setForeColor(kPaleLink);

    ButHelp = &form_->add(ControlKind::Image, "ButHelp", {706, 8, 20, 20});
    ButHelp->setPicture(art::HelpPicture());
    ButHelp->setTooltip("Help");
    Minimalizator = &form_->add(ControlKind::Image, "Minimalizator", {730, 8, 20, 20});
    Minimalizator->setPicture(art::HidePicture());
    Minimalizator->setTooltip("Hide (with Shift, Ctrl or Alt: exit)");
    Exitor = &form_->add(ControlKind::Image, "Exitor", {754, 8, 20, 20});
    Exitor->setPicture(art::ExitPicture());
    Exitor->setTooltip("Exit");
    for (Control* button : {ButHelp, Minimalizator, Exitor}) button->setCursor(Cursor::Hand);

    ChkTranslut = &form_->add(ControlKind::CheckBox, "ChkTranslut", {521, 507, 100, 17});
    ChkTranslut->setCaption("Translucent");
    ChkTranslut->setBackColor(kWindowBlue);
    ChkTranslut->setForeColor(kSkyText);

    ImgToday = &form_->add(ControlKind::Image, "ImgToday", {656, 500, 111, 30});
    ImgToday->setPicture(art::TodayPicture());
    LabToday = &form_->add(ControlKind::Label, "LabToday", {687, 506, 76, 17});
    LabToday->setFont(TitleFont(10));
    LabToday->setForeColor(rgb(0xFF, 0xFF, 0xFF));
    LabToday->setAlignment(platform::Align::Center);

    ConnectShell();
}

}  // namespace app

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
    layout_.SizeWindow(*form_);
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
    Focus = &form_->add(ControlKind::PictureBox, "Focus", layout_.Place({0, 9150 / 15, 345 / 15, 270 / 15}));

    Shape1 = &form_->add(ControlKind::Shape, "Shape1", layout_.Place({10, 45, 490, 480}));
    Shape1->setBackColor(kPanelPaper);
    Shape1->setBorderColor(kPanelEdge);
    Image1 =
        &form_->add(ControlKind::Image, "Image1", layout_.Place({509, 129, art::kYearCardWidth, art::kYearCardHeight}));
    Image1->setPictureDrawnLater([scale = layout_.pictureScale()] { return art::YearCardPicture(scale); });
    Stetec = &form_->add(ControlKind::Image, "Stetec", layout_.Place({18, 6, 36, 36}));
    Stetec->setPictureDrawnLater([scale = layout_.pictureScale()] { return art::BrushPicture(scale); });

    OrvaneLogo = &form_->add(ControlKind::Image, "OrvaneLogo", layout_.Place({516, 8, 40, 40}));
    OrvaneLogo->setPictureDrawnLater([scale = layout_.pictureScale()] { return art::LogoPicture(scale); });
    OrvaneLogo->setCursor(Cursor::Hand);
    OrvaneLogo->setTooltip(kMakerWebSite);
    Verzia = &form_->add(ControlKind::Label, "Verzia", layout_.Place({562, 13, 60, 16}));
    Verzia->setCaption("v3.31");
    Verzia->setFont(TitleFont(9));
    Verzia->setForeColor(kSkyText);
    Label1 = &form_->add(ControlKind::Label, "Label1", layout_.Place({562, 31, 140, 14}));
    Label1->setCaption("orvane-notes.example");
    Label1->setForeColor(kPaleLink);

    ButHelp = &form_->add(ControlKind::Image, "ButHelp", layout_.Place({706, 8, 20, 20}));
    ButHelp->setPictureDrawnLater([scale = layout_.pictureScale()] { return art::HelpPicture(scale); });
    ButHelp->setTooltip("Help");
    Minimalizator = &form_->add(ControlKind::Image, "Minimalizator", layout_.Place({730, 8, 20, 20}));
    Minimalizator->setPictureDrawnLater([scale = layout_.pictureScale()] { return art::HidePicture(scale); });
    Minimalizator->setTooltip("Hide (with Shift, Ctrl or Alt: exit)");
    Exitor = &form_->add(ControlKind::Image, "Exitor", layout_.Place({754, 8, 20, 20}));
    Exitor->setPictureDrawnLater([scale = layout_.pictureScale()] { return art::ExitPicture(scale); });
    Exitor->setTooltip("Exit");
    for (Control* button : {ButHelp, Minimalizator, Exitor}) button->setCursor(Cursor::Hand);

    // The two boxes share the strip below the year card, one above the other.
    ChkTranslut = &form_->add(ControlKind::CheckBox, "ChkTranslut", layout_.Place({521, 501, 130, 17}));
    ChkTranslut->setCaption("Translucent");
    ChkStartup = &form_->add(ControlKind::CheckBox, "ChkStartup", layout_.Place({521, 519, 130, 17}));
    ChkStartup->setCaption("Start with Windows");
    for (Control* box : {ChkTranslut, ChkStartup}) {
        box->setBackColor(kWindowBlue);
        box->setForeColor(kSkyText);
    }

    ImgToday = &form_->add(ControlKind::Image, "ImgToday", layout_.Place({656, 500, 111, 30}));
    ImgToday->setPictureDrawnLater([scale = layout_.pictureScale()] { return art::TodayPicture(scale); });
    LabToday = &form_->add(ControlKind::Label, "LabToday", layout_.Place({687, 506, 76, 17}));
    LabToday->setFont(TitleFont(10));
    LabToday->setForeColor(rgb(0xFF, 0xFF, 0xFF));
    LabToday->setAlignment(platform::Align::Center);

    ConnectShell();
}

}  // namespace app

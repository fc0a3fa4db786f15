#include "app/tray_icon.h"

#include "app/main_window.h"
#include "app/outside_changes.h"
#include "notes/notes_database.h"

namespace app {

namespace {

constexpr std::size_t kTipFieldSize = 64;
constexpr std::uint8_t kSingleClickTicks = 5;

}  // namespace

std::string TrayTipField(const std::string& tip) {
    std::string field = tip.substr(0, kTipFieldSize);
    field.resize(kTipFieldSize, ' ');
    if (field.find('\0') == std::string::npos) field.back() = '\0';
    return field;
}

TrayIcon::TrayIcon(Module& module) : module_(module) {
    platform::Form& diar = module_.Diar->form();
    // Lies below the visible area of the main window.
    TwipsLayout& layout = module_.Diar->layout();
    NotifyPicture = &layout.Add(diar, platform::ControlKind::PictureBox, "NotifyPicture",
                                {0, layout.height() + 40, 240 / 15, 240 / 15});
    NotifyPicture->setVisible(false);
    NotifyPicture->setPicture(NotifyICO(0));
    DBtimer = &diar.addTimer("DBtimer", 100);
    DBtimer->onTick = [this] { OnTick(); };
    module_.platform.tray().onMessage = [this](int message) { OnMessage(message); };
}

TrayIcon::~TrayIcon() {
    module_.platform.tray().onMessage = nullptr;
}

void TrayIcon::TrayIconAdd() {
    const auto& picture = NotifyPicture->picture();
    // The shell may refuse the icon; the program then runs without it.
    module_.platform.tray().add(picture ? *picture : platform::Picture(), TrayTipField(module_.TrayTip));
}

void TrayIcon::TrayIconRemove() {
    module_.platform.tray().remove();
}

void TrayIcon::OnMessage(int message) {
    platform::Form& diar = module_.Diar->form();
    switch (message) {
        case kTrayRightPress:
            PickUpOutsideChanges(module_);
            diar.bringToFront();
            diar.show();
            module_.platform.activateWindow(kApplicationTitle);
            break;
        case kTrayLeftDoubleClick:
            // The first click of the pair must not act as a single click as well.
            DBtimer->stop();
            diar.bringToFront();
            notes::NewNote(module_);
            module_.platform.activateWindow(kApplicationTitle);
            break;
        case kTrayLeftPress:
            TrayClickCountdown = kSingleClickTicks;
            DBtimer->start();
            break;
        default:
            break;
    }
}

void TrayIcon::OnTick() {
    if (TrayClickCountdown > 0) --TrayClickCountdown;
    if (TrayClickCountdown != 0) return;
    DBtimer->stop();
    // A hidden main window stays hidden: a single click only brings the program forward.
    module_.platform.activateWindow(kApplicationTitle);
    module_.Diar->form().bringToFront();
}

void TrayIconAdd(Module& module) {
    if (module.Tray) module.Tray->TrayIconAdd();
}

void TrayIconRemove(Module& module) {
    if (module.Tray) module.Tray->TrayIconRemove();
}

}  // namespace app

#include "app/main_window.h"

namespace app {

using platform::ControlKind;

FrmDiar::FrmDiar(Module& module) : module_(module), form_(module.platform.createForm("FrmDiar", "Diar")) {
    const auto screen = module_.platform.screen();
    form_->setBounds({0, 0, 11730 / screen.twipsPerPixelX, 8100 / screen.twipsPerPixelY});
    form_->setBackColor(platform::rgb(0x00, 0x60, 0x90));
    Focus = &form_->add(ControlKind::PictureBox, "Focus", {0, 9150 / 15, 345 / 15, 270 / 15});
    ChkTranslut = &form_->add(ControlKind::CheckBox, "ChkTranslut", {24, 506, 100, 17});
    ChkTranslut->setCaption("Translucent");
    ChkTranslut->setBackColor(platform::rgb(0x00, 0x60, 0x90));
    ChkTranslut->setForeColor(platform::rgb(0xB0, 0xEF, 0xFF));
    ChkTranslut->onClick = [this] {
        if (ChkTranslut->value() == 0) module_.TranslucentCleared = true;
    };
}

}  // namespace app

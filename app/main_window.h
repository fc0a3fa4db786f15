// The main calendar window FrmDiar: a borderless window, loaded hidden at start-up and only
// hidden afterwards. Its calendar content is painted by the diary procedures.
#pragma once

#include <memory>

#include "app/module.h"
#include "platform/form.h"

namespace app {

class FrmDiar {
public:
    explicit FrmDiar(Module& module);

    platform::Form& form() { return *form_; }

    // Receives the keyboard focus so that an edited line commits; lies below the visible area.
    platform::Control* Focus = nullptr;
    // "Translucent": whether desktop notes are drawn translucent.
    platform::Control* ChkTranslut = nullptr;

private:
    Module& module_;
    std::unique_ptr<platform::Form> form_;
};

}  // namespace app

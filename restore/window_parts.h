// The parts the restore window is built of, shared with the windows made in its look (the import's
// preview): the title drawn twice, as shadow and light, and the pill buttons with a caption.
#pragma once

#include <string>

#include "app/window_look.h"
#include "platform/form.h"

namespace restore {

// The title across the window's top; `name` is the light label's, the shadow's is `name` + "SH".
platform::Control& AddWindowTitle(app::TwipsLayout& layout, platform::Form& form, const std::string& name,
                                  const std::string& caption);

// A pill with a caption over it, as the Alarms button is made; the returned element takes the clicks.
platform::Control& AddActionButton(app::TwipsLayout& layout, platform::Form& form, const std::string& name,
                                   const platform::Rect& place, const std::string& caption, const std::string& tooltip);

}  // namespace restore

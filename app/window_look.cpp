#include "app/window_look.h"

#include <cmath>

namespace app {

void SizeInTwips(platform::Form& form, const platform::ScreenInfo& screen, int widthTwips, int heightTwips) {
    const auto at = form.bounds();
    form.setBounds({at.x, at.y, widthTwips / screen.twipsPerPixelX, heightTwips / screen.twipsPerPixelY});
}

void PlaceOnScreen(platform::Form& form, const platform::ScreenInfo& screen) {
    const auto bounds = form.bounds();
    form.move(static_cast<int>(std::lround((screen.width - bounds.w) / 2.0)),
              static_cast<int>(std::lround((screen.height - bounds.h) / 2.7)));
}

}  // namespace app

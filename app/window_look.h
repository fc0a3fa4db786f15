// The look and placement that the program's own windows share with the main window, so that the
// alarm dialog and the message window read as parts of it.
#pragma once

#include "platform/form.h"
#include "platform/platform.h"

namespace app {

inline constexpr platform::ColorRef kWindowBlue = platform::rgb(0x00, 0x60, 0x90);
inline constexpr platform::ColorRef kSkyText = platform::rgb(0xB0, 0xEF, 0xFF);

inline platform::Font TitleFont(double size) {
    return {"Tahoma", size, true, 0};
}

// Sizes a window given in twips with the screen's twips per pixel.
void SizeInTwips(platform::Form& form, const platform::ScreenInfo& screen, int widthTwips, int heightTwips);

// Centred across and a little above the middle, even when that puts it partly off screen.
void PlaceOnScreen(platform::Form& form, const platform::ScreenInfo& screen);

}  // namespace app

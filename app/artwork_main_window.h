// The pictures of the main window, drawn once per run.
#pragma once

#include <memory>

#include "platform/types.h"

namespace app::art {

using PicturePtr = std::shared_ptr<const platform::Picture>;

PicturePtr ExitPicture();                 // 20 x 20, red round button with a cross
PicturePtr HidePicture();                 // 20 x 20, amber round button with a bar
PicturePtr HelpPicture();                 // 20 x 20, sky-blue round button with a question mark
PicturePtr LogoPicture();                 // 40 x 40, a tilted note sheet
PicturePtr BrushPicture();                // 36 x 36, a pencil over a line of writing
PicturePtr TodayPicture();                // 111 x 30, the button behind today's date
PicturePtr MonthArrowPicture(bool next);  // 15 x 27, a chevron
PicturePtr YearStepPicture(bool plus);    // 43 x 26, a rounded button with "-" or "+"
PicturePtr ReminderMarkerPicture();       // 15 x 15, yellow badge with a red exclamation mark
PicturePtr MonthTitlePicture();           // 80 x 16, the band behind a month title
inline constexpr int kYearCardWidth = 262;
inline constexpr int kYearCardHeight = 371;
PicturePtr YearCardPicture();  // the light card under the twelve months

}  // namespace app::art

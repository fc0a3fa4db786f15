// The pictures of the main window. Sizes are in pixels at 96 DPI; each picture is drawn at `scale`
// (the screen's pixels per pixel at 96 DPI), once per scale.
#pragma once

#include <memory>

#include "platform/types.h"

namespace app::art {

using PicturePtr = std::shared_ptr<const platform::Picture>;

PicturePtr ExitPicture(double scale);                   // 20 x 20, red round button with a cross
PicturePtr HidePicture(double scale);                   // 20 x 20, amber round button with a bar
PicturePtr HelpPicture(double scale);                   // 20 x 20, sky-blue round button with a question mark
PicturePtr LogoPicture(double scale);                   // 40 x 40, a tilted note sheet
PicturePtr BrushPicture(double scale);                  // 36 x 36, a pencil over a line of writing
PicturePtr TodayPicture(double scale);                  // 111 x 30, the button behind today's date
PicturePtr MonthArrowPicture(bool next, double scale);  // 15 x 27, a chevron
PicturePtr YearStepPicture(bool plus, double scale);    // 43 x 26, a rounded button with "-" or "+"
PicturePtr ReminderMarkerPicture(double scale);         // 15 x 15, yellow badge with a red exclamation mark
PicturePtr MonthTitlePicture(double scale);             // 80 x 16, the band behind a month title
inline constexpr int kYearCardWidth = 262;
inline constexpr int kYearCardHeight = 371;
PicturePtr YearCardPicture(double scale);  // the light card under the twelve months

}  // namespace app::art

// The pictures of the alarm windows and of the alarm button on the main window, drawn in the main
// window's style. Sizes are in pixels at 96 DPI; each picture is drawn at `scale`, once per scale.
#pragma once

#include <memory>

#include "platform/types.h"

namespace alarms::art {

using PicturePtr = std::shared_ptr<const platform::Picture>;

inline constexpr int kAlarmButtonWidth = 111;
inline constexpr int kAlarmButtonHeight = 30;
PicturePtr AlarmButtonPicture(double scale);  // the pill behind "Alarms", with a golden bell
inline constexpr int kOkWidth = 80;
inline constexpr int kOkHeight = 20;
PicturePtr OkPicture(double scale);  // a green button with a tick and the letters OK

}  // namespace alarms::art

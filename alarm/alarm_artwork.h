// The pictures of the alarm windows and of the alarm button on the main window, drawn in the main
// window's style.
#pragma once

#include <memory>

#include "platform/types.h"

namespace alarms::art {

using PicturePtr = std::shared_ptr<const platform::Picture>;

inline constexpr int kAlarmButtonWidth = 111;
inline constexpr int kAlarmButtonHeight = 30;
PicturePtr AlarmButtonPicture();  // the pill behind "Alarms", with a golden bell
inline constexpr int kOkWidth = 80;
inline constexpr int kOkHeight = 20;
PicturePtr OkPicture();  // a green button with a tick and the letters OK

}  // namespace alarms::art

// The pictures of the alarm clock's windows, drawn in the main window's style.
#pragma once

#include <memory>

#include "platform/types.h"

namespace alarms::art {

using PicturePtr = std::shared_ptr<const platform::Picture>;

inline constexpr int kOkWidth = 80;
inline constexpr int kOkHeight = 20;
PicturePtr OkPicture();  // a green button with a tick and the letters OK

}  // namespace alarms::art

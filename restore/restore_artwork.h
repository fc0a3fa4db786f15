// The picture of the restore button on the main window, drawn in the main window's style. Sizes
// are in pixels at 96 DPI; the picture is drawn at `scale`, once per scale.
#pragma once

#include <memory>

#include "platform/types.h"

namespace restore::art {

using PicturePtr = std::shared_ptr<const platform::Picture>;

inline constexpr int kRestoreButtonSize = 30;
PicturePtr RestoreButtonPicture(double scale);  // the Alarms button's pill, square, with a turning-back arrow
inline constexpr int kActionWidth = 111;
inline constexpr int kActionHeight = 30;
PicturePtr ActionPicture(double scale);  // the Alarms button's pill, plain, behind a caption

}  // namespace restore::art

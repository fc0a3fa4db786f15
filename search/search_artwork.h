// The search's pictures: the round button on the calendar window that opens the search, drawn in
// the style of the help, hide and exit buttons beside it. Sizes are in pixels at 96 DPI; each
// picture is drawn at `scale`, once per scale.
#pragma once

#include <memory>

#include "platform/types.h"

namespace search::art {

using PicturePtr = std::shared_ptr<const platform::Picture>;

inline constexpr int kFindButtonSize = 20;
PicturePtr FindButtonPicture(double scale);  // a light blue round button with a magnifying glass

}  // namespace search::art

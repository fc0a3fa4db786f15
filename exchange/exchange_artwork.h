// The picture of the exchange button on the calendar window, drawn in the style of the restore
// button above it. Sizes are in pixels at 96 DPI; the picture is drawn at `scale`, once per scale.
#pragma once

#include <memory>

#include "platform/types.h"

namespace exchange::art {

using PicturePtr = std::shared_ptr<const platform::Picture>;

inline constexpr int kExchangeButtonSize = 30;
PicturePtr ExchangeButtonPicture(double scale);  // the Alarms button's pill, square, with two arrows

}  // namespace exchange::art

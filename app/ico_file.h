// The Windows icon and cursor file formats (.ico, .cur), for the program's resources.
#pragma once

#include <string>
#include <vector>

#include "platform/types.h"

namespace app {

// An .ico file holding each picture as a 32-bit image with its alpha channel and a matching
// transparency mask (for old readers). Pictures must be 1 to 256 pixels square or oblong.
std::string EncodeIco(const std::vector<platform::Picture>& pictures);

// A .cur file: the picture stored as in an icon, with its hot spot (the pixel that points).
std::string EncodeCur(const platform::Picture& picture, platform::Point hotSpot);

}  // namespace app

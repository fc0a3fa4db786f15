// The Windows icon file format (.ico), for the program's resource icon.
#pragma once

#include <string>
#include <vector>

#include "platform/types.h"

namespace app {

// An .ico file holding each picture as a 32-bit image with its alpha channel and a matching
// transparency mask (for old readers). Pictures must be 1 to 256 pixels square or oblong.
std::string EncodeIco(const std::vector<platform::Picture>& pictures);

}  // namespace app

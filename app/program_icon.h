// The program's own icon (the picture of the window FrmIcon): a calendar page with binder rings,
// a blue header and diary lines, one marked red. Drawn at 16 and 32 pixels.
#pragma once

#include "platform/types.h"

namespace app {

// The icon at `size` pixels square (16 or 32; other sizes use the 32-pixel layout scaled).
platform::Picture ProgramIcon(int size);

}  // namespace app

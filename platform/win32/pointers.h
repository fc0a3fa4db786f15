// The mouse pointers that the forms' elements ask for.
#pragma once

#include <windows.h>

#include "platform/form.h"

namespace platform::win32 {

// The hand is the program's own cursor resource (the system's hand in a build without the
// resources); the others are the system's. Resource and system cursors are shared and are never
// destroyed, so the handle needs no owner.
HCURSOR PointerFor(Cursor cursor);

}  // namespace platform::win32

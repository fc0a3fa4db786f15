// Stretching and squeezing the program's pictures to the size an element shows them at.
#pragma once

#include "platform/types.h"

namespace platform {

// The picture at `width` x `height`: each new pixel is the average of the part of the picture it
// covers, weighted by opacity. Fine detail such as a dotted line thins out evenly when squeezed,
// instead of vanishing in some places and staying whole in others as it does when every new
// pixel takes the nearest old one. A picture kept at its own size comes back unchanged.
Picture Resample(const Picture& source, int width, int height);

}  // namespace platform

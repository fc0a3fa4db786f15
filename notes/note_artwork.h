// The pictures of a note window's frame, drawn once and shared by every note.
#pragma once

#include <memory>

#include "platform/types.h"

namespace notes {

using PicturePtr = std::shared_ptr<const platform::Picture>;

PicturePtr TitleStripPicture();    // 140 x 16, stretched to the title's width
PicturePtr MiniButtonPicture();    // 14 x 16, top-most toggle
PicturePtr CloseButtonPicture();   // 14 x 16
PicturePtr TopMarkerPicture();     // 5 x 6, shown while the note is top-most
PicturePtr BorderLeftPicture();    // 4 x 108, stretched
PicturePtr BorderRightPicture();   // 3 x 108, stretched
PicturePtr BorderBottomPicture();  // 166 x 3, stretched
PicturePtr GripPicture();          // 10 x 10, resize grip

}  // namespace notes

// The Format menu mFormat ("Format"): it pops up over a day's number and sets the weight and
// colour of that day's line. The hidden window FrmMenu carries it; it is never shown in a menu
// bar.
#pragma once

#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/platform.h"

namespace app {

// The items in the order the menu shows them: Bold, a separator, then the five colours.
const std::vector<platform::MenuItem>& FormatMenuItems();

// Carries out the item named `item` on a day's Diary cell and the line that shows it: "mBold"
// turns the line's weight over, a colour item sets the line's colour. Only the weight (first) or
// the colour (second) code character of the cell changes. Returns false for a name that formats
// nothing.
bool ApplyFormat(const std::string& item, std::string& cell, platform::Control& line);

}  // namespace app

#include "diary/format_menu.h"

#include "diary/day_tables.h"

namespace app {

namespace {

struct ColourItem {
    const char* name;
    char code;  // the colour's letter in the cell's second code position
};

constexpr ColourItem kColourItems[] = {
    {"mCblack", '#'}, {"mCred", 'R'}, {"mCyellow", 'Y'}, {"mCgreen", 'G'}, {"mCblue", 'B'}};

constexpr std::size_t kWeightPosition = 0;
constexpr std::size_t kColourPosition = 1;

}  // namespace

const std::vector<platform::MenuItem>& FormatMenuItems() {
    static const std::vector<platform::MenuItem> items = {
        {"mBold", "Bold"},      {"mSpace1", "-"},     {"mCblack", "Black"}, {"mCred", "Red"},
        {"mCyellow", "Yellow"}, {"mCgreen", "Green"}, {"mCblue", "Blue"},
    };
    return items;
}

bool ApplyFormat(const std::string& item, std::string& cell, platform::Control& line) {
    if (item == "mBold") {
        const bool bold = !line.font().bold;
        line.setBold(bold);
        cell[kWeightPosition] = bold ? 'B' : '#';
        return true;
    }
    for (const auto& colour : kColourItems) {
        if (item != colour.name) continue;
        cell[kColourPosition] = colour.code;
        // The panel paints a line from this same letter.
        line.setForeColor(DiaryColor(cell));
        return true;
    }
    return false;
}

}  // namespace app

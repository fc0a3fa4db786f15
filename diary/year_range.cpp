#include "diary/year_range.h"

namespace app {

int YearEditorValue(const std::string& text) {
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        // Past the last year the exact number no longer matters.
        if (value <= kLastYear) value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace app

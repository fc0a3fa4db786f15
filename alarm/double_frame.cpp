#include "alarm/double_frame.h"

#include <string>

namespace alarms {

namespace {

constexpr platform::ColorRef kInnerFrame = platform::rgb(0x86, 0xC8, 0xEE);

}  // namespace

void AddDoubleFrame(platform::Form& form, app::TwipsLayout& layout, int width, int height, FrameLines& lines) {
    for (int frame = 0; frame < 2; ++frame) {
        const int inset = 1 + 3 * frame;
        const int left = inset;
        const int top = inset;
        const int right = width - 1 - inset;
        const int bottom = height - 1 - inset;
        const int first = 1 + 4 * frame;
        const std::array<std::array<int, 4>, 4> ends{{{left, top, right, top},
                                                      {right, top, right, bottom},
                                                      {left, bottom, right, bottom},
                                                      {left, top, left, bottom}}};
        for (int side = 0; side < 4; ++side) {
            platform::Control& line = form.add(platform::ControlKind::Line, "Line" + std::to_string(first + side), {});
            const auto& [x1, y1, x2, y2] = ends[static_cast<std::size_t>(side)];
            layout.PlaceLine(line, x1, y1, x2, y2);
            line.setBorderColor(frame == 0 ? app::kSkyText : kInnerFrame);
            lines[static_cast<std::size_t>(first + side)] = &line;
        }
    }
}

}  // namespace alarms

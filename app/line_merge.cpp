#include "app/line_merge.h"

namespace app {

namespace {

std::string LineAt(const std::vector<std::string>& lines, std::size_t index, const LineShape& shape) {
    return index < lines.size() ? lines[index] : std::string(shape.codeLength, '#');
}

std::string TextOf(const std::string& line, const LineShape& shape) {
    return line.size() > shape.codeLength ? line.substr(shape.codeLength) : std::string();
}

}  // namespace

MergedLines MergeLines(const std::vector<std::string>& base, const std::vector<std::string>& ours,
                       const std::vector<std::string>& theirs, const LineShape& shape) {
    MergedLines merged;
    merged.lines.reserve(ours.size());
    for (std::size_t i = 0; i < ours.size(); ++i) {
        const std::string& mine = ours[i];
        const std::string was = LineAt(base, i, shape);
        const std::string other = LineAt(theirs, i, shape);
        if (other == was || mine == was || mine == other) {
            merged.lines.push_back(mine == was ? other : mine);
            continue;
        }
        const std::string myText = TextOf(mine, shape);
        const std::string otherText = TextOf(other, shape);
        if (myText == otherText) {
            merged.lines.push_back(mine);
            continue;
        }
        LineClash clash{i, mine, other, false};
        if (myText.empty()) {
            merged.lines.push_back(other);
        } else if (otherText.empty()) {
            merged.lines.push_back(mine);
        } else if (myText.size() + std::string(kClashSeparator).size() + otherText.size() <= shape.textLimit) {
            merged.lines.push_back(mine + kClashSeparator + otherText);
        } else {
            clash.tooLong = true;
            merged.lines.push_back(mine);
        }
        merged.clashes.push_back(std::move(clash));
    }
    return merged;
}

}  // namespace app

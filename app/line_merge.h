// The three-way merge of a line file that this program and another copy of it (a sync client's,
// from another computer) both changed since the program last read or wrote it. Each line is
// merged on its own; lines never move, because every line of these files stands for one date.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace app {

// Joins the two texts of a line that both sides changed, this computer's first.
inline constexpr const char* kClashSeparator = " <> ";

// How a file's lines are made: a line may start with a code of fixed length (a diary cell's
// format) before its text, and its text has a limit (the box that edits it).
struct LineShape {
    std::size_t codeLength = 0;
    std::size_t textLimit = 0;
};

// A line both sides changed to different texts.
struct LineClash {
    std::size_t line = 0;  // 0-based
    std::string ours;      // whole lines, codes included
    std::string theirs;
    // Both texts did not fit into the line's limit: the line holds ours alone, and theirs must be
    // kept elsewhere.
    bool tooLong = false;
};

struct MergedLines {
    std::vector<std::string> lines;
    std::vector<LineClash> clashes;
};

// Merges line by line; `base` is the file as last seen, `ours` the table now, `theirs` the file
// now. A line that only one side changed takes that side's line. When both changed it to
// different texts, the line keeps ours with its code, then " <> " and their text; a side whose
// text became empty gives way to the other side's line whole (nothing typed is lost, and no line
// starts with the separator); the same text under different codes is ours. The result has as
// many lines as `ours`; a line missing in `base` or `theirs` reads as an empty code.
MergedLines MergeLines(const std::vector<std::string>& base, const std::vector<std::string>& ours,
                       const std::vector<std::string>& theirs, const LineShape& shape);

}  // namespace app

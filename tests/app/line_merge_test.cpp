#include "app/line_merge.h"

#include <gtest/gtest.h>

namespace {

using app::LineShape;
using app::MergeLines;

// Diary cells with a text limit small enough to pass: a five-character code, then at most 16
// characters of text.
constexpr LineShape kCell{5, 16};

TEST(MergeLines, EachLineTakesTheSideThatChangedItAndAClashKeepsBoth) {
    const struct {
        std::string name;
        std::string base;
        std::string ours;
        std::string theirs;  // "<none>": the file ends before this line
        std::string merged;
        bool clash;
        bool tooLong;
    } cases[] = {
        {"changed outside only", "#####a", "#####a", "#####b", "#####b", false, false},
        {"changed here only", "#####a", "BR###c", "#####a", "BR###c", false, false},
        {"both to the same line", "#####a", "#####d", "#####d", "#####d", false, false},
        {"both to the same text, in other formats", "#####a", "B####d", "#G###d", "B####d", false, false},
        {"both to different texts", "#####a", "BR###mine", "#G###other", "BR###mine <> other", true, false},
        {"both, exactly at the limit", "#####a", "#####12345678", "#####1234", "#####12345678 <> 1234", true, false},
        {"both, one past the limit", "#####a", "#####12345678", "#####12345", "#####12345678", true, true},
        {"emptied outside", "#####a", "#####a", "#####", "#####", false, false},
        {"removed outside", "#####a", "#####a", "<none>", "#####", false, false},
        {"emptied outside, changed here", "#####a", "#####mine", "#####", "#####mine", true, false},
        {"emptied here, changed outside", "#####a", "#####", "#####other", "#####other", true, false},
    };
    for (const auto& c : cases) {
        // An untouched line before the case's line: lines are merged each on its own.
        std::vector<std::string> theirs{"#####same"};
        if (c.theirs != "<none>") theirs.push_back(c.theirs);
        const auto merged = MergeLines({"#####same", c.base}, {"#####same", c.ours}, theirs, kCell);
        EXPECT_EQ(merged.lines, (std::vector<std::string>{"#####same", c.merged})) << c.name;
        ASSERT_EQ(merged.clashes.size(), c.clash ? 1u : 0u) << c.name;
        if (!c.clash) continue;
        EXPECT_EQ(merged.clashes[0].line, 1u) << c.name;
        EXPECT_EQ(merged.clashes[0].ours, c.ours) << c.name;
        EXPECT_EQ(merged.clashes[0].theirs, c.theirs) << c.name;
        EXPECT_EQ(merged.clashes[0].tooLong, c.tooLong) << c.name;
    }
}

TEST(MergeLines, LinesWithoutACodeJoinWholeTexts) {
    const auto merged = MergeLines({"", "x"}, {"mine", "x"}, {"other", "y"}, {0, 256});
    EXPECT_EQ(merged.lines, (std::vector<std::string>{"mine <> other", "y"}));
    ASSERT_EQ(merged.clashes.size(), 1u);
    EXPECT_EQ(merged.clashes[0].line, 0u);
}

}  // namespace

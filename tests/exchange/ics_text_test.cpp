// The text rules of iCalendar files: escaping, folding at 75 octets, unfolding and content lines.
#include "exchange/ics_text.h"

#include <gtest/gtest.h>

namespace {

using exchange::EscapeText;
using exchange::FoldedLine;
using exchange::kFoldOctets;
using exchange::ParseContentLine;
using exchange::UnescapeText;
using exchange::UnfoldedLines;

struct EscapeCase {
    std::string text;
    std::string escaped;
    std::string readBack;  // line breaks come back as LF
};

TEST(IcsTextTest, EscapesBackslashSemicolonCommaAndLineBreaks) {
    const EscapeCase cases[] = {
        {"plain", "plain", "plain"},
        {"a;b,c\\d", "a\\;b\\,c\\\\d", "a;b,c\\d"},
        {"one\r\ntwo", "one\\ntwo", "one\ntwo"},
        {"one\ntwo\rthree", "one\\ntwo\\nthree", "one\ntwo\nthree"},
        {"[9:05] dentist: room 4", "[9:05] dentist: room 4", "[9:05] dentist: room 4"},  // colons stay
        {"\\n", "\\\\n", "\\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EscapeText(c.text), c.escaped) << c.text;
        EXPECT_EQ(UnescapeText(c.escaped), c.readBack) << c.escaped;
    }
}

TEST(IcsTextTest, UnescapesCapitalNAndKeepsUnknownEscapes) {
    EXPECT_EQ(UnescapeText("a\\Nb"), "a\nb");
    EXPECT_EQ(UnescapeText("a\\:b"), "a:b");
    EXPECT_EQ(UnescapeText("ends\\"), "ends\\");
}

// Every physical line of folded text ends in CR LF, holds at most 75 octets, continues with a
// space, and never cuts a UTF-8 character; unfolding gives the line back.
TEST(IcsTextTest, FoldsAt75OctetsWithoutCuttingACharacter) {
    const std::string euro = "\xE2\x82\xAC";  // three octets
    const std::string lines[] = {
        "SUMMARY:short",
        "SUMMARY:" + std::string(67, 'x'),  // exactly 75
        "SUMMARY:" + std::string(68, 'x'),  // 76
        "SUMMARY:" + std::string(300, 'y'),
        "SUMMARY:" + std::string(66, 'x') + euro + euro,  // the first euro would straddle 75
        "SUMMARY:" +
            [&] {
                std::string many;
                for (int i = 0; i < 80; ++i) many += euro + "\xC3\xA9";
                return many;
            }(),
    };
    for (const auto& line : lines) {
        const std::string folded = FoldedLine(line);
        ASSERT_TRUE(folded.ends_with("\r\n"));
        std::size_t start = 0;
        bool first = true;
        while (start < folded.size()) {
            const std::size_t end = folded.find("\r\n", start);
            ASSERT_NE(end, std::string::npos);
            const std::string physical = folded.substr(start, end - start);
            EXPECT_LE(physical.size(), kFoldOctets) << line;
            EXPECT_EQ(physical.find('\n'), std::string::npos);
            if (!first) {
                ASSERT_FALSE(physical.empty());
                EXPECT_EQ(physical[0], ' ');
                // The continuation's first character after the space is never a UTF-8 tail.
                ASSERT_GT(physical.size(), 1u);
                EXPECT_NE(static_cast<unsigned char>(physical[1]) & 0xC0, 0x80) << line;
            }
            first = false;
            start = end + 2;
        }
        const auto unfolded = UnfoldedLines(folded);
        ASSERT_EQ(unfolded.size(), 1u);
        EXPECT_EQ(unfolded[0], line);
    }
    EXPECT_EQ(FoldedLine("SUMMARY:" + std::string(67, 'x')).find("\r\n "), std::string::npos);
}

TEST(IcsTextTest, BytesThatAreNoUtf8AreStillFoldedAt75Octets) {
    const std::string line = "X:" + std::string(200, '\x80');
    const std::string folded = FoldedLine(line);
    std::size_t start = 0;
    while (start < folded.size()) {
        const std::size_t end = folded.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        EXPECT_LE(end - start, kFoldOctets);
        start = end + 2;
    }
    EXPECT_EQ(UnfoldedLines(folded), std::vector<std::string>{line});
}

TEST(IcsTextTest, UnfoldsLfOnlyTabsAndAByteOrderMark) {
    const auto lines = UnfoldedLines(
        "\xEF\xBB\xBF"
        "BEGIN:VCALENDAR\nSUMMARY:one\n\ttwo\r\n three\n\nEND:VCALENDAR");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "BEGIN:VCALENDAR");
    EXPECT_EQ(lines[1], "SUMMARY:onetwothree");
    EXPECT_EQ(lines[2], "END:VCALENDAR");
}

TEST(IcsTextTest, ParsesNamesParametersAndValues) {
    const auto plain = ParseContentLine("summary:Lunch: at noon");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->name, "SUMMARY");
    EXPECT_TRUE(plain->parameters.empty());
    EXPECT_EQ(plain->value, "Lunch: at noon");

    const auto date = ParseContentLine("DTSTART;value=DATE;TZID=\"Europe/Paris; or so\":20261207");
    ASSERT_TRUE(date);
    EXPECT_EQ(date->name, "DTSTART");
    EXPECT_EQ(date->parameters.at("VALUE"), "DATE");
    EXPECT_EQ(date->parameters.at("TZID"), "Europe/Paris; or so");
    EXPECT_EQ(date->value, "20261207");

    for (const char* bad : {"no colon here", ":value", "DTSTART;VALUE:2026", "X;A=\"open:1"}) {
        EXPECT_FALSE(ParseContentLine(bad)) << bad;
    }
}

}  // namespace

#include "search/search_match.h"

#include <gtest/gtest.h>

namespace {

using search::Folded;
using search::Match;
using search::Query;

bool Finds(const std::string& typed, const std::string& text) {
    Match match;
    return Query(typed).Find(Folded(text), match);
}

TEST(SearchMatch, TheRulesAsATable) {
    struct Case {
        const char* typed;
        const char* text;
        bool found;
    };
    const Case cases[] = {
        {"dentist", "[9:05] Dentist", true},     // case
        {"DENTIST", "dentist", true},            // case, the other way
        {"cafe", "Lunch at the Caf\xE9", true},  // an accent of the code page
        {"caf\xC9", "CAFE", true},               // an accent in the search text
        {"sram", "\x8Aram", true},               // a letter above 0x80 without Latin-1's block
        {"zuzana", "\x8Euzana", true},
        {"nino", "ni\xF1o", true},
        {"lunch cafe", "Lunch at the Caf\xE9", true},     // several words, both there
        {"cafe lunch", "Lunch at the Caf\xE9", true},     // in any order
        {"lunch dinner", "Lunch at the Caf\xE9", false},  // several words, one missing
        {"  lunch   ", "Lunch", true},                    // spaces around are no words
        {"", "anything", false},                          // an empty search finds nothing
        {"   ", "anything", false},
        {"caf\xE9", "cafe", true},
        {"\xE6", "\xC6sop", true},        // a ligature keeps its letter, without case
        {"ae", "\xC6sop", false},         // and is no pair of letters
        {"1.5", "paid 1.5 times", true},  // signs stay as they are
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Finds(c.typed, c.text), c.found) << '"' << c.typed << "\" in \"" << c.text << '"';
    }
}

TEST(SearchMatch, FoldingKeepsEveryPlace) {
    std::string every;
    for (int byte = 1; byte < 256; ++byte) every += static_cast<char>(byte);
    EXPECT_EQ(Folded(every).size(), every.size());
    // Only letters change: digits, signs and the line's brackets stay.
    for (const char c : std::string("0123456789[]:.,;-+ ")) EXPECT_EQ(search::FoldLetter(c), c);
}

TEST(SearchMatch, TheMatchIsTheFirstPlaceAnyWordOccurs) {
    const std::string text = "Call Anna about the holiday plans";
    Match match;
    ASSERT_TRUE(Query("plans anna").Find(Folded(text), match));
    EXPECT_EQ(text.substr(match.at, match.length), "Anna");
}

TEST(SearchMatch, TheExcerptKeepsTheMatchInSightAndMarksIt) {
    const std::string text = std::string(200, 'x') + " dentist " + std::string(200, 'y');
    Match match;
    ASSERT_TRUE(Query("dentist").Find(Folded(text), match));
    const std::string shown = search::MarkedExcerpt(text, match, 60);
    EXPECT_NE(shown.find("\xAB"
                         "dentist\xBB"),
              std::string::npos);
    EXPECT_EQ(shown.substr(0, 3), "...");
    EXPECT_EQ(shown.substr(shown.size() - 3), "...");
    EXPECT_LE(shown.size(), 60u + 6 + 2);

    const std::string note = "first line\r\nsecond\tline";
    ASSERT_TRUE(Query("second").Find(Folded(note), match));
    const std::string row = search::MarkedExcerpt(note, match, 60);
    EXPECT_EQ(row.find_first_of("\r\n\t"), std::string::npos);
    EXPECT_EQ(row.find("..."), std::string::npos);
}

}  // namespace

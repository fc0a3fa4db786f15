// The search's matching rules: what a typed search text finds in a line. Texts are bytes in the
// files' ANSI code page (Windows-1252); letters match whatever their case and their accents
// ("cafe" finds "Café"), and every word of the search must occur in the same text, in any order.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace search {

// One byte for each byte: ASCII and the code page's letters in lower case without their accents
// ("É" and "é" become "e", "Š" becomes "s"); everything else stays. A folded text is as long as
// its original, so a place found in one is the same place in the other.
char FoldLetter(char byte);
std::string Folded(std::string_view text);

// Where a text matched: the first place any of the search's words occurs.
struct Match {
    std::size_t at = 0;
    std::size_t length = 0;
};

// The words of a search text, folded; spaces and tabs part them. No words: the search finds
// nothing (an empty box lists nothing).
class Query {
public:
    explicit Query(std::string_view typed);

    bool empty() const { return words_.empty(); }
    // The match in `folded` (a Folded text) when every word occurs in it; false otherwise.
    bool Find(std::string_view folded, Match& match) const;

private:
    std::vector<std::string> words_;
};

// The text a result row shows: line breaks and tabs as spaces, and the part around the match
// when the whole is longer than `width`, so the match stays in sight; "..." marks a cut end. The
// match itself is set between the code page's guillemets, « and ».
std::string MarkedExcerpt(std::string_view text, const Match& match, std::size_t width);

}  // namespace search

#include "search/search_match.h"

#include <algorithm>
#include <array>

namespace search {

namespace {

// The code page's letters from 0x80 up, folded: an accented letter becomes its plain ASCII
// letter, a capital without one its small letter; 0 keeps the byte as it is.
constexpr std::array<unsigned char, 128> FoldTable() {
    std::array<unsigned char, 128> table{};
    auto set = [&table](int from, int to, char letter) {
        for (int byte = from; byte <= to; ++byte)
            table[static_cast<std::size_t>(byte - 0x80)] = static_cast<unsigned char>(letter);
    };
    set(0x8A, 0x8A, 's');       // Š
    set(0x9A, 0x9A, 's');       // š
    set(0x8E, 0x8E, 'z');       // Ž
    set(0x9E, 0x9E, 'z');       // ž
    set(0x9F, 0x9F, 'y');       // Ÿ
    table[0x8C - 0x80] = 0x9C;  // Œ to œ
    set(0xC0, 0xC5, 'a');
    table[0xC6 - 0x80] = 0xE6;  // Æ to æ
    set(0xC7, 0xC7, 'c');
    set(0xC8, 0xCB, 'e');
    set(0xCC, 0xCF, 'i');
    set(0xD0, 0xD0, 'd');  // Ð
    set(0xD1, 0xD1, 'n');
    set(0xD2, 0xD6, 'o');
    set(0xD8, 0xD8, 'o');
    set(0xD9, 0xDC, 'u');
    set(0xDD, 0xDD, 'y');
    table[0xDE - 0x80] = 0xFE;  // Þ to þ
    set(0xE0, 0xE5, 'a');
    set(0xE7, 0xE7, 'c');
    set(0xE8, 0xEB, 'e');
    set(0xEC, 0xEF, 'i');
    set(0xF0, 0xF0, 'd');  // ð
    set(0xF1, 0xF1, 'n');
    set(0xF2, 0xF6, 'o');
    set(0xF8, 0xF8, 'o');
    set(0xF9, 0xFC, 'u');
    set(0xFD, 0xFD, 'y');
    set(0xFF, 0xFF, 'y');
    return table;
}

constexpr std::array<unsigned char, 128> kFoldHigh = FoldTable();

constexpr const char* kCut = "...";
constexpr char kMarkOpen = '\xAB';
constexpr char kMarkClose = '\xBB';

bool IsSpace(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

char FoldLetter(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    if (value >= 'A' && value <= 'Z') return static_cast<char>(value - 'A' + 'a');
    if (value < 0x80) return byte;
    const unsigned char folded = kFoldHigh[value - 0x80];
    return folded != 0 ? static_cast<char>(folded) : byte;
}

std::string Folded(std::string_view text) {
    std::string folded(text.size(), '\0');
    std::transform(text.begin(), text.end(), folded.begin(), FoldLetter);
    return folded;
}

Query::Query(std::string_view typed) {
    std::size_t at = 0;
    while (at < typed.size()) {
        while (at < typed.size() && IsSpace(typed[at])) ++at;
        std::size_t end = at;
        while (end < typed.size() && !IsSpace(typed[end])) ++end;
        if (end > at) words_.push_back(Folded(typed.substr(at, end - at)));
        at = end;
    }
}

bool Query::Find(std::string_view folded, Match& match) const {
    if (words_.empty()) return false;
    Match first{std::string_view::npos, 0};
    for (const auto& word : words_) {
        const std::size_t at = folded.find(word);
        if (at == std::string_view::npos) return false;
        if (at < first.at) first = {at, word.size()};
    }
    match = first;
    return true;
}

std::string MarkedExcerpt(std::string_view text, const Match& match, std::size_t width) {
    // Some words before the match, so that it reads in its context.
    const std::size_t lead = width / 4;
    std::size_t from = match.at > lead ? match.at - lead : 0;
    if (text.size() > width && text.size() - from < width) from = text.size() - width;
    const std::size_t to = std::min(text.size(), from + width);
    std::string shown;
    if (from > 0) shown += kCut;
    for (std::size_t i = from; i < to; ++i) {
        if (i == match.at) shown += kMarkOpen;
        const char c = text[i];
        shown += c == '\r' || c == '\n' || c == '\t' ? ' ' : c;
        if (i + 1 == match.at + match.length) shown += kMarkClose;
    }
    if (to < text.size()) shown += kCut;
    return shown;
}

}  // namespace search

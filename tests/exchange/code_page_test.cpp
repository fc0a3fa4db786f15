// The data files' code page against the UTF-8 of iCalendar and the exported text files.
#include "exchange/code_page.h"

#include <gtest/gtest.h>

namespace {

using exchange::AnsiToUtf8;
using exchange::Utf8ToAnsi;

TEST(CodePageTest, EveryByteOfTheCodePageComesBack) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
    const auto back = Utf8ToAnsi(AnsiToUtf8(all));
    EXPECT_EQ(back.text, all);
    EXPECT_EQ(back.replaced, 0);
}

struct Conversion {
    std::string utf8;
    std::string ansi;
    int replaced;
};

TEST(CodePageTest, CharactersOutsideTheCodePageAreReplacedVisiblyAndCounted) {
    const Conversion cases[] = {
        {"Caf\xC3\xA9", "Caf\xE9", 0},                            // é
        {"\xE2\x82\xAC 5", "\x80 5", 0},                          // € is 0x80
        {"\xE2\x80\x9Cquoted\xE2\x80\x9D", "\x93quoted\x94", 0},  // curly quotes
        {"\xC4\x8D"
         "a\xC5\xA1",
         "?a\x9A", 1},                             // č has no byte, š does
        {"\xE6\x97\xA5\xE6\x9C\xAC", "??", 2},     // two CJK characters
        {"\xF0\x9F\x8E\x82 party", "? party", 1},  // a four-octet emoji
        {"bad \xC3 byte", "bad ? byte", 1},        // a cut sequence
        {"\xC0\xAF", "??", 2},                     // an overlong form
    };
    for (const auto& c : cases) {
        const auto ansi = Utf8ToAnsi(c.utf8);
        EXPECT_EQ(ansi.text, c.ansi) << c.utf8;
        EXPECT_EQ(ansi.replaced, c.replaced) << c.utf8;
    }
}

}  // namespace

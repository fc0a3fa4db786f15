#include "exchange/code_page.h"

#include <array>
#include <cstdint>

namespace exchange {

namespace {

// The characters of bytes 0x80 to 0x9F; the bytes the code page leaves unused keep their own
// value, as the system's conversion does.
constexpr std::array<char32_t, 32> kHighControls = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CharacterOf(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80u];
    return byte;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The byte of a character, or nothing when the code page has none.
int ByteOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) return static_cast<int>(0x80 + i);
    }
    return -1;
}

// The next character of UTF-8 text at `at`, moving `at` past it; nothing for a malformed sequence,
// whose first byte is then skipped.
bool NextCharacter(const std::string& text, std::size_t& at, char32_t& c) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    int more = 0;
    if (lead < 0x80) {
        c = lead;
        return true;
    }
    if ((lead & 0xE0) == 0xC0) {
        c = lead & 0x1Fu;
        more = 1;
    } else if ((lead & 0xF0) == 0xE0) {
        c = lead & 0x0Fu;
        more = 2;
    } else if ((lead & 0xF8) == 0xF0) {
        c = lead & 0x07u;
        more = 3;
    } else {
        return false;
    }
    const std::size_t start = at;
    for (int i = 0; i < more; ++i) {
        if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) {
            at = start;
            return false;
        }
        c = (c << 6) | (static_cast<unsigned char>(text[at++]) & 0x3Fu);
    }
    static constexpr std::array<char32_t, 4> kSmallest = {0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[static_cast<std::size_t>(more)] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        at = start;
        return false;
    }
    return true;
}

}  // namespace

std::string AnsiToUtf8(const std::string& ansi) {
    std::string utf8;
    for (const char byte : ansi) AppendUtf8(utf8, CharacterOf(static_cast<unsigned char>(byte)));
    return utf8;
}

AnsiText Utf8ToAnsi(const std::string& utf8) {
    AnsiText ansi;
    std::size_t at = 0;
    while (at < utf8.size()) {
        char32_t c = 0;
        const int byte = NextCharacter(utf8, at, c) ? ByteOf(c) : -1;
        if (byte < 0) {
            ansi.text += '?';
            ++ansi.replaced;
        } else {
            ansi.text += static_cast<char>(byte);
        }
    }
    return ansi;
}

}  // namespace exchange

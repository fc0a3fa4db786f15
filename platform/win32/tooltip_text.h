// Tooltip text that wraps: the tooltip control breaks lines only between words, so a long word
// (a recurring note or a name day written without spaces) would make a tip as wide as the
// screen. Such a word gets break opportunities (spaces, which vanish at a line break) so that
// each of its pieces fits the tip's width.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "platform/win32/handles.h"

namespace platform::win32 {

// Room the tooltip's margins may take from its width.
inline constexpr int kTooltipSlack = 10;

// The width in pixels of a run of text, as the tip will draw it.
using TextMeasure = std::function<int(std::string_view)>;

// Splits every word of `text` wider than `maxWidth` into pieces no wider (at least one character
// each) separated by spaces; everything else is kept as it is.
inline std::string BreakLongWords(const std::string& text, int maxWidth, const TextMeasure& measure) {
    if (!measure || maxWidth <= 0) return text;
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::string result;
    result.reserve(text.size() + text.size() / 16);
    std::size_t at = 0;
    while (at < text.size()) {
        if (isSpace(text[at])) {
            result += text[at++];
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && !isSpace(text[end])) ++end;
        const std::string_view word(text.data() + at, end - at);
        if (measure(word) <= maxWidth) {
            result += word;
        } else {
            std::size_t pieceStart = 0;
            while (pieceStart < word.size()) {
                std::size_t length = 1;
                while (pieceStart + length < word.size() && measure(word.substr(pieceStart, length + 1)) <= maxWidth) {
                    ++length;
                }
                if (pieceStart > 0) result += ' ';
                result += word.substr(pieceStart, length);
                pieceStart += length;
            }
        }
        at = end;
    }
    return result;
}

// Whether `text` has a word long enough to be wider than any tip: a word of few characters never
// is, and needs no measuring.
inline bool HasLongWord(const std::string& text, std::size_t characters) {
    std::size_t run = 0;
    for (char c : text) {
        run = (c == ' ' || c == '\t' || c == '\r' || c == '\n') ? 0 : run + 1;
        if (run > characters) return true;
    }
    return false;
}

// The tip text for tooltip window `tooltip`, measured with its font (the system's tip font).
inline std::string WrappedTipText(HWND tooltip, const std::string& text, int maxWidth) {
    constexpr std::size_t kShortWord = 24;  // no character of a tip font is 16 pixels wide
    if (!tooltip || !HasLongWord(text, kShortWord)) return text;
    WindowDc dc(tooltip);
    if (!dc.get()) return text;
    auto font = reinterpret_cast<HFONT>(SendMessageA(tooltip, WM_GETFONT, 0, 0));
    HGDIOBJ before = font ? SelectObject(dc.get(), font) : nullptr;
    std::string wrapped = BreakLongWords(text, maxWidth, [&dc](std::string_view run) {
        SIZE size{};
        GetTextExtentPoint32A(dc.get(), run.data(), static_cast<int>(run.size()), &size);
        return static_cast<int>(size.cx);
    });
    if (before) SelectObject(dc.get(), before);
    return wrapped;
}

}  // namespace platform::win32

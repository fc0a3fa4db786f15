// The string that a note's record holds: a fixed header of 70 characters (place, size, roll-up
// state and format of the note) followed by the note's text.
#pragma once

#include <cstddef>
#include <string>

#include "platform/types.h"

namespace notes {

inline constexpr std::size_t kHeaderLength = 70;
// The note's text box holds at most this many characters, so a note string always fits a record.
inline constexpr int kNoteTextLimit = 3930;

// What the header holds. Positions and sizes are pixels; `height` is the note's full height,
// also while it is rolled up.
struct NoteFields {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool rolledUp = false;
    int alignment = 0;  // 0 left, 1 right, 2 centred
    bool bold = false;
    double fontSize = 8;
    std::string fontName;
    platform::ColorRef foreColor = 0;
    platform::ColorRef backColor = 0;
    bool operator==(const NoteFields&) const = default;
};

// The background that a note gets when its stored colour cannot be read.
inline constexpr platform::ColorRef kDefaultNoteBackColor = 0x94C2E3;

// `value` left-justified in `width` characters: filled with spaces, or cut keeping its start.
std::string FixedField(const std::string& value, std::size_t width);

// Font sizes are stored as whole points, halves rounded upwards (7.5 -> 8, 8.25 -> 8), in a field
// of two characters: a size beyond it is stored as the nearest size it holds (0 or 99).
int RoundFontSize(double size);
// Whether a note can take this size and store it as it is: above 0 and below 99.5 points.
bool FontSizeFits(double size);

std::string BuildNoteString(const NoteFields& fields, const std::string& text);

// A string of fewer than 70 characters has no header: nothing is read from it.
bool HasHeader(const std::string& record);
// Reads the header of a string that has one.
NoteFields ParseNoteHeader(const std::string& record);
// Everything after the header.
std::string NoteTextOf(const std::string& record);

}  // namespace notes

// Records that this program did not write as they stand (a damaged disk, another program's
// bytes) still open as notes, but only with values a note can show. A record in the written form
// opens exactly as it is; the record on the disk is never changed by opening it.
#pragma once

#include <string>

#include "notes/note_record.h"

namespace notes {

// Whether a note string is in the form that a note writes: every header field as the field
// rules write it, and a text that a text box can hold.
bool IsWrittenNoteString(const std::string& record);

// The note string that a damaged record opens as: each header field that is not in its written
// form is taken from `defaults` (a new note's place, size and format), the others are kept; the
// text keeps its line ends, tabs and printable characters. A string that has no header at all is
// all text.
std::string RepairedNoteString(const std::string& record, const NoteFields& defaults);

}  // namespace notes

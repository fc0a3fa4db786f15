// The desktop notes as text files, one a note, for reading them outside the program: UTF-8, the
// first line naming the note, then its text. The files' names are made safe for Windows.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace exchange {

// A name Windows takes for a file: the characters it reserves and control characters become "_",
// dots and spaces at the end go, a device name (CON, NUL, COM1, ...) gets "_" after it, and an
// empty name becomes "_". `taken` names (compared without case) get " (2)", " (3)", ... added.
std::string SafeFileName(const std::string& wanted, const std::vector<std::string>& taken);

struct NoteText {
    int record = 0;
    std::string text;  // in the code page, lines ended by CR LF
};

// The notes of the database as they stand, by record number; nothing (with the reason) when it
// cannot be read.
std::optional<std::vector<NoteText>> ReadNoteTexts(platform::FileSystem& files, const std::string& dataPath,
                                                   std::string* why);

// The file of a note: its name in the code page, as paths are ("Note 3 - Shopping list.txt"), and
// its UTF-8 content.
struct NoteFile {
    std::string name;
    std::string content;
};
std::vector<NoteFile> NoteFiles(const std::vector<NoteText>& notes);

struct NotesWritten {
    int written = 0;
    platform::Status status;  // the first file that could not be written stops the export
};
// Writes the files into `folder` (which must exist), each whole or not at all; a file of the same
// name is replaced, so that exporting into the same folder again brings it up to date.
NotesWritten WriteNoteFiles(platform::FileSystem& files, const std::string& folder, const std::vector<NoteFile>& notes);

}  // namespace exchange

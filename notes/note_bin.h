// The bin: notes that were removed, kept for 30 days so that a removal can be undone. Each lies in
// a file of its own in the data folder's "Bin", named after the moment of its removal and the
// record it left ("2026-12-07 09-05-30 40.txt"), and holds the note string exactly as its record
// did: the 70 characters of place, size and format (notes/note_record.h), then the text. The
// files are not part of the notes database, so binned notes never count toward its 40 notes.
#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/types.h"

namespace notes {

inline constexpr int kBinDays = 30;

struct BinnedNote {
    std::string file;     // the name inside "Bin"
    std::string removed;  // "yyyy-mm-dd hh:mm:ss"
    int record = 0;
    int sameSecond = 1;  // 2, 3 ... for later removals from that record within the same second
    std::string note;    // the note string
};

// Writes a removed note's string into a new file of the bin; on failure nothing is left there.
[[nodiscard]] platform::Status PutInBin(platform::FileSystem& files, const std::string& dataPath,
                                        const std::string& note, int record, const platform::DateTime& now);

// The notes in the bin, the one removed last first. A file of another name is not the program's
// and is passed by; one that cannot be read is left out.
std::vector<BinnedNote> NotesInBin(platform::FileSystem& files, const std::string& dataPath);

// Takes a note out of the bin for good (it has been restored, or an undone removal).
[[nodiscard]] platform::Status TakeOutOfBin(platform::FileSystem& files, const std::string& dataPath,
                                            const std::string& file);

// Removes the notes that have lain in the bin for more than kBinDays days before `today`.
void EmptyOldNotesFromBin(platform::FileSystem& files, const std::string& dataPath, const platform::DateTime& today);

}  // namespace notes

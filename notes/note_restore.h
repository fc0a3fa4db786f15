// Bringing a note back: from the bin, or from a daily copy of the notes database. A restored note
// takes the free record with the highest number, as a new note would, and opens where it was,
// with its text and format.
#pragma once

#include <string>

#include "app/module.h"
#include "notes/note_bin.h"

namespace notes {

// Writes the note string into a free record and opens it. With every record in use, or a notes
// file that cannot be written, the user is told so, with where the note stays (`keptIn`: "the
// bin"); false then.
bool RestoreNote(app::Module& module, const std::string& note, const std::string& keptIn);

// Restores a binned note and takes it out of the bin.
bool RestoreFromBin(app::Module& module, const BinnedNote& binned);

}  // namespace notes

// Desktop notes in a folder that a sync client keeps the same on two computers: the notes database
// is written record by record over what the other computer wrote, and notes it added, changed or
// removed show here.
#pragma once

#include <optional>
#include <string>

#include "app/datafiles.h"
#include "app/module.h"

namespace notes {

// What a write of `record` compares the file's record with, and where it puts a third text.
app::RecordSeen LastSeen(app::Module& module, int record, std::optional<std::string>& theirs);

// Keeps the note that another copy wrote into `record` while this computer wrote its own note there:
// in the free record with the highest number, where the next look at the database opens it, or,
// with all 40 records taken, in the day's conflict file. An empty text (the note was removed on the
// other computer and kept here) needs no keeping.
void KeepOtherCopysNote(app::Module& module, int record, const std::string& theirs);

// Takes in what another copy wrote to the notes database since the program last read or wrote
// it: a note added there opens, a note changed there opens again with its new text, format and
// place, and a note removed there closes. An open note with typed text not yet saved stays as it
// is (its save keeps both notes), unless it was removed there: then its text goes into the
// conflict file as it closes. True when a note opened or closed.
bool PickUpArrivedNotes(app::Module& module);

}  // namespace notes

// The notes database "\Notes": 40 records, each free (empty) or holding one note. The stored
// notes open at start-up; a new note claims the free record with the highest number.
#pragma once

#include "app/datafiles.h"
#include "app/module.h"

namespace notes {

// Opens a note window for every used record of the loaded database.
void LoadNotes(app::Module& module, const app::RecordFile& database);

// Opens a new, empty note in the free record with the highest number; nothing when none is free.
void NewNote(app::Module& module);

// Creates and shows a note window for the module's NoteRecNo and NoteRecord.
void OpenNoteWindow(app::Module& module);

// The free record with the highest number, skipping records that an open note holds; 0 when
// all are taken.
int HighestFreeRecord(const app::RecordFile& database, const app::Module& module);

}  // namespace notes

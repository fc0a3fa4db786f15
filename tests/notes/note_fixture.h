// A started program with helpers to prepare and read note records and to open notes.
#pragma once

#include <string>

#include "notes/note_record.h"
#include "notes/note_window.h"
#include "support/app_fixture.h"

namespace testing_support {

class NoteTest : public AppTest {
protected:
    // Record n of the notes file as it is on the disk now.
    std::string Record(int n);
    // Writes record n into the notes file, creating an empty database first when needed.
    void StoreRecord(int n, const std::string& text);
    // A stored note's string with the given place and size and the first-run format.
    static std::string StoredNote(int left, int top, int width, int height, const std::string& text = "",
                                  bool rolledUp = false);

    // Double click on the tray icon's behalf: a new note, which must open.
    notes::FrmNote& OpenNewNote();
    notes::FrmNote* NoteOfRecord(int n);
    int OpenNotes();

    // Turns the main window's "Translucent" check box on or off.
    void SetTranslucent(bool on);
};

}  // namespace testing_support

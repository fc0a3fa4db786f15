#include "note_fixture.h"

#include "app/datafiles.h"
#include "app/main_window.h"
#include "notes/notes_database.h"

namespace testing_support {

std::string NoteTest::Record(int n) {
    app::RecordFile database(platform.memoryFiles(), data(app::kNotesFile));
    if (!database.Load()) return "<unreadable>";
    return database.Read(n);
}

void NoteTest::StoreRecord(int n, const std::string& text) {
    auto& files = platform.memoryFiles();
    if (!files.file(data(app::kNotesFile))) {
        files.putFolder(kDataPath);
        files.putFile(data(app::kNotesFile), app::RecordFile::EmptyDatabase(app::kNoteRecordCount));
    }
    app::RecordFile database(files, data(app::kNotesFile));
    ASSERT_TRUE(database.Write(n, text));
}

std::string NoteTest::StoredNote(int left, int top, int width, int height, const std::string& text, bool rolledUp) {
    notes::NoteFields fields;
    fields.left = left;
    fields.top = top;
    fields.width = width;
    fields.height = height;
    fields.rolledUp = rolledUp;
    fields.alignment = 2;
    fields.fontName = "MS Sans Serif";
    fields.backColor = 0x94C2E3;
    return notes::BuildNoteString(fields, text);
}

notes::FrmNote& NoteTest::OpenNewNote() {
    const int before = OpenNotes();
    notes::NewNote(*module);
    EXPECT_EQ(OpenNotes(), before + 1) << "no new note opened";
    return *module->Notes.back();
}

notes::FrmNote* NoteTest::NoteOfRecord(int n) {
    for (const auto& note : module->Notes) {
        if (!note->closed() && note->RecordNumber() == n) return note.get();
    }
    return nullptr;
}

int NoteTest::OpenNotes() {
    int open = 0;
    for (const auto& note : module->Notes) open += note->closed() ? 0 : 1;
    return open;
}

void NoteTest::SetTranslucent(bool on) {
    module->Diar->ChkTranslut->setValue(on ? 1 : 0);
}

}  // namespace testing_support

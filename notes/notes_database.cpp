#include "notes/notes_database.h"

#include <algorithm>

#include "notes/note_window.h"

namespace notes {

namespace {

bool HeldByOpenNote(const app::Module& module, int record) {
    return std::any_of(module.Notes.begin(), module.Notes.end(),
                       [record](const auto& note) { return !note->closed() && note->RecordNumber() == record; });
}

}  // namespace

void LoadNotes(app::Module& module, const app::RecordFile& database) {
    for (int n = 1; n <= app::kNoteRecordCount; ++n) {
        module.NoteRecord = database.Read(n);
        module.RecordsLastSeen[n] = module.NoteRecord;
        if (!module.NoteRecord.empty()) {
            module.NoteRecNo = n;
            OpenNoteWindow(module);
        }
    }
}

int HighestFreeRecord(const app::RecordFile& database, const app::Module& module) {
    // A new note whose first write failed still owns its record, though the file says free.
    int free = 0;
    for (int n = 1; n <= app::kNoteRecordCount; ++n) {
        if (database.Read(n).empty() && !HeldByOpenNote(module, n)) free = n;
    }
    return free;
}

void NewNote(app::Module& module) {
    module.NoteRecNo = 0;
    app::RecordFile database(module.platform.files(), module.Path(app::kNotesFile));
    std::string why;
    if (!database.Load(&why)) {
        module.platform.showMessage(app::kProductName,
                                    "The notes file " + database.path() + " could not be opened.\r\n" + why,
                                    platform::MessageIcon::Stop);
        return;
    }
    module.NoteRecNo = HighestFreeRecord(database, module);
    if (module.NoteRecNo == 0) return;
    module.NoteRecord.clear();
    OpenNoteWindow(module);
}

void OpenNoteWindow(app::Module& module) {
    // Removed notes have closed their windows; they are let go here, outside their own events.
    std::erase_if(module.Notes, [](const auto& note) { return note->closed(); });
    auto note = std::make_unique<FrmNote>(module);
    note->form().show();
    // A new window has the keyboard focus on its grip until the user clicks into the text.
    note->ButResize->setFocus();
    module.Notes.push_back(std::move(note));
}

}  // namespace notes

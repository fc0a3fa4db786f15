#include "notes/note_sync.h"

#include "app/conflict_file.h"
#include "notes/note_record.h"
#include "notes/note_window.h"
#include "notes/notes_database.h"

namespace notes {

namespace {

FrmNote* OpenNoteOf(app::Module& module, int record) {
    for (const auto& note : module.Notes) {
        if (!note->closed() && note->RecordNumber() == record) return note.get();
    }
    return nullptr;
}

void KeepInConflictFile(app::Module& module, int record, const std::string& ours, const std::string& theirs) {
    const std::string where = "Notes, record " + std::to_string(record);
    if (auto status = app::AppendConflicts(module.platform.files(), module, module.platform.now(),
                                           {{where, NoteTextOf(ours), NoteTextOf(theirs)}});
        !status) {
        module.platform.showMessage(app::kProductName,
                                    "A note that another computer changed could not be kept:\r\n" + status.error +
                                        "\r\n\r\nIts text was:\r\n" + NoteTextOf(theirs.empty() ? ours : theirs),
                                    platform::MessageIcon::Stop);
    }
}

}  // namespace

app::RecordSeen LastSeen(app::Module& module, int record, std::optional<std::string>& theirs) {
    const auto seen = module.RecordsLastSeen.find(record);
    return {seen == module.RecordsLastSeen.end() ? nullptr : &seen->second, &theirs};
}

void KeepOtherCopysNote(app::Module& module, int record, const std::string& theirs) {
    if (theirs.empty()) return;
    app::RecordFile database(module.platform.files(), module.Path(app::kNotesFile));
    if (database.Load()) {
        if (const int free = HighestFreeRecord(database, module); free != 0) {
            // Its last-seen record stays empty, so the next look takes it for a note that arrived.
            if (database.Write(free, theirs)) return;
        }
    }
    const auto seen = module.RecordsLastSeen.find(record);
    KeepInConflictFile(module, record, seen == module.RecordsLastSeen.end() ? std::string() : seen->second, theirs);
}

bool PickUpArrivedNotes(app::Module& module) {
    app::RecordFile database(module.platform.files(), module.Path(app::kNotesFile));
    if (!database.Load()) return false;
    bool changed = false;
    for (int n = 1; n <= app::kNoteRecordCount; ++n) {
        const std::string there = database.Read(n);
        std::string& last = module.RecordsLastSeen[n];
        if (there == last) continue;
        FrmNote* open = OpenNoteOf(module, n);
        if (open && open->SavePending()) {
            if (!there.empty()) continue;
            KeepInConflictFile(module, n, open->PendingRecord(), there);
        }
        if (open) open->CloseUnsaved();
        last = there;
        if (!there.empty()) {
            module.NoteRecNo = n;
            module.NoteRecord = there;
            OpenNoteWindow(module);
        }
        changed = true;
    }
    return changed;
}

}  // namespace notes

#include "notes/note_restore.h"

#include "notes/notes_database.h"

namespace notes {

bool RestoreNote(app::Module& module, const std::string& note, const std::string& keptIn) {
    app::RecordFile database(module.platform.files(), module.Path(app::kNotesFile));
    std::string why;
    if (!database.Load(&why)) {
        module.platform.showMessage(app::kProductName,
                                    "The notes file " + database.path() + " could not be opened.\r\n" + why +
                                        "\r\n\r\nThe note stays in " + keptIn + ".",
                                    platform::MessageIcon::Stop);
        return false;
    }
    const int record = HighestFreeRecord(database, module);
    if (record == 0) {
        module.platform.showMessage(app::kProductName,
                                    "All " + std::to_string(app::kNoteRecordCount) +
                                        " notes are in use. Remove one, then restore this note: it stays in " + keptIn +
                                        ".",
                                    platform::MessageIcon::Information);
        return false;
    }
    if (platform::Status status = database.Write(record, note); !status) {
        module.platform.showMessage(app::kProductName,
                                    "The note could not be written into " + database.path() + ".\r\n" + status.error +
                                        "\r\n\r\nIt stays in " + keptIn + ".",
                                    platform::MessageIcon::Stop);
        return false;
    }
    module.NoteRecNo = record;
    module.NoteRecord = database.Read(record);
    // Written here: the next look for what another computer wrote must not take it for an arrival.
    module.RecordsLastSeen[record] = module.NoteRecord;
    OpenNoteWindow(module);
    return true;
}

bool RestoreFromBin(app::Module& module, const BinnedNote& binned) {
    if (!RestoreNote(module, binned.note, "the bin")) return false;
    // A copy that will not leave the bin is only a spare of the open note; it goes with its 30 days.
    static_cast<void>(TakeOutOfBin(module.platform.files(), module.DataPath, binned.file));
    return true;
}

}  // namespace notes

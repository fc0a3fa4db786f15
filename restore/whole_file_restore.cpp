#include "restore/whole_file_restore.h"

#include "alarm/alarm_dialog.h"
#include "alarm/alarm_settings.h"
#include "app/main_window.h"
#include "app/settings.h"
#include "diary/day_tables.h"
#include "notes/note_sync.h"
#include "notes/note_window.h"
#include "restore/whole_file.h"

namespace restore {

namespace {

// The line being typed and the open notes' changes go into their files first: a restore of their
// file must not drop them unseen, and a restore of another file must not leave them unsaved.
bool SavePending(app::Module& module) {
    module.Diar->ParkFocus();
    const app::SaveReport report = app::SaveDiary(module.platform.files(), module, module.platform.now());
    module.Diar->ReportSave(report);
    if (!report.failures.empty()) return false;
    for (const auto& note : module.Notes) {
        if (note->closed() || !note->SavePending()) continue;
        if (platform::Status status = note->WriteRecord(); !status) {
            module.platform.showMessage(app::kProductName,
                                        "A note could not be saved, so nothing was restored.\r\n" + status.error,
                                        platform::MessageIcon::Stop);
            return false;
        }
    }
    return true;
}

// Reads the restored file into the values it feeds; what was last seen of it becomes the file as
// restored, so the next save writes over nothing of it.
void TakeInRestoredFile(app::Module& module, const std::string& name) {
    auto& files = module.platform.files();
    if (name == app::kAlarmFile) {
        alarms::LoadAlarms(files, module);
        if (module.AlarmDialog) {
            module.AlarmDialog->ShowSound();
            if (module.AlarmDialog->Shown()) module.AlarmDialog->Activate();
        }
    } else if (name == app::kSettingsFile) {
        app::LoadSettings(files, module);
        module.Diar->ChkTranslut->setValue(module.Translucent);
    } else if (name == app::kNotesFile) {
        static_cast<void>(notes::PickUpArrivedNotes(module));
    } else {
        app::LoadDayTables(files, module);
        app::LoadYear(files, module);
        module.Diar->PaintTables();
    }
}

}  // namespace

std::string ShownFileName(const std::string& name) {
    return name.starts_with('\\') ? name.substr(1) : name;
}

bool AskAndRestoreWholeFile(app::Module& module, const std::string& copy, const std::string& name,
                            const std::string& copyTitle) {
    auto& platform = module.platform;
    const std::string shown = ShownFileName(name);
    if (!platform.askYesNo(app::kProductName,
                           "Put back the whole file " + shown + " as " + copyTitle + " holds it?\r\n\r\n" +
                               "What it holds now is kept in Backup first; restoring from that copy undoes this.",
                           platform::MessageIcon::Question)) {
        return false;
    }
    if (!SavePending(module)) return false;
    const WholeFileRestore restored = RestoreWholeFile(platform.files(), module.DataPath, copy, name, platform.now());
    if (!restored.status) {
        platform.showMessage(app::kProductName,
                             "Nothing was restored: " + shown + " stays as it is.\r\n" + restored.status.error,
                             platform::MessageIcon::Stop);
        return false;
    }
    TakeInRestoredFile(module, name);
    return true;
}

}  // namespace restore

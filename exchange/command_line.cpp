#include "exchange/command_line.h"

#include "app/datafiles.h"
#include "diary/day_tables.h"
#include "diary/year_range.h"
#include "exchange/ics_export.h"
#include "exchange/notes_text_export.h"

namespace exchange {

namespace {

Command Bad(const std::string& why) {
    Command command;
    command.kind = CommandKind::Bad;
    command.error = why;
    return command;
}

std::optional<int> YearOf(const std::string& text) {
    if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const int year = std::stoi(text);
    if (year < app::kFirstYear || year > app::kLastYear) return std::nullopt;
    return year;
}

CommandResult ExportIcs(const Command& command, platform::FileSystem& files, const std::string& dataPath,
                        const platform::DateTime& stamp) {
    std::string why;
    const auto data = ReadCalendarData(files, dataPath, command.year, &why);
    if (!data) return {kExitUnreadableData, "Nothing exported: " + why};
    const std::string content = WriteCalendar(*data, stamp);
    const platform::Status status = app::ReplaceFile(files, command.target, content);
    if (!status)
        return {kExitWriteFailed, "Nothing exported: " + command.target + " cannot be written: " + status.error};
    int lines = 0;
    for (const auto& [year, cells] : data->years) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= app::kYearFileDaysPerMonth; ++day) lines += app::HasDiaryLine(cells(month, day));
        }
    }
    return {kExitDone, "Exported " + std::to_string(lines) + " diary line(s) and the recurring notes and alarms " +
                           (command.year ? "of " + std::to_string(*command.year) : std::string("of every year")) +
                           " to " + command.target + "."};
}

CommandResult ExportNotes(const Command& command, platform::FileSystem& files, const std::string& dataPath) {
    if (files.entry(command.target) != platform::EntryKind::Folder) {
        return {kExitWriteFailed, "Nothing exported: there is no folder " + command.target + "."};
    }
    std::string why;
    const auto notes = ReadNoteTexts(files, dataPath, &why);
    if (!notes) return {kExitUnreadableData, "Nothing exported: " + why};
    const auto written = WriteNoteFiles(files, command.target, NoteFiles(*notes));
    if (!written.status) {
        return {kExitWriteFailed, "Exported " + std::to_string(written.written) + " of " +
                                      std::to_string(notes->size()) +
                                      " note(s); the next cannot be written: " + written.status.error};
    }
    return {kExitDone, "Exported " + std::to_string(written.written) + " note(s) to " + command.target + "."};
}

}  // namespace

Command ParseCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return {};
    const std::string& verb = arguments[0];
    if (verb == "--export-ics") {
        if (arguments.size() < 2 || arguments[1].empty() || arguments[1].starts_with("--")) {
            return Bad("--export-ics needs the file to write.");
        }
        Command command{CommandKind::ExportIcs, arguments[1], std::nullopt, {}};
        if (arguments.size() == 2) return command;
        if (arguments[2] != "--year") return Bad("Unknown argument " + arguments[2] + ".");
        if (arguments.size() < 4) return Bad("--year needs a year.");
        command.year = YearOf(arguments[3]);
        if (!command.year) return Bad("The year " + arguments[3] + " is not one of 100 to 9999.");
        if (arguments.size() > 4) return Bad("Unknown argument " + arguments[4] + ".");
        return command;
    }
    if (verb == "--export-notes") {
        if (arguments.size() < 2 || arguments[1].empty() || arguments[1].starts_with("--")) {
            return Bad("--export-notes needs the folder to write into.");
        }
        if (arguments.size() > 2) return Bad("Unknown argument " + arguments[2] + ".");
        return {CommandKind::ExportNotes, arguments[1], std::nullopt, {}};
    }
    return Bad("Unknown argument " + verb + ".");
}

CommandResult RunCommand(const Command& command, platform::FileSystem& files, const std::string& dataPath,
                         const platform::DateTime& stamp) {
    switch (command.kind) {
        case CommandKind::ExportIcs:
            return ExportIcs(command, files, dataPath, stamp);
        case CommandKind::ExportNotes:
            return ExportNotes(command, files, dataPath);
        case CommandKind::Bad:
            return {kExitBadArguments, command.error + " " + Usage()};
        case CommandKind::RunProgram:
            break;
    }
    return {kExitBadArguments, Usage()};
}

std::string Usage() {
    return "Usage: OrvaneNotes.exe --export-ics FILE [--year YYYY] | --export-notes FOLDER";
}

}  // namespace exchange

// The command line of the exports: what it accepts, and the exit code and line of each outcome.
#include "exchange/command_line.h"

#include <gtest/gtest.h>

#include "app/datafiles.h"
#include "platform/headless/memory_file_system.h"

namespace {

using exchange::CommandKind;
using exchange::ParseCommandLine;

TEST(CommandLineTest, ParsesTheExportsAndRefusesAnythingElse) {
    const struct {
        std::vector<std::string> arguments;
        CommandKind kind;
        std::string target;
        std::optional<int> year;
        std::string error;
    } cases[] = {
        {{}, CommandKind::RunProgram, "", std::nullopt, ""},
        {{"--export-ics", "C:\\out.ics"}, CommandKind::ExportIcs, "C:\\out.ics", std::nullopt, ""},
        {{"--export-ics", "a.ics", "--year", "2026"}, CommandKind::ExportIcs, "a.ics", 2026, ""},
        {{"--export-ics", "a.ics", "--year", "100"}, CommandKind::ExportIcs, "a.ics", 100, ""},
        {{"--export-ics", "a.ics", "--year", "9999"}, CommandKind::ExportIcs, "a.ics", 9999, ""},
        {{"--export-notes", "C:\\Notes out"}, CommandKind::ExportNotes, "C:\\Notes out", std::nullopt, ""},
        {{"--export-ics"}, CommandKind::Bad, "", std::nullopt, "--export-ics needs the file to write."},
        {{"--export-ics", "--year", "2026"},
         CommandKind::Bad,
         "",
         std::nullopt,
         "--export-ics needs the file to write."},
        {{"--export-ics", "a.ics", "--year"}, CommandKind::Bad, "", std::nullopt, "--year needs a year."},
        {{"--export-ics", "a.ics", "--year", "99"},
         CommandKind::Bad,
         "",
         std::nullopt,
         "The year 99 is not one of 100 to 9999."},
        {{"--export-ics", "a.ics", "--year", "20x6"},
         CommandKind::Bad,
         "",
         std::nullopt,
         "The year 20x6 is not one of 100 to 9999."},
        {{"--export-ics", "a.ics", "--year", "12345"},
         CommandKind::Bad,
         "",
         std::nullopt,
         "The year 12345 is not one of 100 to 9999."},
        {{"--export-ics", "a.ics", "--yaer", "2026"}, CommandKind::Bad, "", std::nullopt, "Unknown argument --yaer."},
        {{"--export-ics", "a.ics", "--year", "2026", "x"}, CommandKind::Bad, "", std::nullopt, "Unknown argument x."},
        {{"--export-notes"}, CommandKind::Bad, "", std::nullopt, "--export-notes needs the folder to write into."},
        {{"--export-notes", "a", "b"}, CommandKind::Bad, "", std::nullopt, "Unknown argument b."},
        {{"/export"}, CommandKind::Bad, "", std::nullopt, "Unknown argument /export."},
    };
    for (const auto& c : cases) {
        const auto command = ParseCommandLine(c.arguments);
        const std::string shown = c.arguments.empty() ? "(none)" : c.arguments[0];
        EXPECT_EQ(command.kind, c.kind) << shown;
        EXPECT_EQ(command.target, c.kind == CommandKind::Bad ? "" : c.target) << shown;
        EXPECT_EQ(command.year, c.year) << shown;
        EXPECT_EQ(command.error, c.error) << shown;
    }
}

class RunCommandTest : public ::testing::Test {
protected:
    static constexpr const char* kData = "C:\\Orvane\\NotesDat";
    static constexpr platform::DateTime kStamp{2026, 12, 7, 9, 0, 0};
    RunCommandTest() {
        files.putFolder("C:\\Out");
        files.putFolder(kData);
        files.putFolder(std::string(kData) + "\\Diary");
        std::vector<std::string> lines(372, "#####");
        lines[(12 - 1) * 31 + 7 - 1] = "#####Dentist";
        lines[0] = "#####New year";
        files.putFile(std::string(kData) + "\\Diary\\2026", app::JoinLines(lines));
        files.putFile(std::string(kData) + "\\Notes", app::RecordFile::EmptyDatabase(app::kNoteRecordCount));
    }
    exchange::CommandResult Run(const std::vector<std::string>& arguments) {
        return exchange::RunCommand(ParseCommandLine(arguments), files, kData, kStamp);
    }
    platform::headless::MemoryFileSystem files;
};

TEST_F(RunCommandTest, EachOutcomeHasItsExitCodeAndOneLine) {
    auto done = Run({"--export-ics", "C:\\Out\\diary.ics", "--year", "2026"});
    EXPECT_EQ(done.exitCode, exchange::kExitDone);
    EXPECT_EQ(done.message,
              "Exported 2 diary line(s) and the recurring notes and alarms of 2026 to C:\\Out\\diary.ics.");
    EXPECT_TRUE(files.file("C:\\Out\\diary.ics").value_or("").starts_with("BEGIN:VCALENDAR\r\n"));
    done = Run({"--export-notes", "C:\\Out"});
    EXPECT_EQ(done.exitCode, exchange::kExitDone);
    EXPECT_EQ(done.message, "Exported 0 note(s) to C:\\Out.");

    const auto bad = Run({"--export-ics"});
    EXPECT_EQ(bad.exitCode, exchange::kExitBadArguments);
    EXPECT_EQ(bad.message, "--export-ics needs the file to write. " + exchange::Usage());

    files.putFile(std::string(kData) + "\\Alarm", "x");
    files.setUnreadable(std::string(kData) + "\\Alarm");
    const auto unreadable = Run({"--export-ics", "C:\\Out\\all.ics"});
    EXPECT_EQ(unreadable.exitCode, exchange::kExitUnreadableData);
    EXPECT_EQ(unreadable.message, "Nothing exported: C:\\Orvane\\NotesDat\\Alarm cannot be read.");
    EXPECT_FALSE(files.file("C:\\Out\\all.ics"));
    EXPECT_EQ(
        exchange::RunCommand(ParseCommandLine({"--export-ics", "C:\\Out\\x.ics"}), files, "C:\\Gone", kStamp).exitCode,
        exchange::kExitUnreadableData);
    EXPECT_EQ(Run({"--export-notes", "C:\\Nowhere"}).exitCode, exchange::kExitWriteFailed);
}

TEST_F(RunCommandTest, AFileThatCannotBeWrittenLeavesTheOldOneWhole) {
    files.putFile("C:\\Out\\diary.ics", "the last export");
    std::size_t used = 0;
    for (const auto& path : files.paths()) used += files.file(path).value_or("").size();
    files.setCapacity(used + 100);  // a nearly full disk: the calendar does not fit
    const auto full = Run({"--export-ics", "C:\\Out\\diary.ics", "--year", "2026"});
    EXPECT_EQ(full.exitCode, exchange::kExitWriteFailed);
    EXPECT_TRUE(full.message.starts_with("Nothing exported: C:\\Out\\diary.ics cannot be written: ")) << full.message;
    EXPECT_EQ(files.file("C:\\Out\\diary.ics"), "the last export");
    files.setCapacity(std::nullopt);
    files.setReadOnly("C:\\Out");
    EXPECT_EQ(Run({"--export-ics", "C:\\Out\\diary.ics"}).exitCode, exchange::kExitWriteFailed);
    EXPECT_EQ(files.file("C:\\Out\\diary.ics"), "the last export");
}

}  // namespace

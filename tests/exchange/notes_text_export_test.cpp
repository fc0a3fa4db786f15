// The notes as text files: names Windows takes, UTF-8 contents that name their note, and a folder
// that cannot take them.
#include "exchange/notes_text_export.h"

#include <gtest/gtest.h>

#include "app/datafiles.h"
#include "notes/note_record.h"
#include "platform/headless/memory_file_system.h"

namespace {

using exchange::SafeFileName;

TEST(NotesTextExportTest, FileNamesAreSafeOnWindows) {
    const struct {
        std::string wanted;
        std::vector<std::string> taken;
        std::string name;
    } cases[] = {
        {"Note 1 - Shopping.txt", {}, "Note 1 - Shopping.txt"},
        {"a<b>c:d\"e/f\\g|h?i*j.txt", {}, "a_b_c_d_e_f_g_h_i_j.txt"},
        {"tab\there", {}, "tab_here"},
        {"ends with dots...", {}, "ends with dots"},
        {"ends with space . ", {}, "ends with space"},
        {"CON", {}, "CON_"},
        {"nul.txt", {}, "nul_.txt"},
        {"Com1.txt", {}, "Com1_.txt"},
        {"LPT9", {}, "LPT9_"},
        {"console.txt", {}, "console.txt"},
        {"", {}, "_"},
        {"...", {}, "_"},
        {"Same.txt", {"same.TXT"}, "Same (2).txt"},
        {"Same.txt", {"Same.txt", "Same (2).txt"}, "Same (3).txt"},
        {"Plain", {"plain"}, "Plain (2)"},
    };
    for (const auto& c : cases) EXPECT_EQ(SafeFileName(c.wanted, c.taken), c.name) << c.wanted;
}

TEST(NotesTextExportTest, EachNoteIsAUtf8FileThatNamesItFirst) {
    const auto files = exchange::NoteFiles({{3, "Shopping: milk\r\nbread \x80 2"}, {40, ""}, {7, "CON"}});
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0].name, "Note 3 - Shopping_ milk.txt");
    EXPECT_EQ(files[0].content, "Note 3 - Shopping: milk\r\n\r\nShopping: milk\r\nbread \xE2\x82\xAC 2\r\n");
    EXPECT_EQ(files[1].name, "Note 40.txt");
    EXPECT_EQ(files[1].content, "Note 40\r\n\r\n");
    EXPECT_EQ(files[2].name, "Note 7 - CON.txt");
}

class NotesFolderTest : public ::testing::Test {
protected:
    static constexpr const char* kData = "C:\\Orvane\\NotesDat";
    static constexpr const char* kOut = "C:\\Out";
    NotesFolderTest() {
        files.putFolder(kData);
        files.putFolder(kOut);
        std::string database = app::RecordFile::EmptyDatabase(app::kNoteRecordCount);
        app::RecordFile::Put(
            database, 2,
            notes::BuildNoteString({80, 80, 166, 127, false, 2, false, 8, "Arial", 0, 0}, "First line\r\nsecond"));
        app::RecordFile::Put(database, 5, "no header at all");
        files.putFile(std::string(kData) + "\\Notes", database);
    }
    platform::headless::MemoryFileSystem files;
};

TEST_F(NotesFolderTest, TheUsedRecordsAreWrittenIntoTheFolder) {
    std::string why;
    const auto notes = exchange::ReadNoteTexts(files, kData, &why);
    ASSERT_TRUE(notes) << why;
    ASSERT_EQ(notes->size(), 2u);
    EXPECT_EQ((*notes)[0].text, "First line\r\nsecond");
    EXPECT_EQ((*notes)[1].text, "no header at all") << "a record without its header is all text";
    const auto written = exchange::WriteNoteFiles(files, kOut, exchange::NoteFiles(*notes));
    EXPECT_TRUE(written.status.ok);
    EXPECT_EQ(written.written, 2);
    EXPECT_EQ(files.file("C:\\Out\\Note 2 - First line.txt"), "Note 2 - First line\r\n\r\nFirst line\r\nsecond\r\n");
    EXPECT_TRUE(files.file("C:\\Out\\Note 5 - no header at all.txt"));
}

TEST_F(NotesFolderTest, AFolderThatCannotBeWrittenIsSaidAndKeepsItsFiles) {
    files.putFile("C:\\Out\\Note 2 - First line.txt", "older export");
    files.setReadOnly(kOut);
    const auto notes = exchange::ReadNoteTexts(files, kData, nullptr);
    ASSERT_TRUE(notes);
    const auto written = exchange::WriteNoteFiles(files, kOut, exchange::NoteFiles(*notes));
    EXPECT_FALSE(written.status.ok);
    EXPECT_FALSE(written.status.error.empty());
    EXPECT_EQ(written.written, 0);
    EXPECT_EQ(files.file("C:\\Out\\Note 2 - First line.txt"), "older export");
}

TEST_F(NotesFolderTest, ADatabaseThatCannotBeReadIsSaid) {
    files.setUnreadable(std::string(kData) + "\\Notes");
    std::string why;
    EXPECT_FALSE(exchange::ReadNoteTexts(files, kData, &why));
    EXPECT_NE(why.find("Notes cannot be read"), std::string::npos) << why;
}

}  // namespace

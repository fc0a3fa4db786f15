#include "app/datafiles.h"

#include <gtest/gtest.h>

#include "support/file_systems.h"

namespace {

using app::ReadLines;
using app::RecordFile;
using app::SplitLines;
using app::WriteLines;
using testing_support::FaultyFileSystem;
using testing_support::FileSystemKind;
using testing_support::FileSystemKinds;
using testing_support::Workspace;

TEST(SplitLines, FollowsTheLineEndRules) {
    struct Case {
        std::string content;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"\r\n \r\n", {"", " "}},
        {"a\nb\r\n", {"a\nb"}},  // a lone LF is an ordinary character
        {"a\nb\nc", {"a\nb\nc"}},
        {"a\rb\r", {"a", "b"}},  // CR alone ends a line too
        {"a\r\r\nb", {"a", "", "b"}},
        {"last", {"last"}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitLines(c.content), c.lines) << c.content;
}

class DataFiles : public ::testing::TestWithParam<FileSystemKind> {
protected:
    void SetUp() override { workspace_ = GetParam().make(); }
    platform::FileSystem& files() { return workspace_->files(); }
    std::string path(const std::string& name) const { return workspace_->folder + "\\" + name; }
    std::string bytes(const std::string& name) { return files().readFile(path(name)).value_or("<missing>"); }
    std::vector<std::string> listing() {
        auto names = files().listFiles(workspace_->folder);
        std::sort(names.begin(), names.end());
        return names;
    }

    std::unique_ptr<Workspace> workspace_;
};

TEST_P(DataFiles, TextFileRoundTripKeepsEveryValueExactly) {
    const std::vector<std::string> values = {"", " ", "NORESUME", "&H0094C2E3", "a\nb", "  padded  "};
    ASSERT_TRUE(WriteLines(files(), path("Notes.ini"), values));
    EXPECT_EQ(bytes("Notes.ini"), "\r\n \r\nNORESUME\r\n&H0094C2E3\r\na\nb\r\n  padded  \r\n");
    EXPECT_EQ(ReadLines(files(), path("Notes.ini")), values);
    EXPECT_EQ(listing(), std::vector<std::string>{"Notes.ini"});
}

TEST_P(DataFiles, RewritingReplacesTheWholeFile) {
    ASSERT_TRUE(WriteLines(files(), path("Alarm"), {"one", "two", "three"}));
    ASSERT_TRUE(WriteLines(files(), path("Alarm"), {"x"}));
    EXPECT_EQ(bytes("Alarm"), "x\r\n");
}

TEST_P(DataFiles, MissingFileReadsAsNothing) {
    EXPECT_FALSE(ReadLines(files(), path("Reminder")).has_value());
}

TEST_P(DataFiles, ExistenceTestCountsOnlyOrdinaryFiles) {
    ASSERT_TRUE(files().writeNewFile(path("Names"), " \r\n"));
    workspace_->putHiddenFile(path("Notes"), "secret");
    ASSERT_TRUE(files().createFolder(path("Reminder")));

    EXPECT_TRUE(app::FilePresent(files(), path("Names")));
    EXPECT_FALSE(app::FilePresent(files(), path("Notes")));
    EXPECT_FALSE(app::FilePresent(files(), path("Reminder")));
    EXPECT_FALSE(app::FilePresent(files(), path("Alarm")));
    EXPECT_TRUE(app::AnythingAt(files(), path("Notes")));
    EXPECT_TRUE(app::AnythingAt(files(), path("Reminder")));
    EXPECT_FALSE(app::AnythingAt(files(), path("Alarm")));
}

TEST_P(DataFiles, FailedReplaceLeavesOldFileIdenticalAndNoScratchFile) {
    using Fault = FaultyFileSystem::Fault;
    for (Fault fault : {Fault::Write, Fault::Flush, Fault::FirstMove, Fault::SecondMove}) {
        ASSERT_TRUE(WriteLines(files(), path("Notes.ini"), {"old", "content"}));
        FaultyFileSystem faulty(files());
        faulty.inject(fault);
        const auto status = WriteLines(faulty, path("Notes.ini"), {"new", "content", "longer than before"});
        EXPECT_FALSE(status.ok) << static_cast<int>(fault);
        EXPECT_FALSE(status.error.empty());
        EXPECT_EQ(bytes("Notes.ini"), "old\r\ncontent\r\n") << static_cast<int>(fault);
        EXPECT_EQ(listing(), std::vector<std::string>{"Notes.ini"}) << static_cast<int>(fault);
    }
}

TEST_P(DataFiles, FailedFirstWriteLeavesNoFileAtAll) {
    FaultyFileSystem faulty(files());
    faulty.inject(FaultyFileSystem::Fault::Write);
    EXPECT_FALSE(WriteLines(faulty, path("Reminder"), {"a"}).ok);
    EXPECT_TRUE(listing().empty());
}

TEST_P(DataFiles, StartUpFinishesAnInterruptedReplace) {
    // A crash after the new copy was complete: it takes the place of the old file.
    ASSERT_TRUE(files().writeNewFile(path("Names"), "old\r\n"));
    ASSERT_TRUE(files().writeNewFile(path("Names.new"), "new\r\n"));
    // A crash while writing: the partial copy is dropped, the old file stays.
    ASSERT_TRUE(files().writeNewFile(path("Notes.ini"), "kept\r\n"));
    ASSERT_TRUE(files().writeNewFile(path("Notes.ini.tmp"), "par"));
    // A crash right after a first save: only the complete copy exists.
    ASSERT_TRUE(files().writeNewFile(path("2026.new"), "#####\r\n"));

    app::RecoverInterruptedWrites(files(), workspace_->folder);

    EXPECT_EQ(bytes("Names"), "new\r\n");
    EXPECT_EQ(bytes("Notes.ini"), "kept\r\n");
    EXPECT_EQ(bytes("2026"), "#####\r\n");
    EXPECT_EQ(listing(), (std::vector<std::string>{"2026", "Names", "Notes.ini"}));
}

// The notes database.

std::string Record(const std::string& content, int n) {
    return content.substr(static_cast<std::size_t>((n - 1) * app::kRecordLength), app::kRecordLength);
}

TEST_P(DataFiles, EmptyDatabaseHasFortyResetRecords) {
    const std::string db = RecordFile::EmptyDatabase(40);
    ASSERT_EQ(db.size(), 160080u);
    for (int n = 1; n <= 40; ++n) EXPECT_EQ(Record(db, n), std::string(2, '\0') + std::string(4000, ' '));
}

TEST_P(DataFiles, WritingARecordChangesOnlyItsLengthAndText) {
    ASSERT_TRUE(files().writeNewFile(path("Notes"), RecordFile::EmptyDatabase(40)));
    RecordFile db(files(), path("Notes"));
    ASSERT_TRUE(db.Write(40, "a long first text"));
    ASSERT_TRUE(db.Write(40, "short"));

    const std::string content = bytes("Notes");
    ASSERT_EQ(content.size(), 160080u);
    EXPECT_EQ(Record(content, 40).substr(0, 2), std::string("\x05\x00", 2));
    // The tail of the older, longer text stays behind the new one.
    EXPECT_EQ(Record(content, 40).substr(2, 20), "shortg first text   ");
    EXPECT_EQ(content.substr(0, 39 * 4002), RecordFile::EmptyDatabase(39));

    RecordFile reread(files(), path("Notes"));
    ASSERT_TRUE(reread.Load());
    EXPECT_EQ(reread.Read(40), "short");
    EXPECT_EQ(reread.Read(1), "");
    EXPECT_EQ(listing(), std::vector<std::string>{"Notes"});
}

TEST_P(DataFiles, RecordLengthLimits) {
    ASSERT_TRUE(files().writeNewFile(path("Notes"), RecordFile::EmptyDatabase(40)));
    RecordFile db(files(), path("Notes"));
    const std::string full(4000, 'x');
    ASSERT_TRUE(db.Write(2, full));
    EXPECT_EQ(Record(bytes("Notes"), 2), std::string("\xA0\x0F", 2) + full);
    EXPECT_EQ(Record(bytes("Notes"), 3), std::string(2, '\0') + std::string(4000, ' '));
    EXPECT_FALSE(db.Write(2, full + "y").ok);
    EXPECT_EQ(Record(bytes("Notes"), 2), std::string("\xA0\x0F", 2) + full);
}

TEST_P(DataFiles, ResetRecordHoldsSpacesAndReadsEmpty) {
    ASSERT_TRUE(files().writeNewFile(path("Notes"), RecordFile::EmptyDatabase(40)));
    RecordFile db(files(), path("Notes"));
    ASSERT_TRUE(db.Write(7, "note"));
    ASSERT_TRUE(db.Reset(7));
    EXPECT_TRUE(bytes("Notes") == RecordFile::EmptyDatabase(40));
    EXPECT_EQ(db.Read(7), "");
}

TEST_P(DataFiles, DamagedLengthIsNeverReadPastItsRecord) {
    std::string content = RecordFile::EmptyDatabase(40);
    content[0] = '\xFF';  // 65535
    content[1] = '\xFF';
    content.replace(4002, 2, std::string("\x03\x00", 2));
    content.replace(4004, 3, "abc");
    content[39 * 4002] = '\x10';  // the last record claims more than the file holds
    content[39 * 4002 + 1] = '\x27';
    ASSERT_TRUE(files().writeNewFile(path("Notes"), content));
    RecordFile db(files(), path("Notes"));
    ASSERT_TRUE(db.Load());
    EXPECT_EQ(db.Read(1), std::string(4000, ' '));
    EXPECT_EQ(db.Read(2), "abc");
    EXPECT_EQ(db.Read(40), std::string(4000, ' '));
}

TEST_P(DataFiles, ShortDatabaseReadsMissingRecordsAsFree) {
    ASSERT_TRUE(files().writeNewFile(path("Notes"), RecordFile::EmptyDatabase(3).substr(0, 2 * 4002 + 1)));
    RecordFile db(files(), path("Notes"));
    ASSERT_TRUE(db.Load());
    EXPECT_EQ(db.Read(3), "");
    EXPECT_EQ(db.Read(40), "");
}

TEST_P(DataFiles, FailedRecordWriteLeavesTheDatabaseIdentical) {
    using Fault = FaultyFileSystem::Fault;
    ASSERT_TRUE(files().writeNewFile(path("Notes"), RecordFile::EmptyDatabase(40)));
    ASSERT_TRUE(RecordFile(files(), path("Notes")).Write(5, "keep me"));
    const std::string before = bytes("Notes");
    for (Fault fault : {Fault::Write, Fault::Flush, Fault::FirstMove, Fault::SecondMove}) {
        for (bool reset : {false, true}) {
            FaultyFileSystem faulty(files());
            faulty.inject(fault);
            RecordFile db(faulty, path("Notes"));
            EXPECT_FALSE((reset ? db.Reset(5) : db.Write(5, "lost")).ok);
            EXPECT_EQ(db.Read(5), "keep me");
            EXPECT_TRUE(bytes("Notes") == before) << static_cast<int>(fault) << reset;
            EXPECT_EQ(listing(), std::vector<std::string>{"Notes"});
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, DataFiles, ::testing::ValuesIn(FileSystemKinds()),
                         [](const auto& param_info) { return param_info.param.name; });

}  // namespace

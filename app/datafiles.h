// The program's two kinds of data file: text files of CR LF lines, and the notes database of
// fixed-length records. Every write goes to a scratch file first and replaces the old file in
// one step, so a crash, a kill or a full disk leaves the old or the new file whole.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/data_file_names.h"
#include "platform/file_system.h"

namespace app {

using platform::FileSystem;
using platform::Status;

// Record layout of the notes database.
inline constexpr int kRecordLength = 4002;
inline constexpr int kRecordTextLimit = 4000;
inline constexpr int kNoteRecordCount = 40;

// Scratch names beside a file while it is replaced: ".tmp" while being written (may be partial),
// ".new" once written whole and flushed (complete; only the final rename is missing).
inline constexpr const char* kWritingSuffix = ".tmp";
inline constexpr const char* kWrittenSuffix = ".new";

// Splits file content into lines: a line ends at CR, and an LF right after that CR belongs to
// the line end. A lone LF is an ordinary character. Content after the last CR is a last line.
std::vector<std::string> SplitLines(const std::string& content);

// Joins values into file content: each value followed by CR LF.
std::string JoinLines(const std::vector<std::string>& values);

// Asked just before the copy takes the file's place: false when the file must stay as it is
// (another program changed it since the caller read it).
using StillCurrent = std::function<bool()>;

// Writes `bytes` as the new content of `path`, atomically (see above). When `stillCurrent` is
// given and says no, the complete copy is removed, the file stays as it is, and the result is a
// failure.
Status ReplaceFile(FileSystem& files, const std::string& path, const std::string& bytes,
                   const StillCurrent& stillCurrent = {});

// Reads the lines of a text file; nullopt when it cannot be read.
std::optional<std::vector<std::string>> ReadLines(FileSystem& files, const std::string& path);

// Rewrites a text file whole with one line per value (see ReplaceFile for `stillCurrent`).
Status WriteLines(FileSystem& files, const std::string& path, const std::vector<std::string>& values,
                  const StillCurrent& stillCurrent = {});

// A file counts as present only when it is an ordinary file: a folder, or a file marked hidden
// or system, counts as missing.
bool FilePresent(FileSystem& files, const std::string& path);

// True when anything at all has that name (used so that a "missing" hidden file is never
// overwritten by a fresh one).
bool AnythingAt(FileSystem& files, const std::string& path);

// Finishes replacements that a crash interrupted in `folder`: a complete ".new" copy takes the
// place of its file, a partial ".tmp" copy is deleted.
void RecoverInterruptedWrites(FileSystem& files, const std::string& folder);

// A record as the program last read or wrote it, and where a write puts what another copy of the
// database (a sync client's) wrote into it since: a third text, or nothing.
struct RecordSeen {
    const std::string* last = nullptr;
    std::optional<std::string>* theirs = nullptr;
};

// The notes database.
class RecordFile {
public:
    RecordFile(FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    // Builds a new database of `count` reset records.
    static std::string EmptyDatabase(int count);

    // Reads the whole file once; false (with the reason) when it cannot be read.
    bool Load(std::string* why = nullptr);
    // The string in record n (1-based) of the loaded content; "" for a record beyond the end.
    // A damaged length above 4000 is never read past the record's own 4002 bytes.
    std::string Read(int n) const;

    // Writes `text` (at most 4000 bytes) into record n and replaces the file whole; only the
    // record's 2 + L bytes change. The loaded content changes only when the file was written.
    // The file is read just before and looked at again just before the new copy takes its place,
    // so that records another copy wrote meanwhile are kept.
    Status Write(int n, const std::string& text, const RecordSeen& seen = {});
    // Resets record n: 4000 spaces, then the empty string.
    Status Reset(int n, const RecordSeen& seen = {});

    // The string in record n (1-based) of a database's content; see Read.
    static std::string RecordIn(const std::string& content, int n);
    // Puts `text` into record n of a database's content, growing it when it is too short.
    static void Put(std::string& content, int n, const std::string& text);

private:
    Status Replace(int n, const std::string& text, bool reset, const RecordSeen& seen);

    FileSystem& files_;
    std::string path_;
    std::string content_;
};

}  // namespace app

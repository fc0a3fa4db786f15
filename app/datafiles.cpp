#include "app/datafiles.h"

#include <algorithm>

#include "app/checked_write.h"

namespace app {

using platform::EntryKind;

std::vector<std::string> SplitLines(const std::string& content) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t cr = content.find('\r', start);
        if (cr == std::string::npos) {
            lines.push_back(content.substr(start));
            break;
        }
        lines.push_back(content.substr(start, cr - start));
        start = cr + 1;
        if (start < content.size() && content[start] == '\n') ++start;
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& values) {
    std::string content;
    for (const auto& value : values) {
        content += value;
        content += "\r\n";
    }
    return content;
}

Status ReplaceFile(FileSystem& files, const std::string& path, const std::string& bytes,
                   const StillCurrent& stillCurrent) {
    const std::string writing = path + kWritingSuffix;
    const std::string written = path + kWrittenSuffix;
    // A scratch copy that cannot be removed after a failure is left for start-up (which clears a
    // ".tmp" and puts a whole ".new" in place); the failure the caller must hear of is returned.
    if (Status status = files.writeNewFile(writing, bytes); !status) {
        static_cast<void>(files.removeFile(writing));
        return status;
    }
    // Once the copy is whole under its ".new" name, start-up can finish the job after a crash.
    if (Status status = files.moveReplacing(writing, written); !status) {
        static_cast<void>(files.removeFile(writing));
        return status;
    }
    if (stillCurrent && !stillCurrent()) {
        static_cast<void>(files.removeFile(written));
        return Status::failure("The file was changed by another program while it was being saved.");
    }
    if (Status status = files.moveReplacing(written, path); !status) {
        static_cast<void>(files.removeFile(written));
        return status;
    }
    return Status::success();
}

std::optional<std::vector<std::string>> ReadLines(FileSystem& files, const std::string& path) {
    auto content = files.readFile(path);
    if (!content) return std::nullopt;
    return SplitLines(*content);
}

Status WriteLines(FileSystem& files, const std::string& path, const std::vector<std::string>& values,
                  const StillCurrent& stillCurrent) {
    return ReplaceFile(files, path, JoinLines(values), stillCurrent);
}

bool FilePresent(FileSystem& files, const std::string& path) {
    return files.entry(path) == EntryKind::File;
}

bool AnythingAt(FileSystem& files, const std::string& path) {
    return files.entry(path) != EntryKind::None;
}

namespace {

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() > suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

}  // namespace

void RecoverInterruptedWrites(FileSystem& files, const std::string& folder) {
    const std::string writingSuffix = kWritingSuffix;
    const std::string writtenSuffix = kWrittenSuffix;
    for (const auto& name : files.listFiles(folder)) {
        const std::string path = folder + "\\" + name;
        // What cannot be cleared stays as it is, and the next start tries again: a ".tmp" is never
        // read, and until a ".new" takes its place the file it would replace is whole.
        if (EndsWith(name, writingSuffix)) {
            static_cast<void>(files.removeFile(path));
        } else if (EndsWith(name, writtenSuffix)) {
            static_cast<void>(files.moveReplacing(path, path.substr(0, path.size() - writtenSuffix.size())));
        }
    }
}

std::string RecordFile::EmptyDatabase(int count) {
    std::string content;
    content.reserve(static_cast<std::size_t>(count * kRecordLength));
    for (int n = 0; n < count; ++n) {
        content += std::string(2, '\0');
        content += std::string(kRecordTextLimit, ' ');
    }
    return content;
}

bool RecordFile::Load(std::string* why) {
    auto content = files_.readFile(path_, why);
    if (!content) return false;
    content_ = std::move(*content);
    return true;
}

std::string RecordFile::Read(int n) const {
    return RecordIn(content_, n);
}

std::string RecordFile::RecordIn(const std::string& content, int n) {
    const std::size_t offset = static_cast<std::size_t>(n - 1) * kRecordLength;
    if (n < 1 || offset + 2 > content.size()) return {};
    const auto low = static_cast<unsigned char>(content[offset]);
    const auto high = static_cast<unsigned char>(content[offset + 1]);
    std::size_t length = low | (static_cast<std::size_t>(high) << 8);
    // A damaged length never reaches into the next record, nor past the end of the file.
    length = std::min<std::size_t>(length, kRecordTextLimit);
    length = std::min(length, content.size() - offset - 2);
    return content.substr(offset + 2, length);
}

void RecordFile::Put(std::string& content, int n, const std::string& text) {
    const std::size_t offset = static_cast<std::size_t>(n - 1) * kRecordLength;
    const std::size_t end = offset + 2 + text.size();
    if (content.size() < end) content.resize(end, '\0');
    content[offset] = static_cast<char>(text.size() & 0xFF);
    content[offset + 1] = static_cast<char>((text.size() >> 8) & 0xFF);
    content.replace(offset + 2, text.size(), text);
}

Status RecordFile::Write(int n, const std::string& text, const RecordSeen& seen) {
    if (n < 1) return Status::failure("Bad record number.");
    if (text.size() > static_cast<std::size_t>(kRecordTextLimit)) return Status::failure("Bad record length.");
    return Replace(n, text, false, seen);
}

Status RecordFile::Reset(int n, const RecordSeen& seen) {
    if (n < 1) return Status::failure("Bad record number.");
    return Replace(n, std::string(), true, seen);
}

Status RecordFile::Replace(int n, const std::string& text, bool reset, const RecordSeen& seen) {
    std::string updated;
    // Starts from the file as it is now, so that records written by other windows, or by another
    // copy of the program, stay intact. A database that is there but cannot be read is never
    // replaced by a new one.
    Status status = WriteChecked(files_, path_, [&](const FileFound& found, std::string& content) {
        if (found.present && !found.bytes) return Status::failure("The file cannot be read.");
        content_ = found.bytes.value_or(std::string());
        updated = content_;
        if (seen.last) {
            const std::string there = RecordIn(updated, n);
            *seen.theirs = there != *seen.last && there != text ? std::optional(there) : std::nullopt;
        }
        if (reset) Put(updated, n, std::string(kRecordTextLimit, ' '));
        Put(updated, n, text);
        content = updated;
        return Status::success();
    });
    if (status) content_ = std::move(updated);
    return status;
}

}  // namespace app

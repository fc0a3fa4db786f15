#include "exchange/ics_text.h"

#include <cctype>

namespace exchange {

namespace {

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string EscapeText(const std::string& text) {
    std::string escaped;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' || c == ';' || c == ',') {
            escaped += '\\';
            escaped += c;
        } else if (c == '\r') {
            escaped += "\\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            escaped += "\\n";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string UnescapeText(const std::string& value) {
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        const char next = value[++i];
        text += (next == 'n' || next == 'N') ? '\n' : next;
    }
    return text;
}

std::string FoldedLine(const std::string& line) {
    std::string folded;
    std::size_t start = 0;
    std::size_t room = kFoldOctets;  // the first line has no leading space
    while (line.size() - start > room) {
        std::size_t end = start + room;
        while (end > start && IsContinuationByte(line[end])) --end;
        if (end == start) end = start + room;  // no character starts here: bytes that are no UTF-8
        folded.append(line, start, end - start);
        folded += "\r\n ";
        start = end;
        room = kFoldOctets - 1;
    }
    folded.append(line, start, std::string::npos);
    folded += "\r\n";
    return folded;
}

std::vector<std::string> UnfoldedLines(const std::string& content) {
    std::string text = content;
    if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string physical = text.substr(start, end - start);
        if (!physical.empty() && physical.back() == '\r') physical.pop_back();
        start = end + 1;
        if (!lines.empty() && !physical.empty() && (physical[0] == ' ' || physical[0] == '\t')) {
            lines.back() += physical.substr(1);
        } else if (!physical.empty()) {
            lines.push_back(std::move(physical));
        }
    }
    return lines;
}

std::optional<ContentLine> ParseContentLine(const std::string& line) {
    ContentLine parsed;
    std::size_t at = line.find_first_of(";:");
    if (at == std::string::npos || at == 0) return std::nullopt;
    parsed.name = Upper(line.substr(0, at));
    while (line[at] == ';') {
        const std::size_t equals = line.find('=', at + 1);
        if (equals == std::string::npos) return std::nullopt;
        const std::string name = Upper(line.substr(at + 1, equals - at - 1));
        std::string value;
        at = equals + 1;
        if (at < line.size() && line[at] == '"') {
            const std::size_t quote = line.find('"', at + 1);
            if (quote == std::string::npos) return std::nullopt;
            value = line.substr(at + 1, quote - at - 1);
            // A list of quoted values keeps what follows the first as it stands.
            const std::size_t stop = line.find_first_of(";:", quote + 1);
            if (stop == std::string::npos) return std::nullopt;
            value += line.substr(quote + 1, stop - quote - 1);
            at = stop;
        } else {
            const std::size_t stop = line.find_first_of(";:", at);
            if (stop == std::string::npos) return std::nullopt;
            value = line.substr(at, stop - at);
            at = stop;
        }
        if (at >= line.size()) return std::nullopt;
        parsed.parameters[name] = value;
    }
    if (line[at] != ':') return std::nullopt;
    parsed.value = line.substr(at + 1);
    return parsed;
}

}  // namespace exchange

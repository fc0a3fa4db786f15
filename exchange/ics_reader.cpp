#include "exchange/ics_reader.h"

#include <cctype>
#include <optional>

#include "alarm/missed_alarms.h"
#include "diary/calendar.h"
#include "exchange/ics_text.h"

namespace exchange {

namespace {

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool AllDigits(const std::string& text, std::size_t from, std::size_t count) {
    if (text.size() < from + count) return false;
    for (std::size_t i = from; i < from + count; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    }
    return true;
}

int Number(const std::string& text, std::size_t from, std::size_t count) {
    return std::stoi(text.substr(from, count));
}

// "20261207" or "20261207T143000", "20261207T143000Z"; nothing for anything else.
std::optional<CalendarEvent> Start(const ContentLine& line, int utcOffsetMinutes) {
    const std::string& value = line.value;
    if (!AllDigits(value, 0, 8)) return std::nullopt;
    CalendarEvent event;
    event.start = {Number(value, 0, 4), Number(value, 4, 2), Number(value, 6, 2)};
    const auto type = line.parameters.find("VALUE");
    const bool dateOnly = value.size() == 8 || (type != line.parameters.end() && Upper(type->second) == "DATE");
    if (event.start.month < 1 || event.start.month > 12 || event.start.day < 1 ||
        event.start.day > app::DaysIn(event.start.year, event.start.month)) {
        return std::nullopt;
    }
    if (dateOnly) return value.size() == 8 ? std::optional(event) : std::nullopt;
    if (value.size() < 15 || value[8] != 'T' || !AllDigits(value, 9, 6)) return std::nullopt;
    event.timed = true;
    event.start.hour = Number(value, 9, 2);
    event.start.minute = Number(value, 11, 2);
    if (event.start.hour > 23 || event.start.minute > 59) return std::nullopt;
    const std::string rest = value.substr(15);
    if (rest == "Z" || rest == "z") {
        event.start = alarms::MinuteDate(alarms::MinuteNumber(event.start) + utcOffsetMinutes);
    } else if (!rest.empty()) {
        return std::nullopt;
    }
    return event;
}

// One VEVENT as its lines give it.
struct EventLines {
    std::optional<ContentLine> start;
    std::string summary;
    std::string rule;
    bool bold = false;
    char colour = '#';
    bool cancelled = false;
};

void Take(EventLines& event, const ContentLine& line) {
    if (line.name == "DTSTART") {
        event.start = line;
    } else if (line.name == "SUMMARY") {
        event.summary = UnescapeText(line.value);
    } else if (line.name == "RRULE") {
        event.rule = Upper(line.value);
    } else if (line.name == "X-ORVANE-BOLD") {
        event.bold = Upper(line.value) == "TRUE";
    } else if (line.name == "X-ORVANE-COLOR" && line.value.size() == 1 &&
               std::string("RYGB").find(line.value[0]) != std::string::npos) {
        event.colour = line.value[0];
    } else if (line.name == "STATUS") {
        event.cancelled = Upper(line.value) == "CANCELLED";
    }
}

}  // namespace

ReadEvents ReadCalendar(const std::string& content, int utcOffsetMinutes) {
    ReadEvents read;
    const auto lines = UnfoldedLines(content);
    if (lines.empty()) {
        read.error = "The file is empty.";
        return read;
    }
    std::vector<std::string> open;  // the components begun and not yet ended
    std::optional<EventLines> event;
    bool calendarSeen = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto line = ParseContentLine(lines[i]);
        if (!line) continue;  // a line no calendar program wrote is passed over
        const std::string value = Upper(line->value);
        if (line->name == "BEGIN") {
            if (open.empty() && value != "VCALENDAR") {
                read.error = "The file is not an iCalendar file: it does not begin with BEGIN:VCALENDAR.";
                return read;
            }
            calendarSeen = calendarSeen || value == "VCALENDAR";
            open.push_back(value);
            if (value == "VEVENT" && open.size() == 2) event.emplace();
        } else if (line->name == "END") {
            if (open.empty() || open.back() != value) {
                read.error =
                    "The file is damaged: line " + std::to_string(i + 1) + " ends " + line->value +
                    (open.empty() ? std::string(", which never began.") : ", but " + open.back() + " is open.");
                return read;
            }
            open.pop_back();
            if (value == "VEVENT" && event) {
                auto start = event->start ? Start(*event->start, utcOffsetMinutes) : std::nullopt;
                if (start) {
                    start->summary = event->summary;
                    start->rule = event->rule;
                    start->bold = event->bold;
                    start->colour = event->colour;
                    start->cancelled = event->cancelled;
                    read.events.push_back(*start);
                } else {
                    ++read.unreadable;
                }
                event.reset();
            }
        } else if (event && open.size() == 2) {
            Take(*event, *line);
        }
    }
    if (!calendarSeen) {
        read.error = "The file is not an iCalendar file: it holds no BEGIN:VCALENDAR.";
    } else if (!open.empty()) {
        read.error = "The file is damaged: it ends before END:" + open.back() + ".";
    }
    if (!read.error.empty()) {
        read.events.clear();
        read.unreadable = 0;
    }
    return read;
}

}  // namespace exchange

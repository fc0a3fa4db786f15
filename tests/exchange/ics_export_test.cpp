// The iCalendar export against the file format's rules: CR LF everywhere, lines of at most 75
// octets, the calendar's and every event's required properties, and UIDs that stay the same from
// one export to the next.
#include "exchange/ics_export.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "app/datafiles.h"
#include "diary/day_tables.h"
#include "exchange/ics_text.h"
#include "platform/headless/memory_file_system.h"

namespace {

using exchange::CalendarData;
using exchange::WriteCalendar;

constexpr platform::DateTime kStamp{2026, 12, 7, 9, 30, 15};

// An event's properties by name, with each value (parameters joined into the name as written).
using Event = std::multimap<std::string, std::string>;

std::vector<Event> EventsOf(const std::string& file) {
    std::vector<Event> events;
    int depth = 0;
    for (const auto& line : exchange::UnfoldedLines(file)) {
        const std::size_t colon = line.find(':');
        const std::string name = line.substr(0, colon);
        const std::string value = line.substr(colon + 1);
        if (name == "BEGIN" && value == "VEVENT") {
            events.emplace_back();
            depth = 1;
        } else if (name == "BEGIN" && depth > 0) {
            ++depth;
            events.back().emplace(value + "/BEGIN", "");
        } else if (name == "END" && value == "VEVENT") {
            depth = 0;
        } else if (depth == 1) {
            events.back().emplace(name, value);
        } else if (depth > 1 && name != "END") {
            events.back().emplace("VALARM/" + name, value);
        }
    }
    return events;
}

std::string One(const Event& event, const std::string& name) {
    EXPECT_EQ(event.count(name), 1u) << name;
    const auto found = event.find(name);
    return found == event.end() ? std::string() : found->second;
}

const Event* WithUid(const std::vector<Event>& events, const std::string& uid) {
    for (const auto& event : events) {
        if (One(event, "UID") == uid) return &event;
    }
    return nullptr;
}

CalendarData Sample() {
    CalendarData data;
    auto& year = data.years[2026];
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day) year(month, day) = app::kEmptyDiaryCell;
    }
    year(12, 7) = "BR###Dentist [14:15], bring the card; ask about \\ fees";
    year(12, 31) = "#####New year's eve";
    year(2, 28) = "#G###Caf\xE9 with Anna " + std::string(120, 'x');
    year(3, 1) = "B####";  // a code without a text is no line
    data.reminders(2, 29) = "Leap day birthday";
    data.reminders(5, 1) = "May day [7:30] and [19:00]";
    data.dayAlarms[15] = "9:00 rent";
    data.weekdayAlarms[1] = "7:45 gym";
    data.weekdayAlarms[7] = "no time here";
    return data;
}

TEST(IcsExportTest, EveryLineEndsInCrLfAndHoldsAtMost75Octets) {
    const std::string file = WriteCalendar(Sample(), kStamp);
    ASSERT_TRUE(file.ends_with("\r\n"));
    for (std::size_t i = 0; i < file.size(); ++i) {
        if (file[i] == '\n') {
            EXPECT_TRUE(i > 0 && file[i - 1] == '\r') << "lone LF at " << i;
        }
        if (file[i] == '\r') {
            EXPECT_TRUE(i + 1 < file.size() && file[i + 1] == '\n') << "lone CR at " << i;
        }
    }
    std::size_t start = 0;
    while (start < file.size()) {
        const std::size_t end = file.find("\r\n", start);
        EXPECT_LE(end - start, exchange::kFoldOctets);
        start = end + 2;
    }
}

TEST(IcsExportTest, TheCalendarAndEachEventHoldTheirRequiredProperties) {
    const std::string file = WriteCalendar(Sample(), kStamp);
    const auto lines = exchange::UnfoldedLines(file);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines.front(), "BEGIN:VCALENDAR");
    EXPECT_EQ(lines.back(), "END:VCALENDAR");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "VERSION:2.0"), lines.end());
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with("PRODID:"); }));
    const auto events = EventsOf(file);
    // Three lines, one time in a line, two notes with two times, one monthly and one weekly time.
    EXPECT_EQ(events.size(), 3u + 1u + 2u + 2u + 1u + 1u);
    std::set<std::string> uids;
    for (const auto& event : events) {
        uids.insert(One(event, "UID"));
        EXPECT_EQ(One(event, "DTSTAMP"), "20261207T093015Z");
        EXPECT_EQ(event.count("DTSTART") + event.count("DTSTART;VALUE=DATE"), 1u);
        EXPECT_EQ(event.count("SUMMARY"), 1u);
        if (event.count("DTSTART")) {
            // A time: floating local time, with a reminder that shows the text at that time.
            EXPECT_EQ(One(event, "DTSTART").size(), 15u);
            EXPECT_EQ(One(event, "VALARM/ACTION"), "DISPLAY");
            EXPECT_EQ(One(event, "VALARM/TRIGGER"), "PT0S");
            EXPECT_EQ(One(event, "VALARM/DESCRIPTION"), One(event, "SUMMARY"));
        } else {
            EXPECT_EQ(event.count("VALARM/BEGIN"), 0u);
            EXPECT_EQ(event.count("DTEND;VALUE=DATE"), 1u);
        }
    }
    EXPECT_EQ(uids.size(), events.size()) << "UIDs are unique";
}

TEST(IcsExportTest, ADiaryLineIsAnAllDayEventWithoutItsCode) {
    const auto events = EventsOf(WriteCalendar(Sample(), kStamp));
    const Event* line = WithUid(events, "20261207-diary@orvane-notes");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(One(*line, "DTSTART;VALUE=DATE"), "20261207");
    EXPECT_EQ(One(*line, "DTEND;VALUE=DATE"), "20261208");
    EXPECT_EQ(One(*line, "SUMMARY"), "Dentist [14:15]\\, bring the card\\; ask about \\\\ fees");
    EXPECT_EQ(One(*line, "X-ORVANE-BOLD"), "TRUE");
    EXPECT_EQ(One(*line, "X-ORVANE-COLOR"), "R");
    // The day after the last of a month and of a year.
    EXPECT_EQ(One(*WithUid(events, "20261231-diary@orvane-notes"), "DTEND;VALUE=DATE"), "20270101");
    const Event* february = WithUid(events, "20260228-diary@orvane-notes");
    ASSERT_NE(february, nullptr);
    EXPECT_EQ(One(*february, "DTEND;VALUE=DATE"), "20260301");
    EXPECT_TRUE(One(*february, "SUMMARY").starts_with("Caf\xC3\xA9 with Anna")) << "UTF-8";
    EXPECT_EQ(february->count("X-ORVANE-BOLD"), 0u);
    EXPECT_EQ(WithUid(events, "20260301-diary@orvane-notes"), nullptr);

    const Event* time = WithUid(events, "20261207-diary-1415@orvane-notes");
    ASSERT_NE(time, nullptr);
    EXPECT_EQ(One(*time, "DTSTART"), "20261207T141500");
}

TEST(IcsExportTest, NotesRepeatYearlyAnd29FebruaryFallsOnTheLastDayOfFebruary) {
    const auto events = EventsOf(WriteCalendar(Sample(), kStamp));
    const Event* leap = WithUid(events, "0229-note@orvane-notes");
    ASSERT_NE(leap, nullptr);
    EXPECT_EQ(One(*leap, "DTSTART;VALUE=DATE"), "20000229");
    EXPECT_EQ(One(*leap, "RRULE"), "FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1");
    const Event* may = WithUid(events, "0501-note@orvane-notes");
    ASSERT_NE(may, nullptr);
    EXPECT_EQ(One(*may, "RRULE"), "FREQ=YEARLY");
    const Event* evening = WithUid(events, "0501-note-1900@orvane-notes");
    ASSERT_NE(evening, nullptr);
    EXPECT_EQ(One(*evening, "DTSTART"), "20000501T190000");
    EXPECT_EQ(One(*evening, "RRULE"), "FREQ=YEARLY");
}

TEST(IcsExportTest, AlarmTableTimesRepeatMonthlyAndWeekly) {
    const auto events = EventsOf(WriteCalendar(Sample(), kStamp));
    const Event* monthly = WithUid(events, "15-monthly-0900@orvane-notes");
    ASSERT_NE(monthly, nullptr);
    EXPECT_EQ(One(*monthly, "RRULE"), "FREQ=MONTHLY;BYMONTHDAY=15");
    EXPECT_EQ(One(*monthly, "DTSTART"), "20000115T090000");
    const Event* weekly = WithUid(events, "MO-weekly-0745@orvane-notes");
    ASSERT_NE(weekly, nullptr);
    EXPECT_EQ(One(*weekly, "RRULE"), "FREQ=WEEKLY;BYDAY=MO");
    EXPECT_EQ(One(*weekly, "DTSTART"), "20000103T074500") << "3 January 2000 was a Monday";
    EXPECT_EQ(One(*weekly, "VALARM/ACTION"), "DISPLAY");
}

TEST(IcsExportTest, UidsStayTheSameWhenTextsAndTheStampChange) {
    auto data = Sample();
    std::set<std::string> first;
    for (const auto& event : EventsOf(WriteCalendar(data, kStamp))) first.insert(One(event, "UID"));
    data.years[2026](12, 7) = "#####Dentist moved [14:15]";
    data.reminders(5, 1) = "May day, later [7:30] [19:00]";
    std::set<std::string> second;
    for (const auto& event : EventsOf(WriteCalendar(data, {2027, 1, 2, 3, 4, 5}))) second.insert(One(event, "UID"));
    EXPECT_EQ(first, second);
}

class ReadCalendarDataTest : public ::testing::Test {
protected:
    static constexpr const char* kData = "C:\\Orvane\\NotesDat";
    ReadCalendarDataTest() {
        files.putFolder(kData);
        files.putFolder(std::string(kData) + "\\Diary");
    }
    void PutYear(int year, int month, int day, const std::string& cell) {
        std::vector<std::string> lines(372, app::kEmptyDiaryCell);
        lines[static_cast<std::size_t>((month - 1) * 31 + day - 1)] = cell;
        files.putFile(std::string(kData) + "\\Diary\\" + std::to_string(year), app::JoinLines(lines));
    }
    platform::headless::MemoryFileSystem files;
};

TEST_F(ReadCalendarDataTest, ReadsOneYearOrEveryYearFile) {
    PutYear(2025, 3, 4, "#####one");
    PutYear(2026, 5, 6, "#####two");
    files.putFile(std::string(kData) + "\\Diary\\notes.txt", "not a year");
    std::string why;
    const auto all = exchange::ReadCalendarData(files, kData, std::nullopt, &why);
    ASSERT_TRUE(all) << why;
    ASSERT_EQ(all->years.size(), 2u);
    EXPECT_EQ(all->years.at(2025)(3, 4), "#####one");
    const auto one = exchange::ReadCalendarData(files, kData, 2026, &why);
    ASSERT_TRUE(one);
    ASSERT_EQ(one->years.size(), 1u);
    EXPECT_EQ(one->years.at(2026)(5, 6), "#####two");
    const auto missing = exchange::ReadCalendarData(files, kData, 2030, &why);
    ASSERT_TRUE(missing) << "a year without a file has no lines";
    EXPECT_FALSE(app::HasDiaryLine(missing->years.at(2030)(1, 1)));
}

TEST_F(ReadCalendarDataTest, AFileThatCannotBeReadOrAMissingFolderIsSaid) {
    PutYear(2026, 5, 6, "#####two");
    files.setUnreadable(std::string(kData) + "\\Diary\\2026");
    std::string why;
    EXPECT_FALSE(exchange::ReadCalendarData(files, kData, std::nullopt, &why));
    EXPECT_NE(why.find("Diary\\2026 cannot be read"), std::string::npos) << why;
    files.setUnreadable(std::string(kData) + "\\Diary\\2026", false);
    files.putFile(std::string(kData) + "\\Reminder", "x\r\n");
    files.setUnreadable(std::string(kData) + "\\Reminder");
    EXPECT_FALSE(exchange::ReadCalendarData(files, kData, 2026, &why));
    EXPECT_NE(why.find("Reminder cannot be read"), std::string::npos) << why;
    EXPECT_FALSE(exchange::ReadCalendarData(files, "C:\\Elsewhere\\NotesDat", 2026, &why));
    EXPECT_NE(why.find("no data folder"), std::string::npos) << why;
}

}  // namespace

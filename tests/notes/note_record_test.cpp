#include "notes/note_record.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using notes::BuildNoteString;
using notes::NoteFields;
using notes::ParseNoteHeader;

NoteFields NewNoteDefaults() {
    NoteFields fields;
    fields.left = 80;
    fields.top = 80;
    fields.width = 166;
    fields.height = 127;
    fields.alignment = 2;
    fields.fontSize = 8;
    fields.fontName = "MS Sans Serif";
    fields.foreColor = 0x000000;
    fields.backColor = 0x94C2E3;
    return fields;
}

TEST(NoteHeader, NewNoteWithFirstRunDefaultsIsExactlySeventyCharacters) {
    const std::string expected =
        std::string("80   80   166  127  ") + "020" + "8 " + "MS Sans Serif  " + "&H0            " + "&H94C2E3       ";
    const std::string record = BuildNoteString(NewNoteDefaults(), "");
    EXPECT_EQ(record, expected);
    EXPECT_EQ(record.size(), 70u);
}

struct FieldCase {
    const char* what;
    NoteFields fields;
    std::size_t position;  // 1-based
    std::string expected;
};

NoteFields With(const std::function<void(NoteFields&)>& change) {
    NoteFields fields = NewNoteDefaults();
    change(fields);
    return fields;
}

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << c.what;
}

class HeaderField : public ::testing::TestWithParam<FieldCase> {};

TEST_P(HeaderField, IsWrittenLeftJustifiedInItsWidth) {
    const FieldCase& c = GetParam();
    const std::string record = BuildNoteString(c.fields, "text");
    ASSERT_EQ(record.size(), 74u);
    EXPECT_EQ(record.substr(c.position - 1, c.expected.size()), c.expected) << c.what;
    EXPECT_EQ(record.substr(70), "text");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HeaderField,
    ::testing::Values(FieldCase{"negative left", With([](NoteFields& f) { f.left = -5; }), 1, "-5   "},
                      FieldCase{"long negative keeps sign and four digits",
                                With([](NoteFields& f) { f.left = -12345; }), 1, "-1234"},
                      FieldCase{"six digits cut to five", With([](NoteFields& f) { f.top = 123456; }), 6, "12345"},
                      FieldCase{"full height", With([](NoteFields& f) { f.height = 2500; }), 16, "2500 "},
                      FieldCase{"rolled up", With([](NoteFields& f) { f.rolledUp = true; }), 21, "1"},
                      FieldCase{"right aligned bold", With([](NoteFields& f) {
                                    f.alignment = 1;
                                    f.bold = true;
                                }),
                                22, "11"},
                      FieldCase{"8.25 points", With([](NoteFields& f) { f.fontSize = 8.25; }), 24, "8 "},
                      FieldCase{"6.75 points", With([](NoteFields& f) { f.fontSize = 6.75; }), 24, "7 "},
                      FieldCase{"7.5 points rounds up", With([](NoteFields& f) { f.fontSize = 7.5; }), 24, "8 "},
                      FieldCase{"18 points", With([](NoteFields& f) { f.fontSize = 18; }), 24, "18"},
                      FieldCase{"long font name cut", With([](NoteFields& f) { f.fontName = "Trebuchet MS Extra"; }),
                                26, "Trebuchet MS Ex"},
                      FieldCase{"dark red without leading zeros", With([](NoteFields& f) { f.foreColor = 0x001020B0; }),
                                41, "&H1020B0       "},
                      FieldCase{"upper-case hexadecimal", With([](NoteFields& f) { f.backColor = 0x00C0B590; }), 56,
                                "&HC0B590       "}),
    [](const ::testing::TestParamInfo<FieldCase>& param) { return "Case" + std::to_string(param.index); });

TEST(NoteHeader, ReadsBackWhatWasWritten) {
    NoteFields fields = NewNoteDefaults();
    fields.left = -5;
    fields.top = 1200;
    fields.rolledUp = true;
    fields.bold = true;
    fields.alignment = 1;
    fields.fontSize = 18;
    fields.fontName = "Arial";
    fields.foreColor = 0x904000;
    fields.backColor = 0xA0B0F0;
    const std::string record = BuildNoteString(fields, "first\r\nsecond");
    EXPECT_EQ(ParseNoteHeader(record), fields);
    EXPECT_EQ(notes::NoteTextOf(record), "first\r\nsecond");
}

TEST(NoteHeader, CutFontNameReopensWithoutTrailingSpaces) {
    NoteFields fields = NewNoteDefaults();
    fields.fontName = "Courier New    Bold";  // the cut ends inside the run of spaces
    EXPECT_EQ(ParseNoteHeader(BuildNoteString(fields, "")).fontName, "Courier New");
}

TEST(NoteHeader, FieldsThatAreNotNumbersReadAsZero) {
    std::string record = BuildNoteString(NewNoteDefaults(), "");
    record.replace(0, 5, "ab   ");
    record.replace(22, 1, "x");
    record.replace(23, 2, "??");
    const NoteFields fields = ParseNoteHeader(record);
    EXPECT_EQ(fields.left, 0);
    EXPECT_FALSE(fields.bold);
    EXPECT_EQ(fields.fontSize, 0);
    EXPECT_EQ(fields.top, 80);
}

TEST(NoteHeader, OnlyAOneMeansRolledUpAndAnyNonZeroMeansBold) {
    std::string record = BuildNoteString(NewNoteDefaults(), "");
    record[20] = '2';
    record[22] = '7';
    const NoteFields fields = ParseNoteHeader(record);
    EXPECT_FALSE(fields.rolledUp);
    EXPECT_TRUE(fields.bold);
}

TEST(NoteHeader, AnyFontSizeIsStoredAsTheNearestSizeTheFieldHolds) {
    // Sizes no note is given (a damaged settings file may hold them) still give a header of 70
    // characters with a whole number of points from 0 to 99 in the size field.
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const std::pair<double, double> cases[] = {
        {99.4, 99},         {99.5, 99},      {1e10, 99},
        {2147483648.0, 99}, {kInfinity, 99}, {-0.3, 0},
        {-1e10, 0},         {-kInfinity, 0}, {std::numeric_limits<double>::quiet_NaN(), 0}};
    for (const auto& [size, expected] : cases) {
        NoteFields fields = NewNoteDefaults();
        fields.fontSize = size;
        const std::string record = BuildNoteString(fields, "");
        ASSERT_EQ(record.size(), 70u) << size;
        EXPECT_EQ(ParseNoteHeader(record).fontSize, expected) << size;
        EXPECT_EQ(record.substr(25), BuildNoteString(NewNoteDefaults(), "").substr(25)) << size;
    }
}

TEST(NoteHeader, LongestTextFillsTheRecordExactly) {
    const std::string text(notes::kNoteTextLimit, 'x');
    EXPECT_EQ(BuildNoteString(NewNoteDefaults(), text).size(), 4000u);
}

TEST(NoteHeader, ShortStringHasNoHeader) {
    EXPECT_FALSE(notes::HasHeader(std::string(69, ' ')));
    EXPECT_TRUE(notes::HasHeader(std::string(70, ' ')));
    EXPECT_EQ(notes::NoteTextOf(std::string(70, ' ')), "");
}

}  // namespace

// Colours and numbers as the settings file and the notes database store them.
#include "app/number_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(NumberText, ColorStrings) {
    struct Case {
        std::string text;
        unsigned long value;
    };
    const Case cases[] = {
        {"&H0094C2E3", 0x94C2E3}, {"&H94C2E3", 0x94C2E3},  {"&H0", 0}, {"&H00000000", 0}, {"&hff", 0xFF},
        {" &HFFFFFF ", 0xFFFFFF}, {"&H1020B0&", 0x1020B0},
    };
    for (const auto& c : cases) EXPECT_EQ(app::ParseColor(c.text, 7), c.value) << c.text;
    for (const char* bad : {"", "94C2E3", "&H", "&HXYZ", "&H123456789", "red"}) {
        EXPECT_EQ(app::ParseColor(bad, 7), 7u) << bad;
    }
}

TEST(NumberText, ColorsAreWrittenUpperCaseWithoutLeadingZeros) {
    EXPECT_EQ(app::FormatColor(0), "&H0");
    EXPECT_EQ(app::FormatColor(0xFF), "&HFF");
    EXPECT_EQ(app::FormatColor(0x94C2E3), "&H94C2E3");
    EXPECT_EQ(app::FormatColor(0x1020B0), "&H1020B0");
    EXPECT_EQ(app::FormatColor(0xFFFFFF), "&HFFFFFF");
}

TEST(NumberText, NumbersReadFromTheStartOfTheText) {
    struct Case {
        std::string text;
        double value;
    };
    const Case cases[] = {{"8", 8}, {"8.25", 8.25}, {"12pt", 12}, {" 7.5", 7.5}, {"-5", -5},
                          {"", 0},  {"abc", 0},     {".5", 0.5},  {"2", 2},      {"1.6x", 1.6}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(app::ParseNumber(c.text), c.value) << c.text;
}

TEST(NumberText, NumbersAreWrittenWithAPointAndNoNeedlessZeros) {
    EXPECT_EQ(app::FormatNumber(8.25), "8.25");
    EXPECT_EQ(app::FormatNumber(12), "12");
    EXPECT_EQ(app::FormatNumber(6.75), "6.75");
    EXPECT_EQ(app::FormatNumber(-5), "-5");
}

}  // namespace

#include "app/program_icon.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

#include "app/ico_file.h"

namespace {

std::uint32_t U16At(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at]) |
                                      (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

std::uint32_t U32At(const std::string& bytes, std::size_t at) {
    return U16At(bytes, at) | (U16At(bytes, at + 2) << 16);
}

TEST(ProgramIconTest, CommittedResourceIconIsTheDrawnOne) {
    std::ifstream in(ORGANISER_ICON_FILE, std::ios::binary);
    ASSERT_TRUE(in) << "cannot open " << ORGANISER_ICON_FILE;
    const std::string committed{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::string drawn = app::EncodeIco({app::ProgramIcon(16), app::ProgramIcon(32)});
    EXPECT_TRUE(committed == drawn) << "res/OrvaneNotes.ico differs from the drawn icon; regenerate it with "
                                       "the write_icon tool";
}

TEST(ProgramIconTest, PageIsOpaqueAndCornersAreClear) {
    for (int size : {16, 32}) {
        SCOPED_TRACE(size);
        const platform::Picture icon = app::ProgramIcon(size);
        ASSERT_EQ(icon.width, size);
        ASSERT_EQ(icon.height, size);
        EXPECT_EQ(icon.at(0, size - 1) >> 24, 0u);               // bottom-left corner lies outside the page
        EXPECT_EQ(icon.at(size / 2, size * 3 / 4) >> 24, 255u);  // the page itself
    }
}

TEST(IcoFileTest, DirectoryPointsAtEachImage) {
    const std::string ico = app::EncodeIco({platform::Picture(16, 16, 0xFF000000), platform::Picture(32, 32)});
    EXPECT_EQ(U16At(ico, 0), 0u);
    EXPECT_EQ(U16At(ico, 2), 1u);  // an icon, not a cursor
    ASSERT_EQ(U16At(ico, 4), 2u);
    const std::uint32_t sizes[] = {40 + 16 * 16 * 4 + 4 * 16, 40 + 32 * 32 * 4 + 4 * 32};
    std::uint32_t expectedOffset = 6 + 2 * 16;
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const std::size_t entry = 6 + 16 * i;
        EXPECT_EQ(static_cast<unsigned char>(ico[entry]), i == 0 ? 16 : 32);
        EXPECT_EQ(U16At(ico, entry + 6), 32u);  // bits per pixel
        EXPECT_EQ(U32At(ico, entry + 8), sizes[i]);
        EXPECT_EQ(U32At(ico, entry + 12), expectedOffset);
        EXPECT_EQ(U32At(ico, expectedOffset), 40u);                     // bitmap header size
        EXPECT_EQ(U32At(ico, expectedOffset + 8), i == 0 ? 32u : 64u);  // colour plus mask height
        expectedOffset += sizes[i];
    }
    EXPECT_EQ(ico.size(), expectedOffset);
}

TEST(IcoFileTest, RowsAreStoredBottomUpWithAMaskOfTheClearPixels) {
    platform::Picture picture(3, 2, 0xFF000000);
    picture.set(0, 0, 0xFF112233);  // top-left
    picture.set(2, 1, 0x00445566);  // bottom-right, clear
    picture.set(1, 1, 0x80ABCDEF);  // half transparent counts as shown
    const std::string ico = app::EncodeIco({picture});
    const std::size_t image = 6 + 16 + 40;
    // The bottom row comes first.
    EXPECT_EQ(U32At(ico, image + 4), 0x80ABCDEFu);
    EXPECT_EQ(U32At(ico, image + 8), 0x00445566u);
    EXPECT_EQ(U32At(ico, image + 12), 0xFF112233u);
    const std::size_t mask = image + 3 * 2 * 4;
    EXPECT_EQ(static_cast<unsigned char>(ico[mask]), 0x20);      // bottom row: only the third pixel
    EXPECT_EQ(static_cast<unsigned char>(ico[mask + 4]), 0x00);  // top row: all shown
    EXPECT_EQ(ico.size(), mask + 2 * 4);
}

}  // namespace

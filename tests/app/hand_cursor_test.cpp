#include "app/hand_cursor.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

#include "app/ico_file.h"

namespace {

using app::kHandCursorHotSpot;

std::uint32_t U16At(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at]) |
                                      (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

std::uint32_t Alpha(std::uint32_t argb) {
    return argb >> 24;
}

TEST(HandCursorTest, CommittedResourceCursorIsTheDrawnOne) {
    std::ifstream in(ORGANISER_HAND_CURSOR_FILE, std::ios::binary);
    ASSERT_TRUE(in) << "cannot open " << ORGANISER_HAND_CURSOR_FILE;
    const std::string committed{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_TRUE(committed == app::EncodeCur(app::HandCursor(), kHandCursorHotSpot))
        << "res/Hand.cur differs from the drawn pointer; regenerate it with the write_cursor tool";
}

TEST(HandCursorTest, PointsWithTheFingertipAtItsHotSpot) {
    const platform::Picture hand = app::HandCursor();
    ASSERT_EQ(hand.width, app::kHandCursorSize);
    ASSERT_EQ(hand.height, app::kHandCursorSize);
    // The fingertip's outline is at the hot spot; nothing of the hand lies above it.
    EXPECT_GT(Alpha(hand.at(kHandCursorHotSpot.x, kHandCursorHotSpot.y)), 200u);
    for (int x = 0; x < hand.width; ++x) EXPECT_LT(Alpha(hand.at(x, 0)), 128u) << x;
    // A white finger below the tip, a clear corner far from the hand.
    EXPECT_EQ(hand.at(kHandCursorHotSpot.x, kHandCursorHotSpot.y + 6), 0xFFFFFFFFu);
    EXPECT_EQ(Alpha(hand.at(hand.width - 1, 0)), 0u);
}

TEST(CurFileTest, DirectoryNamesACursorWithItsHotSpot) {
    const platform::Picture picture(32, 32, 0xFF000000);
    const std::string cur = app::EncodeCur(picture, {11, 3});
    EXPECT_EQ(U16At(cur, 2), 2u);  // a cursor, not an icon
    ASSERT_EQ(U16At(cur, 4), 1u);
    EXPECT_EQ(static_cast<unsigned char>(cur[6]), 32);
    EXPECT_EQ(U16At(cur, 6 + 4), 11u);
    EXPECT_EQ(U16At(cur, 6 + 6), 3u);
    // The image itself is stored as in an icon.
    const std::string ico = app::EncodeIco({picture});
    EXPECT_EQ(cur.substr(6 + 16), ico.substr(6 + 16));
}

}  // namespace

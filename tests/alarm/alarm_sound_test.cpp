#include "alarm/alarm_sound.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

std::uint32_t LittleEndian(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::int16_t Sample(const std::string& wav, std::size_t n) {
    return static_cast<std::int16_t>(LittleEndian(wav, 44 + 2 * n, 2));
}

TEST(AlarmSound, IsAPlainPcmWaveFile) {
    const std::string wav = alarms::AlarmSoundWav();
    ASSERT_GT(wav.size(), 44u);
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(LittleEndian(wav, 4, 4), wav.size() - 8);
    EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(LittleEndian(wav, 20, 2), 1u);  // PCM
    EXPECT_EQ(LittleEndian(wav, 22, 2), 1u);  // mono
    EXPECT_EQ(LittleEndian(wav, 24, 4), static_cast<std::uint32_t>(alarms::kAlarmSoundRate));
    EXPECT_EQ(LittleEndian(wav, 34, 2), 16u);
    EXPECT_EQ(wav.substr(36, 4), "data");
    EXPECT_EQ(LittleEndian(wav, 40, 4), wav.size() - 44);
}

TEST(AlarmSound, IsShortAudibleUnclippedAndStartsAndEndsInSilence) {
    const std::string wav = alarms::AlarmSoundWav();
    const std::size_t count = (wav.size() - 44) / 2;
    const double seconds = static_cast<double>(count) / alarms::kAlarmSoundRate;
    EXPECT_GE(seconds, 1.0);
    EXPECT_LE(seconds, 3.0);
    int peak = 0;
    for (std::size_t n = 0; n < count; ++n) peak = std::max(peak, std::abs(static_cast<int>(Sample(wav, n))));
    EXPECT_GT(peak, 32767 / 4);
    EXPECT_LT(peak, 32767 * 9 / 10);
    // No click where playing starts or stops.
    EXPECT_EQ(Sample(wav, 0), 0);
    EXPECT_LE(std::abs(static_cast<int>(Sample(wav, count - 1))), 8);
}

TEST(AlarmSound, CommittedFileIsTheComputedOne) {
    std::ifstream in(ORGANISER_ALARM_SOUND_FILE, std::ios::binary);
    ASSERT_TRUE(in) << "cannot open " << ORGANISER_ALARM_SOUND_FILE;
    const std::string committed{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_TRUE(committed == alarms::AlarmSoundWav())
        << "res/Alarm.wav differs from the computed sound; regenerate it with the write_alarm_sound tool";
}

}  // namespace

#include "alarm/alarm_sound.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace alarms {

namespace {

constexpr double kPi = 3.14159265358979323846;

// sin(2 pi turns), by a polynomial rather than the library's sine, whose last bits differ from
// one C library to the next.
double SineOfTurns(double turns) {
    double angle = (turns - std::floor(turns)) * 2 * kPi;
    if (angle > kPi) angle -= 2 * kPi;
    if (angle > kPi / 2) angle = kPi - angle;
    if (angle < -kPi / 2) angle = -kPi - angle;
    const double a2 = angle * angle;
    double sum = 1;
    for (int n = 11; n >= 3; n -= 2) sum = 1 - a2 / (n * (n - 1)) * sum;
    return angle * sum;
}

// One struck note: a fast rise, then a long fading ring. Besides the note itself a bell sounds
// its octave and a softer, slightly sharp tone near the twelfth.
double Bell(double frequency, double t, double length) {
    if (t < 0 || t >= length) return 0;
    constexpr double kAttack = 0.006;
    const double rise = t < kAttack ? t / kAttack : 1;
    const double left = 1 - t / length;
    const double fade = left * left * left;
    const double tone = SineOfTurns(frequency * t) + 0.35 * SineOfTurns(2 * frequency * t) * left +
                        0.12 * SineOfTurns(3.01 * frequency * t) * left * left;
    return rise * fade * tone;
}

struct Strike {
    double at;  // seconds
    double frequency;
};

// C major, up and then up again an octave higher.
constexpr Strike kStrikes[] = {{0.00, 1046.50}, {0.16, 1318.51}, {0.32, 1567.98}, {0.80, 1046.50},
                               {0.96, 1318.51}, {1.12, 1567.98}, {1.28, 2093.00}};
constexpr double kNoteLength = 0.75;
constexpr double kLength = 2.05;
constexpr double kVolume = 0.3;  // per note: seven overlapping notes stay well below full scale

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string AlarmSoundWav() {
    const int count = static_cast<int>(kLength * kAlarmSoundRate);
    std::vector<std::int16_t> samples;
    samples.reserve(static_cast<std::size_t>(count));
    for (int n = 0; n < count; ++n) {
        const double t = static_cast<double>(n) / kAlarmSoundRate;
        double value = 0;
        for (const Strike& strike : kStrikes) value += Bell(strike.frequency, t - strike.at, kNoteLength);
        samples.push_back(static_cast<std::int16_t>(std::floor(value * kVolume * 32767 + 0.5)));
    }

    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string wav = "RIFF";
    PutLittleEndian(wav, 36 + dataBytes, 4);
    wav += "WAVEfmt ";
    PutLittleEndian(wav, 16, 4);                   // size of the format block
    PutLittleEndian(wav, 1, 2);                    // PCM
    PutLittleEndian(wav, 1, 2);                    // mono
    PutLittleEndian(wav, kAlarmSoundRate, 4);      // samples per second
    PutLittleEndian(wav, kAlarmSoundRate * 2, 4);  // bytes per second
    PutLittleEndian(wav, 2, 2);                    // bytes per sample
    PutLittleEndian(wav, 16, 2);                   // bits per sample
    wav += "data";
    PutLittleEndian(wav, dataBytes, 4);
    for (std::int16_t sample : samples) PutLittleEndian(wav, static_cast<std::uint16_t>(sample), 2);
    return wav;
}

}  // namespace alarms

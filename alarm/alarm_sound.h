// The alarm sound shipped beside the program as "Alarm.wav": two rising bell chords, about two
// seconds, as a 16-bit mono PCM wave file. It is computed with plain arithmetic only, so every
// build makes the same bytes (a test compares them with the shipped file).
#pragma once

#include <string>

namespace alarms {

inline constexpr int kAlarmSoundRate = 22050;  // samples per second

// The whole wave file.
std::string AlarmSoundWav();

}  // namespace alarms

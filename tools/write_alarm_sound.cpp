// Writes the alarm sound that the Windows build ships beside the program, res/Alarm.wav:
//     write_alarm_sound <path of the .wav>
#include <cstdio>
#include <fstream>

#include "alarm/alarm_sound.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_alarm_sound <file.wav>\n");
        return 2;
    }
    const std::string bytes = alarms::AlarmSoundWav();
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "write_alarm_sound: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

// Writes the program's resource icon, res/OrvaneNotes.ico, from the icon the program draws:
//     write_icon <path of the .ico>
#include <cstdio>
#include <fstream>

#include "app/ico_file.h"
#include "app/program_icon.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_icon <file.ico>\n");
        return 2;
    }
    const std::string bytes = app::EncodeIco({app::ProgramIcon(16), app::ProgramIcon(32)});
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "write_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

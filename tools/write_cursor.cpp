// Writes the program's hand-shaped pointer, res/Hand.cur, from the one the program draws:
//     write_cursor <path of the .cur>
#include <cstdio>
#include <fstream>

#include "app/hand_cursor.h"
#include "app/ico_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_cursor <file.cur>\n");
        return 2;
    }
    const std::string bytes = app::EncodeCur(app::HandCursor(), app::kHandCursorHotSpot);
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "write_cursor: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

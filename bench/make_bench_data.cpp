// Writes the benchmark's NotesDat folder into a real folder, for the Wine benchmark:
//     make_bench_data FOLDER NOTES KIND YEARS
// FOLDER/NotesDat is made; KIND is words, unbroken or y (see bench::NoteText).
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "bench/bench_data.h"
#include "platform/headless/memory_file_system.h"

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: make_bench_data FOLDER NOTES words|unbroken|y YEARS\n";
        return 2;
    }
    const std::string kind = argv[3];
    bench::DataSet set;
    set.notes = std::atoi(argv[2]);
    set.years = std::atoi(argv[4]);
    set.text = kind == "unbroken" ? bench::NoteText::UnbrokenWord
               : kind == "y"      ? bench::NoteText::LatinY
                                  : bench::NoteText::Words;
    platform::headless::MemoryFileSystem memory;
    const std::string root = "C:\\Bench";
    memory.putFolder(root);
    bench::PrepareNotesDat(memory, root + "\\NotesDat", set);
    for (const std::string& path : memory.paths()) {
        std::string relative = path.substr(root.size() + 1);
        for (char& c : relative) {
            if (c == '\\') c = '/';
        }
        const std::filesystem::path target = std::filesystem::path(argv[1]) / relative;
        std::filesystem::create_directories(target.parent_path());
        std::ofstream(target, std::ios::binary) << *memory.file(path);
    }
    return 0;
}

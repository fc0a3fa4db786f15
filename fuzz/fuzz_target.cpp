// One libFuzzer target: its name (ORGANISER_FUZZ_TARGET) says which data file the input fills.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto target = ORGANISER_FUZZ_TARGET;
    const auto folder = fuzzing::FolderFromInput(target, {reinterpret_cast<const char*>(data), size});
    if (!folder) {
        std::fprintf(stderr, "unknown fuzz target %s\n", target);
        std::abort();
    }
    const auto problems = fuzzing::RunSession(*folder);
    if (problems.empty()) return 0;
    for (const auto& problem : problems) std::fprintf(stderr, "broken rule: %s\n", problem.c_str());
    // libFuzzer keeps the input of a crash as its reproducer.
    std::abort();
}

// Every seed and every kept fault input of the fuzz targets, run through the same harness as
// the targets, so that an ordinary test run holds each mended fault.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "fuzz/harness.h"

namespace {

namespace fs = std::filesystem;

struct FuzzInput {
    std::string target;
    fs::path path;
};

void PrintTo(const FuzzInput& input, std::ostream* os) {
    *os << input.path.string();
}

std::vector<FuzzInput> InputsUnder(const char* kind) {
    std::vector<FuzzInput> inputs;
    for (const auto& target : fuzzing::TargetNames()) {
        const fs::path folder = fs::path(ORGANISER_FUZZ_FOLDER) / kind / target;
        if (!fs::is_directory(folder)) continue;
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (entry.is_regular_file()) inputs.push_back({target, entry.path()});
        }
    }
    return inputs;
}

std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string TestName(const testing::TestParamInfo<FuzzInput>& info) {
    std::string name = info.param.target + "_" + info.param.path.filename().string();
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

class FuzzReplay : public testing::TestWithParam<FuzzInput> {};

TEST_P(FuzzReplay, BreaksNoRule) {
    const auto folder = fuzzing::FolderFromInput(GetParam().target, Bytes(GetParam().path));
    ASSERT_TRUE(folder);
    EXPECT_EQ(fuzzing::RunSession(*folder), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Seeds, FuzzReplay, testing::ValuesIn(InputsUnder("corpus")), TestName);
INSTANTIATE_TEST_SUITE_P(Regressions, FuzzReplay, testing::ValuesIn(InputsUnder("regressions")), TestName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(FuzzReplay);

TEST(FuzzReplayInputs, EveryTargetHasSeeds) {
    for (const auto& target : fuzzing::TargetNames()) {
        const fs::path folder = fs::path(ORGANISER_FUZZ_FOLDER) / "corpus" / target;
        EXPECT_TRUE(fs::is_directory(folder) && !fs::is_empty(folder)) << folder;
    }
}

}  // namespace

// A program on the headless platform: the base of the tests that drive windows and files.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/module.h"
#include "platform/headless/headless_platform.h"

namespace testing_support {

class AppTest : public ::testing::Test {
protected:
    static constexpr const char* kProgramFolder = "C:\\Programs\\Orvane";
    static constexpr const char* kDataPath = "C:\\Programs\\Orvane\\NotesDat";

    AppTest() {
        platform.setProgramFolder(kProgramFolder);
        platform.memoryFiles().putFolder(kProgramFolder);
    }

    // Runs the program's start-up.
    bool Start();

    std::string data(const std::string& name) const { return std::string(kDataPath) + name; }
    std::string file(const std::string& name) { return platform.memoryFiles().file(data(name)).value_or("<missing>"); }
    void putFile(const std::string& name, const std::string& bytes) {
        platform.memoryFiles().putFile(data(name), bytes);
    }

    platform::headless::HeadlessPlatform platform;
    std::unique_ptr<app::Module> module = std::make_unique<app::Module>(platform);
};

}  // namespace testing_support

#pragma once
// Shared pieces of the unit tests: a fake platform with a bootstrapper, and
// access to what the run wrote to its log.

#include <string>
#include <vector>

#include "FakePlatform.h"
#include "core/InstallationBootstrapper.h"
#include "core/ProcessState.h"

namespace vl::test {

// Splits a log file into its messages (the text between the time stamp's
// " - " and the closing " \r\n").
std::vector<std::string> LogMessages(const std::string& bytes);

// Prints a Windows code with its name, for assertion messages.
std::string CodeName(std::uint32_t code);

class BootstrapperTest : public ::testing::Test {
protected:
    void SetUp() override { Process().Reset(); }
    void TearDown() override { Process().Reset(); }

    fake::FakePlatform fake;
    const std::string logPath = "C:\\pkg\\VL_Setup_Package.log";

    std::vector<std::string> Log() const {
        auto it = fake.files.files.find(logPath);
        return it == fake.files.files.end() ? std::vector<std::string>{} : LogMessages(it->second.bytes);
    }
};

}  // namespace vl::test

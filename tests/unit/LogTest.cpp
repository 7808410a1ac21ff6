#include <gtest/gtest.h>

#include "TestSupport.h"

namespace vl::test {
namespace {

using SetupLog = BootstrapperTest;

TEST_F(SetupLog, LineFormat) {
    fake.clock.now = platform::LocalTime{2010, 12, 3, 22, 9, 5, 3, 7};
    {
        InstallationBootstrapper b(fake.platform, "/Log");
        b.LogMessage("Test - %s %d.", "value", 42);
    }
    const std::string& bytes = fake.files.Bytes(logPath);
    EXPECT_EQ(bytes.substr(0, 67),
              "2010/12/22 - 9:5:3:7 - *** InstallationBootstrapper - Start. *** \r\n");
    EXPECT_NE(bytes.find("2010/12/22 - 9:5:3:7 - Test - value 42. \r\n"), std::string::npos);
    EXPECT_EQ(fake.files.OpenHandleCount(), 0u) << "closed after every line";
}

TEST_F(SetupLog, SpineLinesInOrder) {
    {
        InstallationBootstrapper b(fake.platform, "/Log /Type x");
        EXPECT_EQ(b.RunBootstrapper(), 13u) << CodeName(13);
    }
    const std::vector<std::string> expected = {
        "*** InstallationBootstrapper - Start. ***",
        "RunBootstrapper - Source directory: C:\\pkg.",
        "RunBootstrapper - Bootstrapper command-line: /Log /Type x.",
    };
    auto log = Log();
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 3), expected);
    EXPECT_EQ(log.back(), "*** InstallationBootstrapper - Finish. ***");
}

TEST_F(SetupLog, AppendsToEarlierRuns) {
    fake.files.AddFile(logPath, "earlier\r\n");
    {
        InstallationBootstrapper b(fake.platform, "/Log");
    }
    EXPECT_EQ(fake.files.Bytes(logPath).rfind("earlier\r\n", 0), 0u);
    EXPECT_EQ(Log().size(), 2u);
}

TEST_F(SetupLog, LongMessagesAreCut) {
    {
        InstallationBootstrapper b(fake.platform, "/Log");
        b.LogMessage("%s", std::string(3000, 'm').c_str());
    }
    auto log = Log();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[1], std::string(998, 'm'));
    EXPECT_NE(fake.files.Bytes(logPath).find(std::string(998, 'm') + " \r\n"), std::string::npos);
}

TEST_F(SetupLog, NothingWithoutTheOption) {
    {
        InstallationBootstrapper b(fake.platform, "/Type x");
        b.LogMessage("Test - line.");
    }
    EXPECT_FALSE(fake.files.Has(logPath));
    for (const auto& call : fake.files.calls) EXPECT_NE(call, "CreateFile " + logPath);
}

TEST_F(SetupLog, FailedOpenSwitchesLoggingOff) {
    fake.files.createErrors["C:\\missing\\a.log"] = 3;
    InstallationBootstrapper b(fake.platform, "/Log C:\\missing\\a.log");
    EXPECT_FALSE(b.HasOption(OptionLog));
    const std::size_t attempts = fake.files.calls.size();
    b.LogMessage("Test - later.");
    EXPECT_EQ(fake.files.calls.size(), attempts) << "no further attempt";
    EXPECT_EQ(b.RunBootstrapper(), 13u);
}

TEST_F(SetupLog, FolderThatDoesNotExistCreatesNothing) {
    {
        InstallationBootstrapper b(fake.platform, "/Log C:\\nowhere\\a.log");
        EXPECT_EQ(b.RunBootstrapper(), 13u);
    }
    EXPECT_FALSE(fake.files.Has("C:\\nowhere\\a.log"));
}

TEST_F(SetupLog, FailedWriteIsIgnoredAndLaterLinesAreTried) {
    fake.files.writeErrors[logPath] = 112;  // disk full
    InstallationBootstrapper b(fake.platform, "/Log");
    b.LogMessage("Test - one.");
    EXPECT_TRUE(b.HasOption(OptionLog));
}

TEST(WriteLogLine, NothingToWrite) {
    fake::FakePlatform fake;
    InstallationUtility utility(fake.platform);
    EXPECT_EQ(utility.WriteLogLine(nullptr, "x", nullptr, 0), 0u);
    EXPECT_EQ(utility.WriteLogLine("", "x", nullptr, 0), 0u);
    EXPECT_EQ(utility.WriteLogLine("C:\\pkg\\a.log", "", nullptr, 0), 0u);
    EXPECT_TRUE(fake.files.calls.empty());
    fake.files.createErrors["C:\\pkg\\b.log"] = 32;
    EXPECT_EQ(utility.WriteLogLine("C:\\pkg\\b.log", "x", nullptr, 0), 32u);
}

}  // namespace
}  // namespace vl::test

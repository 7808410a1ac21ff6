// Reading the setup type of a real package: the shipped sections, a setup
// type without installers, and silent mode.
#include <gtest/gtest.h>

#include <filesystem>

#include "PackageTest.h"

namespace vl::e2e {
namespace {

using SetupTypeE2E = PackageTest;

TEST_F(SetupTypeE2E, RepairReadsTheShippedRepairSection) {
    WindowsRun run = RunWindows(exe, "/Log /Type Repair");
    EXPECT_EQ(run.exitCode, 13u) << run.output;
    const std::string log = Log();
    for (const char* line : {"SetListSection - Setup type: Repair.",
                             "SetListSection - PreInstall key: LectraRepair|Lectra64Repair.",
                             "SetListSection - MainInstall key: .", "SetListSection - Name key: .",
                             "SetListSection - WelcomeDlg key: no.", "SetListSection - ReqPermission key: Admin.",
                             "SetListSection - ReqPlatform key: ."})
        EXPECT_NE(log.find(line), std::string::npos) << line << "\n" << log;
}

TEST_F(SetupTypeE2E, SetupTypeWithoutInstallersShowsMessage10) {
    CommandResult robot = RunRobot(exe, "", "/Log /Type Nothing");
    EXPECT_NE(robot.output.find("text=\"There is an error in the settings file. The prerequisite installers or a "
                                "main installer were not specified for the Nothing setup type.\""),
              std::string::npos)
        << robot.output;
    EXPECT_NE(robot.output.find("exit code=13"), std::string::npos);
    const std::string log = Log();
    EXPECT_NE(log.find("SetListSection - No prerequisite installers nor a main installer was specified for the "
                       "Nothing setup type.  At least one must be specified."),
              std::string::npos);
    EXPECT_NE(log.find("DoSettings_Install - Failed to read the List section in Settings."), std::string::npos);
}

TEST_F(SetupTypeE2E, SilentSetupTypeShowsNoBox) {
    CommandResult robot = RunRobot(exe, "", "/Log /Type QuietsilentInstall");
    EXPECT_EQ(robot.output.find("window class=\"#32770\""), std::string::npos) << robot.output;
    EXPECT_NE(robot.output.find("exit code=13"), std::string::npos);
}

}  // namespace
}  // namespace vl::e2e

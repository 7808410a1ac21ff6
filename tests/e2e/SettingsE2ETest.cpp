// The settings file of a real package: the export, a replacement, the file
// beside an executable without embedded settings, and the temporary copy.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "PackageTest.h"

namespace vl::e2e {
namespace {

std::string TempSettings() {
    return std::string(std::getenv("WINEPREFIX")) + "/drive_c/users/" +
           (std::getenv("USER") ? std::getenv("USER") : "root") + "/Temp/Settings.ini";
}

class SettingsE2E : public PackageTest {
protected:
    void TearDown() override {
        PackageTest::TearDown();
        EXPECT_FALSE(FileExists(TempSettings())) << "a temporary Settings.ini was left behind";
    }
};

TEST_F(SettingsE2E, ExportWritesTheEmbeddedFileAndReplacesAnOldOne) {
    const std::string shipped = ReadFile(std::string(E2E_SOURCE_DIR) + "/package/Settings.ini");
    const std::string out = folder + "/exported.ini";
    WriteFile(out, "old");
    WindowsRun run = RunWindows(exe, "/Log /ExtractSettings " + WindowsPath(out));
    EXPECT_EQ(run.exitCode, 13u) << run.output;
    EXPECT_EQ(ReadFile(out), shipped);
    const std::string log = Log();
    EXPECT_NE(log.find("OutputSettings - Output settings file: " + WindowsPath(out) + "."), std::string::npos);
    EXPECT_EQ(log.find("GetSettingsFile"), std::string::npos) << "no settings were read";
}

TEST_F(SettingsE2E, ExportWithoutAPathShowsMessage4) {
    CommandResult robot = RunRobot(exe, "", "/ExtractSettings");
    EXPECT_NE(robot.output.find("caption=\"Veltrane Installation Error\""), std::string::npos) << robot.output;
    EXPECT_NE(robot.output.find(
                  "text=\"An output file was not specified with the ExtractSettings command-line argument.\""),
              std::string::npos)
        << robot.output;
    EXPECT_NE(robot.output.find("exit code=13"), std::string::npos);
}

TEST_F(SettingsE2E, MissingReplacementShowsMessage7) {
    const std::string missing = WindowsPath(folder + "/none.ini");
    std::string escaped;
    for (char c : missing) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    CommandResult robot = RunRobot(exe, "", "/ReplaceSettings " + missing);
    EXPECT_NE(robot.output.find("text=\"The file \\\"" + escaped + "\\\" could not be found.\""),
              std::string::npos)
        << robot.output;
    EXPECT_NE(robot.output.find("exit code=13"), std::string::npos);
}

TEST_F(SettingsE2E, ReplacementIsKept) {
    const std::string replacement = folder + "/mine.ini";
    WriteFile(replacement, "[default]\r\nPreInstall=X\r\n");
    WindowsRun run = RunWindows(exe, "/Log /ReplaceSettings " + WindowsPath(replacement));
    EXPECT_TRUE(run.started);
    EXPECT_TRUE(FileExists(replacement));
}

TEST_F(SettingsE2E, FileBesideAnExecutableWithoutEmbeddedSettings) {
    UsePackage("tests/packages/NoSettings.exe");
    WriteFile(folder + "/Settings.ini", "[default]\r\nPreInstall=X\r\n");
    std::filesystem::permissions(folder + "/Settings.ini", std::filesystem::perms::owner_read |
                                                               std::filesystem::perms::group_read |
                                                               std::filesystem::perms::others_read);
    WindowsRun run = RunWindows(exe, "/Log");
    EXPECT_TRUE(run.started) << run.output;
    const std::string log = Log();
    EXPECT_NE(log.find("GetSettingsFile - Failed to extract original Settings file to "), std::string::npos) << log;
    EXPECT_NE(log.find("GetSettingsFile - Found the Settings file under the source directory."),
              std::string::npos)
        << log;
    EXPECT_TRUE(FileExists(folder + "/Settings.ini"));
}

TEST_F(SettingsE2E, EmbeddedSettingsIgnoreAFileBeside) {
    WriteFile(folder + "/Settings.ini", "[default]\r\n");
    WindowsRun run = RunWindows(exe, "/Log");
    EXPECT_TRUE(run.started);
    const std::string log = Log();
    EXPECT_EQ(log.find("Found the Settings file under the source directory"), std::string::npos) << log;
}

}  // namespace
}  // namespace vl::e2e

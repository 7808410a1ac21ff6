// The settings file of a real package: the export, a replacement, the file
// beside an executable without embedded settings, and the temporary copy;
// folders, empty and held files where a settings file is expected.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "HeldFile.h"
#include "PackageTest.h"

namespace vl::e2e {
namespace {

std::string TempSettings() {
    return TempFolder() + "/Settings.ini";
}

// A Windows path as the robot prints it in a text (backslashes doubled).
std::string Escaped(const std::string& windowsPath) {
    std::string out;
    for (char c : windowsPath) out += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return out;
}

const std::string kMessage8 = "text=\"Failed to extract the settings file from resources.\"";

std::string Message10(const std::string& setupType) {
    return "text=\"There is an error in the settings file. The prerequisite installers or a main installer were "
           "not specified for the " + setupType + " setup type.\"";
}

class SettingsE2E : public PackageTest {
protected:
    void TearDown() override {
        PackageTest::TearDown();
        EXPECT_FALSE(FileExists(TempSettings())) << "a temporary Settings.ini was left behind";
    }

    // Runs the package under the robot while another process holds `held`
    // open without sharing (nothing is held when it is empty).
    void RunRobotHolding(const std::string& held, const std::string& arguments, CommandResult& robot) {
        std::unique_ptr<HeldFile> holder;
        if (!held.empty()) {
            holder = std::make_unique<HeldFile>(held);
            ASSERT_TRUE(holder->Holding()) << holder->Output();
        }
        robot = RunRobot(exe, "", arguments);
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
    std::filesystem::create_directory(folder + "/folder.ini");
    for (const char* name : {"none.ini", "folder.ini"}) {
        SCOPED_TRACE(name);
        const std::string path = WindowsPath(folder + "/" + std::string(name));
        CommandResult robot = RunRobot(exe, "", "/ReplaceSettings " + path);
        EXPECT_NE(robot.output.find("text=\"The file \\\"" + Escaped(path) + "\\\" could not be found.\""),
                  std::string::npos)
            << robot.output;
        EXPECT_NE(robot.output.find("exit code=13"), std::string::npos) << robot.output;
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder + "/folder.ini"));
}

// A replacement that exists but cannot be read as settings: an empty file,
// and a file another process holds open without sharing. The held file's
// attributes can still be read, so it passes as a file; the reader cannot
// open it, and the setup type has no section.
TEST_F(SettingsE2E, UnreadableReplacementShowsMessage10) {
    const std::string replacement = folder + "/mine.ini";
    for (bool held : {false, true}) {
        SCOPED_TRACE(held ? "held" : "empty");
        WriteFile(replacement, held ? "[default]\r\nPreInstall=X\r\n" : "");
        std::filesystem::remove(folder + "/VL_Setup_Package.log");
        CommandResult robot;
        ASSERT_NO_FATAL_FAILURE(
            RunRobotHolding(held ? replacement : "", "/Log /ReplaceSettings " + WindowsPath(replacement), robot));
        EXPECT_NE(robot.output.find(Message10("default")), std::string::npos) << robot.output;
        EXPECT_EQ(robot.output.find("window class=\"#32770\"", robot.output.find("window class=\"#32770\"") + 1),
                  std::string::npos)
            << "one box only\n" << robot.output;
        EXPECT_NE(robot.output.find("exit code=13"), std::string::npos) << robot.output;
        const std::string log = Log();
        EXPECT_NE(log.find("SetListSection - PreInstall key: . "), std::string::npos) << log;
        EXPECT_NE(log.find("DoSettings_Install - Failed to read the List section in Settings."), std::string::npos)
            << log;
        EXPECT_TRUE(FileExists(replacement));
    }
}

// 50 MB of settings, the setup type's section last: every filler section
// has the same keys, so only a reader that got to the end reports these.
TEST_F(SettingsE2E, LargeSettingsFileIsReadToItsEnd) {
    const std::string replacement = folder + "/large.ini";
    std::string bytes;
    const std::string pad(1000, 'x');
    for (int i = 0; bytes.size() < 50u * 1024 * 1024; ++i)
        bytes += "[Filler" + std::to_string(i) + "]\r\nPreInstall=Wrong\r\nName=Wrong\r\nReqOS=0\r\nPad=" + pad +
                 "\r\n";
    bytes += "[default]\r\nName=Last\r\nPreInstall=End1|End2\r\nReqOS=6.1\r\n";
    WriteFile(replacement, bytes);
    WindowsRun run = RunWindows(exe, "/Log /ReplaceSettings " + WindowsPath(replacement));
    EXPECT_EQ(run.exitCode, 13u) << run.output;
    const std::string log = Log();
    for (const char* line : {"SetListSection - PreInstall key: End1|End2. ", "SetListSection - Name key: Last. ",
                             "SetListSection - ReqOS key: 6.1. "})
        EXPECT_NE(log.find(line), std::string::npos) << line << "\n" << log;
    EXPECT_EQ(log.find("Wrong"), std::string::npos) << log;
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

// Without embedded settings, neither a folder called Settings.ini nor a
// Settings.ini another process holds open without sharing can serve; the
// Settings.ini an earlier run left in %TEMP% is never used in its place.
TEST_F(SettingsE2E, FileBesideThatCannotServeShowsMessage8) {
    UsePackage("tests/packages/NoSettings.exe");
    const std::string beside = folder + "/Settings.ini";
    for (bool held : {false, true}) {
        SCOPED_TRACE(held ? "held file" : "folder");
        std::filesystem::remove_all(beside);
        if (held) WriteFile(beside, "[default]\r\nPreInstall=Fresh\r\n");
        else std::filesystem::create_directory(beside);
        WriteFile(TempSettings(), "[default]\r\nPreInstall=Stale\r\n");
        std::filesystem::remove(folder + "/VL_Setup_Package.log");
        CommandResult robot;
        ASSERT_NO_FATAL_FAILURE(RunRobotHolding(held ? beside : "", "/Log", robot));
        EXPECT_NE(robot.output.find(kMessage8), std::string::npos) << robot.output;
        EXPECT_NE(robot.output.find("exit code=13"), std::string::npos) << robot.output;
        const std::string log = Log();
        EXPECT_NE(log.find("GetSettingsFile - Failed to extract original Settings file to "), std::string::npos)
            << log;
        EXPECT_EQ(log.find("Found the Settings file under the source directory"), std::string::npos) << log;
        EXPECT_EQ(log.find("Stale"), std::string::npos) << log;
        EXPECT_EQ(held, std::filesystem::is_regular_file(beside));
        // The stale copy sits at the path of the run's own temporary file,
        // which tear-down removes.
        EXPECT_FALSE(FileExists(TempSettings()));
        std::filesystem::remove(TempSettings());
    }
}

// An export that cannot be written: onto a folder, or into a folder that does
// not exist. Message 5 names the path; nothing is created or changed.
TEST_F(SettingsE2E, ExportThatCannotBeWrittenShowsMessage5) {
    std::filesystem::create_directory(folder + "/out.ini");
    WriteFile(folder + "/out.ini/keep.txt", "mine");
    for (const std::string& target : {folder + "/out.ini", folder + "/missing/out.ini"}) {
        SCOPED_TRACE(target);
        const std::string path = WindowsPath(target);
        CommandResult robot = RunRobot(exe, "", "/ExtractSettings " + path);
        EXPECT_NE(robot.output.find("text=\"Failed to extract the settings file to \\\"" + Escaped(path) +
                                    "\\\".\""),
                  std::string::npos)
            << robot.output;
        EXPECT_NE(robot.output.find("exit code=13"), std::string::npos) << robot.output;
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder + "/out.ini"));
    EXPECT_EQ(ReadFile(folder + "/out.ini/keep.txt"), "mine");
    EXPECT_FALSE(FileExists(folder + "/missing"));
}

}  // namespace
}  // namespace vl::e2e

// The language module of a real package: written to %TEMP%, loaded, removed;
// and the fallback error box when a replacement module cannot be had.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "PackageTest.h"

namespace vl::e2e {
namespace {

std::string TempFolder() {
    return std::string(std::getenv("WINEPREFIX")) + "/drive_c/users/" +
           (std::getenv("USER") ? std::getenv("USER") : "root") + "/Temp";
}

using LanguageE2E = PackageTest;

TEST_F(LanguageE2E, ModuleIsWrittenLoadedAndRemoved) {
    WindowsRun run = RunWindows(exe, "/Log");
    EXPECT_EQ(run.exitCode, 13u) << run.output;
    const std::string log = Log();
    EXPECT_NE(log.find("ExtractResource - Extracting the resource \"LANG_BOOTSTRAPPER\" of type \"LANGUAGE\""),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("InstallationBootstrapperLangsetup.exe.dll."), std::string::npos) << log;
    EXPECT_EQ(log.find("Failed"), std::string::npos) << log;
    EXPECT_FALSE(FileExists(TempFolder() + "/InstallationBootstrapperLangsetup.exe.dll"));
}

TEST_F(LanguageE2E, MissingReplacementShowsTheFallbackBox) {
    for (const std::string& args :
         {"/ReplaceLanguage " + WindowsPath(folder + "/missing.dll"), std::string("/ReplaceLanguage")}) {
        CommandResult robot = RunRobot(exe, "--report-class VLInstallationUtility_HiddenWnd", args);
        EXPECT_NE(robot.output.find("caption=\" Setup Package Error\""), std::string::npos) << robot.output;
        EXPECT_NE(robot.output.find("text=\"There was an error during the installation process.\""),
                  std::string::npos)
            << robot.output;
        EXPECT_NE(robot.output.find("class VLInstallationUtility_HiddenWnd exists=0"), std::string::npos)
            << robot.output;
        EXPECT_NE(robot.output.find("exit code=13"), std::string::npos) << robot.output;
    }
    EXPECT_FALSE(FileExists(TempFolder() + "/InstallationBootstrapperLangsetup.exe.dll"));
}

TEST_F(LanguageE2E, ReplacementModuleIsLoadedInPlaceAndKept) {
    const std::string module = folder + "/mine.dll";
    std::filesystem::copy_file(Win32File("package/language/InstallationBootstrapperLang.dll"), module);
    WindowsRun run = RunWindows(exe, "/Log /ReplaceLanguage " + WindowsPath(module));
    EXPECT_EQ(run.exitCode, 13u) << run.output;
    const std::string log = Log();
    EXPECT_NE(log.find("LoadResources - Language resource file: " + WindowsPath(module) + "."), std::string::npos)
        << log;
    EXPECT_EQ(log.find("ExtractResource - Extracting the resource \"LANG_BOOTSTRAPPER\""), std::string::npos)
        << "nothing written to the temporary folder for the language";
    EXPECT_TRUE(FileExists(module));
    EXPECT_FALSE(FileExists(TempFolder() + "/InstallationBootstrapperLangsetup.exe.dll"));
}

TEST_F(LanguageE2E, FileThatIsNotAModuleStopsAfterOneBox) {
    WriteFile(folder + "/bad.dll", "this is not a module");
    CommandResult robot = RunRobot(exe, "", "/ReplaceLanguage " + WindowsPath(folder + "/bad.dll"));
    std::size_t first = robot.output.find("window class=\"#32770\"");
    ASSERT_NE(first, std::string::npos) << robot.output;
    EXPECT_EQ(robot.output.find("window class=\"#32770\"", first + 1), std::string::npos) << robot.output;
    EXPECT_NE(robot.output.find("exit code=13"), std::string::npos) << robot.output;
    EXPECT_TRUE(FileExists(folder + "/bad.dll"));
}

}  // namespace
}  // namespace vl::e2e

#include <gtest/gtest.h>

#include <ostream>

#include "TestSupport.h"
#include "core/ResultCodes.h"

namespace vl::test {
namespace {

using Spine = BootstrapperTest;

TEST_F(Spine, ConstructionFixesPathsAndDirectories) {
    fake.registry.SetString("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir",
                            "C:\\Program Files (x86)");
    InstallationBootstrapper b(fake.platform, nullptr);
    EXPECT_STREQ(b.tempDirectory.c_str(), "C:\\Users\\me\\AppData\\Local\\Temp\\");
    EXPECT_STREQ(b.languageModulePath.c_str(),
                 "C:\\Users\\me\\AppData\\Local\\Temp\\InstallationBootstrapperLangsetup.exe.dll");
    EXPECT_STREQ(b.settingsFilePath.c_str(), "C:\\Users\\me\\AppData\\Local\\Temp\\Settings.ini");
    EXPECT_STREQ(b.sourceDirectory.c_str(), "C:\\pkg");
    EXPECT_STREQ(b.logFilePath.c_str(), "C:\\pkg\\VL_Setup_Package.log");
    EXPECT_STREQ(b.setupType.c_str(), "default");
    EXPECT_EQ(b.silentMode, 0u);
    EXPECT_STREQ(b.windowsDrive.c_str(), "C:");
    EXPECT_STREQ(b.programFilesDirectory.c_str(), "C:\\Program Files (x86)");
    EXPECT_STREQ(b.windowsDirectory.c_str(), "C:\\Windows");
    EXPECT_STREQ(b.system32Directory.c_str(), "C:\\Windows\\system32");
    EXPECT_EQ(b.osVersion.size, 148u);
    EXPECT_EQ(b.osVersion.majorVersion, 6u);
    EXPECT_EQ(b.isMsiInstaller, 1u);
    EXPECT_TRUE(b.settingsFileHandle == platform::kInvalidFile);
    EXPECT_NE(fake.ui.hookHandler, nullptr);
    EXPECT_FALSE(Process().keyboardHook.IsNull());
    EXPECT_FALSE(fake.files.Has(logPath)) << "no /Log, no file";
}

TEST_F(Spine, TemporaryDirectoryTakesItsLongForm) {
    fake.files.tempPath = "C:\\Users\\ME~1\\AppData\\Local\\Temp\\";
    fake.files.longTempPath = "C:\\Users\\me long\\AppData\\Local\\Temp\\";
    InstallationBootstrapper b(fake.platform, nullptr);
    EXPECT_STREQ(b.tempDirectory.c_str(), "C:\\Users\\me long\\AppData\\Local\\Temp\\");
}

struct SetupTypeCase {
    const char* name;
    const char* commandLine;
    const char* setupType;
    std::uint32_t silent;
};
inline void PrintTo(const SetupTypeCase& c, std::ostream* os) { *os << c.name; }


class SetupTypes : public BootstrapperTest, public ::testing::WithParamInterface<SetupTypeCase> {};

TEST_P(SetupTypes, FromTheCommandLine) {
    InstallationBootstrapper b(fake.platform, GetParam().commandLine);
    EXPECT_STREQ(b.setupType.c_str(), GetParam().setupType);
    EXPECT_EQ(b.silentMode, GetParam().silent);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetupTypes,
    ::testing::Values(SetupTypeCase{"None", "", "default", 0},
                      SetupTypeCase{"Silent", "/Type silent", "silent", 1},
                      SetupTypeCase{"QuietSilent", "/Type QuietsilentInstall", "QuietsilentInstall", 1},
                      SetupTypeCase{"CapitalSilentIsNot", "/Type Silent", "Silent", 0},
                      SetupTypeCase{"EmptyType", "/Type /Log", "", 0},
                      SetupTypeCase{"Repair", "-type Repair", "Repair", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Spine, DirectoryFallbacks) {
    fake.system.windowsDirectory = "";
    fake.system.systemDirectory = "";
    InstallationBootstrapper b(fake.platform, nullptr);
    EXPECT_STREQ(b.windowsDrive.c_str(), "C:");
    EXPECT_STREQ(b.programFilesDirectory.c_str(), "C:\\Program Files") << "key does not open";
    EXPECT_STREQ(b.windowsDirectory.c_str(), "C:\\Windows");
    EXPECT_STREQ(b.system32Directory.c_str(), "C:\\Windows\\System32");
}

TEST_F(Spine, DriveComesFromTheWindowsDirectory) {
    fake.system.windowsDirectory = "D:\\WINNT";
    fake.system.systemDirectory = "";
    fake.registry.AddKey("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion");
    InstallationBootstrapper b(fake.platform, nullptr);
    EXPECT_STREQ(b.windowsDrive.c_str(), "D:");
    EXPECT_STREQ(b.programFilesDirectory.c_str(), "") << "key opens, value missing";
    EXPECT_STREQ(b.system32Directory.c_str(), "D:\\Windows\\System32");
}

TEST_F(Spine, ProgramFilesValueWithoutTerminatorStaysBounded) {
    fake.registry.keys["HKLM\\Software\\Microsoft\\Windows\\CurrentVersion"]["ProgramFilesDir"] =
        fake::Registry::Value{platform::reg::kTypeString, std::string(260, 'p')};
    InstallationBootstrapper b(fake.platform, nullptr);
    EXPECT_EQ(b.programFilesDirectory.length(), 259u);
}

TEST_F(Spine, ExplicitLogPath) {
    InstallationBootstrapper b(fake.platform, "/Log \"C:\\my logs\\a.log\"");
    EXPECT_STREQ(b.logFilePath.c_str(), "C:\\my logs\\a.log");
}

TEST_F(Spine, UndeterminedTemporaryDirectoryComposesNoPaths) {
    // Without a complete temporary folder the language module and settings
    // paths stay empty rather than naming files of the current folder.
    for (const char* temp : {"", "relative\\", "C:\\no-trailing-backslash"}) {
        Process().Reset();
        fake.files.tempPath = temp;
        InstallationBootstrapper b(fake.platform, nullptr);
        EXPECT_STREQ(b.tempDirectory.c_str(), "") << temp;
        EXPECT_STREQ(b.languageModulePath.c_str(), "") << temp;
        EXPECT_STREQ(b.settingsFilePath.c_str(), "") << temp;
    }
    Process().Reset();
    fake.files.tempPathFails = true;
    InstallationBootstrapper b(fake.platform, nullptr);
    EXPECT_STREQ(b.settingsFilePath.c_str(), "");
}

TEST_F(Spine, OverlongComposedPathsAreRefusedNotCut) {
    fake.files.tempPath = "C:\\" + std::string(230, 't') + "\\";
    fake.files.AddDirectory(fake.files.tempPath);
    fake.modules.executablePath = "C:\\pkg\\" + std::string(40, 'n') + ".exe";
    InstallationBootstrapper b(fake.platform, nullptr);
    EXPECT_EQ(b.tempDirectory.length(), 234u);
    EXPECT_STREQ(b.languageModulePath.c_str(), "");
    EXPECT_STREQ(b.settingsFilePath.c_str(), (fake.files.tempPath + "Settings.ini").c_str());
}

TEST_F(Spine, UnknownExecutablePathLeavesNoDefaultLog) {
    fake.modules.executablePath = "C:\\" + std::string(300, 'x') + ".exe";  // cut by the call
    InstallationBootstrapper b(fake.platform, "/Log");
    EXPECT_STREQ(b.sourceDirectory.c_str(), "");
    EXPECT_STREQ(b.logFilePath.c_str(), "") << "never a log at the root of the drive";
    EXPECT_STREQ(b.languageModulePath.c_str(), "");
    EXPECT_EQ(b.RunBootstrapper(), code::kInvalidData);
    EXPECT_TRUE(fake.files.calls.empty() || fake.files.calls[0] == "GetTempPath");
}

TEST_F(Spine, ExecutableAtTheRootOfADrive) {
    fake.modules.executablePath = "E:\\setup.exe";
    InstallationBootstrapper b(fake.platform, nullptr);
    EXPECT_STREQ(b.sourceDirectory.c_str(), "E:\\");
    EXPECT_STREQ(b.logFilePath.c_str(), "E:\\\\VL_Setup_Package.log");
}

TEST_F(Spine, HookFailureIsTolerated) {
    fake.ui.hookFails = true;
    {
        InstallationBootstrapper b(fake.platform, nullptr);
        EXPECT_TRUE(Process().keyboardHook.IsNull());
    }
    for (const auto& call : fake.ui.calls) EXPECT_NE(call, "RemoveKeyboardHook");
}

TEST_F(Spine, PrepareRunGuardSkipsASecondPreparation) {
    InstallationBootstrapper b(fake.platform, nullptr);
    EXPECT_EQ(b.PrepareRun(), 1u);
    EXPECT_TRUE(Process().prepareRunGuard);
    EXPECT_EQ(b.PrepareRun(), 1u);
}

TEST_F(Spine, TearDownRemovesTheHook) {
    {
        InstallationBootstrapper b(fake.platform, nullptr);
    }
    EXPECT_EQ(fake.ui.calls.back(), "RemoveKeyboardHook");
    EXPECT_TRUE(Process().keyboardHook.IsNull());
}

}  // namespace
}  // namespace vl::test

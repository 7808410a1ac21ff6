// The language module of a real package: written to %TEMP%, loaded, removed;
// and the fallback error box when a replacement module cannot be had.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "PackageTest.h"

namespace vl::e2e {
namespace {

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
    // A folder of the module's name is no module either: it is refused as
    // missing, before any load is tried.
    std::filesystem::create_directory(folder + "/folder.dll");
    for (const std::string& args :
         {"/ReplaceLanguage " + WindowsPath(folder + "/missing.dll"), std::string("/ReplaceLanguage"),
          "/Log /ReplaceLanguage " + WindowsPath(folder + "/folder.dll")}) {
        SCOPED_TRACE(args);
        CommandResult robot = RunRobot(exe, "--report-class VLInstallationUtility_HiddenWnd", args);
        EXPECT_NE(robot.output.find("caption=\" Setup Package Error\""), std::string::npos) << robot.output;
        EXPECT_NE(robot.output.find("text=\"There was an error during the installation process.\""),
                  std::string::npos)
            << robot.output;
        EXPECT_NE(robot.output.find("class VLInstallationUtility_HiddenWnd exists=0"), std::string::npos)
            << robot.output;
        EXPECT_NE(robot.output.find("exit code=13"), std::string::npos) << robot.output;
    }
    const std::string log = Log();
    EXPECT_NE(log.find("ReplaceLanguage - Could not find the replacement Language file."), std::string::npos) << log;
    EXPECT_EQ(log.find("LoadResources - Language resource file:"), std::string::npos) << log;
    EXPECT_TRUE(std::filesystem::is_directory(folder + "/folder.dll"));
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

// The probe module holds one resource of each kind the program takes from a
// language module, and an entry point that writes PROBE_MARKER when it runs.
std::string ProbeModule() { return Win32File("tests/modules/probe_module.dll"); }

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

TEST_F(LanguageE2E, ResourcesOfAModuleMappedAsResourcesMatchANormalLoad) {
    const std::string marker = folder + "/marker.txt";
    CommandResult probe = RunWine(Win32File("tests/tools/module_probe.exe"),
                                  ShellQuote(WindowsPath(ProbeModule())) + " " + ShellQuote(WindowsPath(marker)));
    EXPECT_EQ(probe.status, 0) << probe.output;
    for (const char* line :
         {"load resources 0x2: marker=absent", "load resources 0x22: marker=absent", "load code: marker=present",
          "  string 1: same \"Probe Module Caption\"", "  string 10: same \"Probe text ten for %s.\"",
          "  string 42: same \"A string with a\\r\\nline break and \\\"quotes\\\".\"",
          "  dialog template: same 260 bytes",
          "  dialog window: same \"Probe Dialog\"; 1001 Static", "icon=yes; 1002 Static \"Probe static text\"; "
                                                               "1003 Edit \"\"; 1 Button \"OK\"",
          "  icon group: same 20 bytes", "  icon handle: same 16x16 32 bits", "  wave: same 844 bytes"})
        EXPECT_NE(probe.output.find(line), std::string::npos) << line << "\n" << probe.output;
    EXPECT_EQ(probe.output.find("DIFFERENT"), std::string::npos) << probe.output;
    EXPECT_EQ(Count(probe.output, "icon image: same 1128 bytes"), 2u) << probe.output;
}

// A module whose entry point would leave a mark, as the package's own
// language and as a replacement: its strings are shown, its code never runs.
TEST_F(LanguageE2E, EntryPointOfTheLanguageModuleNeverRuns) {
    const std::string marker = folder + "/marker.txt";
    const std::string module = folder + "/probe.dll";
    std::filesystem::copy_file(ProbeModule(), module);
    setenv("PROBE_MARKER", WindowsPath(marker).c_str(), 1);
    struct Route {
        const char* name;
        std::string package;
        std::string arguments;
    };
    const std::vector<Route> routes = {
        {"embedded", "tests/modules/ProbePackage.exe", "/Type nosuch"},
        {"replacement", "package/InstallationBootstrapper.exe", "/Type nosuch /ReplaceLanguage " + WindowsPath(module)},
    };
    for (const Route& route : routes) {
        SCOPED_TRACE(route.name);
        std::filesystem::copy_file(Win32File(route.package), exe, std::filesystem::copy_options::overwrite_existing);
        CommandResult robot = RunRobot(exe, "", route.arguments);
        EXPECT_NE(robot.output.find("caption=\"Probe Module Caption\""), std::string::npos) << robot.output;
        EXPECT_NE(robot.output.find("text=\"Probe text ten for nosuch.\""), std::string::npos) << robot.output;
        EXPECT_NE(robot.output.find("exit code=13"), std::string::npos) << robot.output;
        EXPECT_FALSE(FileExists(marker)) << "the module's entry point ran";
        EXPECT_FALSE(FileExists(TempFolder() + "/InstallationBootstrapperLangsetup.exe.dll"));
    }
    unsetenv("PROBE_MARKER");
    EXPECT_TRUE(FileExists(module));
}

// Modules a translator or a damaged download could produce: each stops the
// run after one clear box, with the fallback texts wherever the module has
// none, and leaves nothing in %TEMP%.
TEST_F(LanguageE2E, BrokenModulesStopAfterOneClearBox) {
    const std::string probe = ReadFile(ProbeModule());
    struct Case {
        const char* name;
        std::string bytes;
        std::string caption;  // the expected caption, or the start of it
        std::string text;     // the start of the expected text
    };
    const std::string fallbackCaption = "caption=\" Setup Package Error\"";
    const std::string fallbackText = "text=\"There was an error during the installation process.\"";
    const std::vector<Case> cases = {
        {"empty file", "", fallbackCaption, fallbackText},
        {"truncated module", probe.substr(0, probe.size() / 2), fallbackCaption, fallbackText},
        {"no string table", ReadFile(Win32File("tests/modules/nostrings_module.dll")), fallbackCaption,
         fallbackText},
        {"hostile strings", ReadFile(Win32File("tests/modules/hostile_module.dll")),
         "caption=\"" + std::string(98, 'C') + "\"", "text=\"Ten "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string module = folder + "/module.dll";
        WriteFile(module, c.bytes);
        CommandResult robot = RunRobot(exe, "", "/Type nosuch /ReplaceLanguage " + WindowsPath(module));
        EXPECT_EQ(Count(robot.output, "window class=\"#32770\""), 1u) << robot.output;
        EXPECT_NE(robot.output.find(c.caption), std::string::npos) << robot.output;
        EXPECT_NE(robot.output.find(c.text), std::string::npos) << robot.output;
        EXPECT_NE(robot.output.find("exit code=13"), std::string::npos) << robot.output;
        EXPECT_FALSE(FileExists(TempFolder() + "/InstallationBootstrapperLangsetup.exe.dll"));
        EXPECT_FALSE(FileExists(TempFolder() + "/Settings.ini"));
    }
}

// The hostile module's texts are cut where the box's buffers end: the
// caption is loaded with a limit of 99 (98 characters), the message format
// with a limit of 999 (998 characters: "Ten ", 55 characters of directives,
// a blank and 938 of the 4,000 "x"), and the directives without arguments
// give nothing to read.
TEST_F(LanguageE2E, HostileTextsAreCutToTheBoxBuffers) {
    const std::string module = folder + "/hostile.dll";
    std::filesystem::copy_file(Win32File("tests/modules/hostile_module.dll"), module);
    CommandResult robot = RunRobot(exe, "", "/Type nosuch /ReplaceLanguage " + WindowsPath(module));
    EXPECT_NE(robot.output.find("caption=\"" + std::string(98, 'C') + "\""), std::string::npos) << robot.output;
    const std::size_t at = robot.output.find("control id=65535 class=\"Static\" text=\"Ten ");
    ASSERT_NE(at, std::string::npos) << robot.output;
    const std::size_t start = robot.output.find("text=\"", at) + 6;
    const std::size_t end = robot.output.find("\" visible=", start);
    const std::string text = robot.output.substr(start, end - start);
    EXPECT_EQ(text.substr(0, 11), "Ten nosuch ") << text;
    EXPECT_EQ(text.size() - text.find('x'), 938u) << text;
    EXPECT_EQ(text.find_first_not_of('x', text.find('x')), std::string::npos) << text;
}

// A second instance started from an executable of the same name while the
// first holds its module mapped cannot replace that file: it stops at the
// extraction with a log line only, and the first goes on undisturbed.
TEST_F(LanguageE2E, SecondInstanceCannotReplaceAMappedModule) {
    const std::string release = folder + "/release";
    BackgroundRobot first(exe, "--answer until:" + WindowsPath(release) + ",enter", "/Log /Type nosuch");
    ASSERT_TRUE(WaitForText(folder + "/VL_Setup_Package.log", "SetListSection - No prerequisite installers"))
        << first.Report();
    const std::string other = MakeTestFolder("SecondInstanceOther");
    std::filesystem::copy_file(exe, other + "/setup.exe");
    CommandResult second = RunRobot(other + "/setup.exe", "", "/Log");
    EXPECT_EQ(second.output.find("window class=\"#32770\""), std::string::npos) << "no box: " << second.output;
    EXPECT_NE(second.output.find("exit code=13"), std::string::npos) << second.output;
    const std::string log = ReadFile(other + "/VL_Setup_Package.log");
    EXPECT_NE(log.find("ExtractResource - Failed to create the resource output file. Error: 32 "),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("LoadResources - Failed to extract language resource file."), std::string::npos) << log;
    EXPECT_EQ(log.find("FirstInstance"), std::string::npos) << log;
    std::filesystem::remove_all(other);

    WriteFile(release, "");
    const std::string report = first.Finish();
    EXPECT_NE(report.find("text=\"There is an error in the settings file."), std::string::npos) << report;
    EXPECT_NE(report.find("exit code=13"), std::string::npos) << report;
    EXPECT_FALSE(FileExists(TempFolder() + "/InstallationBootstrapperLangsetup.exe.dll"));
}

}  // namespace
}  // namespace vl::e2e

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

#include "TestSupport.h"
#include "core/ResultCodes.h"
#include "settings/CodeListParser.h"

namespace vl::test {
namespace {

class Sections : public BootstrapperTest {
protected:
    // A bootstrapper whose settings file (the temporary copy) holds ini.
    InstallationBootstrapper& Make(const std::string& ini, const char* commandLine = "/Log") {
        fake.files.AddFile(tempSettingsPath, ini);
        b = std::make_unique<InstallationBootstrapper>(fake.platform, commandLine);
        EXPECT_EQ(b->LoadResources(), 0u);
        return *b;
    }
    std::vector<std::string> LogSince(std::size_t from) const {
        auto log = Log();
        return std::vector<std::string>(log.begin() + static_cast<long>(std::min(from, log.size())), log.end());
    }
    std::unique_ptr<InstallationBootstrapper> b;
};

TEST_F(Sections, SetupTypeSectionReadAsWritten) {
    auto& boot = Make(
        "[repair]\r\nPreInstall = |A||B| \r\nMainInstall=Main\r\nWelcomeDlg=yesterday\r\nWelcomeWave=y\r\n"
        "ReqPermission = ADMIN\r\nRebootWave=YES\r\nShowProgressBar=true\r\nRestartProductDlg=Yes\r\n"
        "FinishInstallDlg=1\r\nRemoveShared=yes\r\nReqOS=6.0.6001\r\nReqPlatform=X64bitLong\r\n",
        "/Log /Type Repair");
    const std::size_t before = Log().size();
    EXPECT_EQ(boot.SetListSection(), 0u);
    EXPECT_STREQ(boot.listSection.preInstall.c_str(), "|A||B|");
    EXPECT_STREQ(boot.productName.c_str(), "Main") << "no Name: the main installer";
    EXPECT_EQ(boot.listSection.listFlags,
              ListWelcomeDlg | ListRebootWave | ListRestartProductDlg | ListRemoveShared);
    EXPECT_STREQ(boot.listSection.reqPermission.c_str(), "admin");
    EXPECT_STREQ(boot.listSection.reqOS.c_str(), "6.0.6001");
    EXPECT_STREQ(boot.listSection.reqPlatform.c_str(), "x64bitlo") << "read with 9";
    EXPECT_EQ(LogSince(before),
              (std::vector<std::string>{
                  "SetListSection - Setup type: Repair.", "SetListSection - PreInstall key: |A||B|.",
                  "SetListSection - MainInstall key: Main.", "SetListSection - Name key: .",
                  "SetListSection - WelcomeDlg key: yes.", "SetListSection - WelcomeWave key: y.",
                  "SetListSection - ReqPermission key: ADMIN.", "SetListSection - RebootWave key: YES.",
                  "SetListSection - ShowProgressBar key: tru.", "SetListSection - RestartProductDlg key: Yes.",
                  "SetListSection - FinishInstallDlg key: 1.", "SetListSection - RemoveShared key: yes.",
                  "SetListSection - ReqOS key: 6.0.6001.", "SetListSection - ReqPlatform key: X64bitLo."}));
}

TEST_F(Sections, NameAndWidths) {
    auto& boot = Make("[default]\r\nName=Lectra\r\nPreInstall=" + std::string(1200, 'p') + "\r\n");
    EXPECT_EQ(boot.SetListSection(), 0u);
    EXPECT_STREQ(boot.productName.c_str(), "Lectra");
    EXPECT_EQ(boot.listSection.preInstall.length(), 998u);
}

TEST_F(Sections, SetupTypeWithoutInstallers) {
    for (const char* ini : {"[default]\r\nName=x\r\n", "[other]\r\nPreInstall=A\r\n"}) {
        Process().Reset();
        fake.ui.boxes.clear();
        auto& boot = Make(ini, "/Log");
        fake.modules.executable.resources[fake::Modules::Key(
            platform::ResourceId::Named("TEXT"), platform::ResourceId::Named("SETTINGS_INI"))] = ini;
        EXPECT_EQ(boot.RunBootstrapper(), 13u);
        ASSERT_EQ(fake.ui.boxes.size(), 1u) << ini;
        EXPECT_EQ(fake.ui.boxes[0].text,
                  "There is an error in the settings file. The prerequisite installers or a main installer "
                  "were not specified for the default setup type.");
        auto log = Log();
        EXPECT_NE(std::find(log.begin(), log.end(),
                            "SetListSection - No prerequisite installers nor a main installer was specified for "
                            "the default setup type.  At least one must be specified."),
                  log.end());
        EXPECT_NE(std::find(log.begin(), log.end(), "DoSettings_Install - Failed to read the List section in Settings."),
                  log.end());
        b.reset();
        fake.files.files.erase(logPath);
    }
}

TEST_F(Sections, SilentSetupTypeShowsNoBox) {
    embeddedSettings = "[quietsilent]\r\nName=x\r\n";
    InstallLanguageModule();
    auto& boot = Make(embeddedSettings, "/Log /Type quietsilent");
    EXPECT_EQ(boot.RunBootstrapper(), 13u);
    auto log = Log();
    EXPECT_NE(std::find(log.begin(), log.end(), "DoSettings_Install - Failed to read the List section in Settings."),
              log.end());
    EXPECT_TRUE(fake.ui.boxes.empty());
}

TEST_F(Sections, NoSettingsFileOrType) {
    auto& boot = Make("[default]\r\nPreInstall=A\r\n", "/Log /Type /Log");
    EXPECT_EQ(boot.SetListSection(), 13u);
    EXPECT_EQ(Log().back(), "SetListSection - Setup type is undefined.");
    fake.files.files.erase(tempSettingsPath);
    EXPECT_EQ(boot.SetListSection(), 2u);
}

// Every reader of the settings file refuses a path that names no file, a
// folder of that name included: the sequence with message 9, the readers
// without a box.
TEST_F(Sections, SettingsPathThatNamesNoFile) {
    for (bool folder : {false, true}) {
        SCOPED_TRACE(folder ? "folder" : "missing");
        auto& boot = Make("[default]\r\nPreInstall=A\r\n[A]\r\nName=A\r\nFile=a.exe\r\n");
        fake.files.files.erase(tempSettingsPath);
        if (folder) fake.files.AddDirectory(tempSettingsPath);
        fake.ui.boxes.clear();
        const std::size_t before = Log().size();
        EXPECT_EQ(boot.SetListSection(), 2u);
        EXPECT_EQ(boot.SetInstallerSection("A"), 2u);
        EXPECT_TRUE(fake.ui.boxes.empty());
        EXPECT_EQ(boot.DoSettings_Install(), 2u);
        ASSERT_EQ(fake.ui.boxes.size(), 1u);
        EXPECT_EQ(fake.ui.boxes[0].text, "There are no settings to run the setup package.");
        EXPECT_EQ(LogSince(before),
                  (std::vector<std::string>{"Reading installer-specific section A.",
                                            "DoSettings_Install - Settings file: " + tempSettingsPath + ".",
                                            "DoSettings_Install - No Settings file to run."}));
        b.reset();
        fake.files.directories.erase(tempSettingsPath);
    }
}

TEST_F(Sections, InstallerSectionReadAsWritten) {
    auto& boot = Make(
        "[Lectra]\r\nName=Lectra Core\r\nFile=MsiExec.EXE\r\nArguments=/i Lectra.msi\r\nReboot=IMMEDIATE\r\n"
        "RebootCodes=3010|1641\r\nFailCodes=1603||x\r\nPlayTone=30\r\nForceRun=yes\r\nAddSourceDir=YES\r\n"
        "DoNotExtract=no\r\nCheckExistence=Platform|4|64\r\nProgramCompatibility=yes\r\nReinstallCodes=-1|99999999999\r\n");
    EXPECT_EQ(boot.SetInstallerSection("Lectra"), 0u);
    const InstallerSection& s = boot.installerSection;
    EXPECT_EQ(boot.currentInstallerName, "Lectra");
    EXPECT_STREQ(s.installerName.c_str(), "Lectra Core");
    EXPECT_STREQ(s.installerFile.c_str(), "msiexec.exe");
    EXPECT_STREQ(s.rebootMode.c_str(), "immediate");
    EXPECT_EQ(s.rebootCodes.count, 2u);
    EXPECT_EQ(s.failCodes.count, 2u);
    EXPECT_EQ(s.failCodes.codes[1], 0u) << "x reads as 0";
    EXPECT_EQ(s.reinstallCodes.codes[0], 4294967295u);
    EXPECT_EQ(s.reinstallCodes.codes[1], 4294967295u);
    EXPECT_EQ(s.playTone, 30);
    EXPECT_EQ(s.installerFlags, InstallerForceRun | InstallerAddSourceDir | InstallerProgramCompatibility);
    EXPECT_STREQ(s.checkExistence.c_str(), "Platform|4|64");
    auto log = Log();
    EXPECT_NE(std::find(log.begin(), log.end(), "SetInstallerSection - PlayTone key: 30."), log.end());
    EXPECT_NE(std::find(log.begin(), log.end(), "SetInstallerSection - File key: MsiExec.EXE."), log.end());
}

TEST_F(Sections, MissingRebootGivesDefer) {
    auto& boot = Make("[A]\r\nName=A\r\nFile=a.exe\r\n");
    EXPECT_EQ(boot.SetInstallerSection("A"), 0u);
    EXPECT_STREQ(boot.installerSection.rebootMode.c_str(), "defer");
}

struct InstallerErrorCase {
    const char* name;
    const char* ini;
    const char* section;
    std::uint32_t result;
    const char* text;
};
inline void PrintTo(const InstallerErrorCase& c, std::ostream* os) { *os << c.name; }

class InstallerErrors : public Sections, public ::testing::WithParamInterface<InstallerErrorCase> {};

TEST_P(InstallerErrors, MessageAndResult) {
    auto& boot = Make(GetParam().ini);
    EXPECT_EQ(boot.SetInstallerSection(GetParam().section), GetParam().result);
    if (GetParam().text == nullptr) {
        EXPECT_TRUE(fake.ui.boxes.empty());
    } else {
        ASSERT_EQ(fake.ui.boxes.size(), 1u);
        EXPECT_EQ(fake.ui.boxes[0].text, GetParam().text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InstallerErrors,
    ::testing::Values(
        InstallerErrorCase{"EmptyName", "[A]\r\nName=A\r\n", "", 13, nullptr},
        InstallerErrorCase{"MissingSection", "[A]\r\nName=A\r\n", "B", 13,
                           "There is an error in the settings file.  The section \"B\" does not exist."},
        InstallerErrorCase{"OnlyComments", "[B]\r\n; nothing\r\n", "B", 13,
                           "There is an error in the settings file.  The section \"B\" does not exist."},
        InstallerErrorCase{"NoName", "[B]\r\nFile=x\r\n", "B", 161,
                           "There is an error in the settings file.  The \"Name\" key was not found under the B "
                           "section.  This key is required."},
        InstallerErrorCase{"NoFile", "[B]\r\nName=x\r\n", "B", 161,
                           "There is an error in the settings file.  The \"File\" key was not found under the B "
                           "section.  This key is required."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CodeLists, Conversions) {
    struct Row {
        const char* text;
        std::vector<std::uint32_t> codes;
    };
    for (const Row& row : std::vector<Row>{{"1603|1618", {1603, 1618}},
                                           {"1603||", {1603}},
                                           {"x", {0}},
                                           {"", {}},
                                           {" 12abc| +7|-1", {12, 7, 4294967295u}},
                                           {"4294967296", {4294967295u}}}) {
        CodeList list;
        ParseCodeList(row.text, list);
        EXPECT_EQ(std::vector<std::uint32_t>(list.codes, list.codes + list.count), row.codes) << row.text;
    }
    std::string many;
    for (int i = 0; i < 60; ++i) many += "1|";
    CodeList list;
    ParseCodeList(many.c_str(), list);
    EXPECT_EQ(list.count, 49u);
}

TEST_F(Sections, PathVariables) {
    fake.registry.SetString("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir",
                            "C:\\Program Files");
    InstallationBootstrapper boot(fake.platform, nullptr);
    struct Row {
        const char* in;
        const char* out;
    };
    for (const Row& row : std::vector<Row>{
             {"$(ProgramFiles)\\Vendor\\app.exe", "C:\\Program Files\\Vendor\\app.exe"},
             {"$(windows)\\x", "C:\\Windows\\x"},
             {"$(System32)\\drivers", "C:\\Windows\\system32\\drivers"},
             {"$(WinDrive))\\boot.ini", "C:\\boot.ini"},
             {"$(WinDrive)\\boot.ini", "$(WinDrive)\\boot.ini"},
             {"\\\\server\\share\\f", "server\\share\\f"},
             {"C:\\dir\\", "C:\\dir"},
             {"x$(Windows)\\y", "x$(Windows)\\y"},
             {"\\\\\\", "\\\\\\"}}) {
        char out[260];
        boot.ReplaceVarPaths(row.in, out, 259);
        EXPECT_STREQ(out, row.out) << row.in;
    }
    char small[10];
    boot.ReplaceVarPaths("$(ProgramFiles)\\Vendor", small, 10);
    EXPECT_STREQ(small, "C:\\Progra");
}

}  // namespace
}  // namespace vl::test

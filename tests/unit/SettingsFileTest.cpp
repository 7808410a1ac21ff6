#include <gtest/gtest.h>

#include <algorithm>

#include "TestSupport.h"
#include "core/ResultCodes.h"

namespace vl::test {
namespace {

class SettingsFile : public BootstrapperTest {
protected:
    bool Logged(const std::string& line) const {
        auto log = Log();
        return std::find(log.begin(), log.end(), line) != log.end();
    }
    void RemoveEmbeddedSettings() {
        fake.modules.executable.resources.erase(fake::Modules::Key(
            platform::ResourceId::Named("TEXT"), platform::ResourceId::Named("SETTINGS_INI")));
    }
    const std::string besideExe = "C:\\pkg\\Settings.ini";
    const std::string copyPath = "C:\\Users\\me\\AppData\\Local\\Temp\\\\Settings.ini";
};

TEST_F(SettingsFile, EmbeddedCopyIsUsedHeldAndDeleted) {
    fake.files.AddFile(besideExe, "[default]\r\nMainInstall=Other\r\n");
    {
        InstallationBootstrapper b(fake.platform, "/Log");
        EXPECT_EQ(b.PrepareRun(), 1u);
        EXPECT_STREQ(b.settingsFilePath.c_str(), tempSettingsPath.c_str());
        EXPECT_EQ(fake.files.Bytes(tempSettingsPath), embeddedSettings) << "the file beside is ignored";
        EXPECT_FALSE(b.settingsFileHandle == platform::kInvalidFile);
        EXPECT_EQ(fake.files.files[tempSettingsPath].openCount, 1u);
        b.ReleaseSettingsFile();
        EXPECT_TRUE(b.settingsFileHandle == platform::kInvalidFile);
    }
    EXPECT_FALSE(fake.files.Has(tempSettingsPath));
    EXPECT_TRUE(fake.files.Has(besideExe));
    EXPECT_EQ(fake.files.OpenHandleCount(), 0u);
}

TEST_F(SettingsFile, ReadOnlyFileBesideTheExecutableIsCopiedWritable) {
    RemoveEmbeddedSettings();
    fake.files.AddFile(besideExe, "[default]\r\n", platform::file::kAttributeReadOnly);
    {
        InstallationBootstrapper b(fake.platform, "/Log");
        EXPECT_EQ(b.GetSettingsFile(), 0u);
        EXPECT_STREQ(b.settingsFilePath.c_str(), copyPath.c_str());
        EXPECT_EQ(fake.files.files[copyPath].attributes & platform::file::kAttributeReadOnly, 0u);
        auto log = Log();
        ASSERT_GE(log.size(), 3u);
        EXPECT_EQ(std::vector<std::string>(log.end() - 3, log.end()),
                  (std::vector<std::string>{
                      "GetSettingsFile - Failed to extract original Settings file to " + tempSettingsPath +
                          ". Error: 1814.",
                      "GetSettingsFile - Made the temp Settings file writeable.",
                      "GetSettingsFile - Found the Settings file under the source directory."}));
    }
    EXPECT_FALSE(fake.files.Has(copyPath)) << "no copy left behind";
    EXPECT_TRUE(fake.files.Has(besideExe));
}

TEST_F(SettingsFile, AttributeThatCannotBeClearedIsLogged) {
    RemoveEmbeddedSettings();
    fake.files.AddFile(besideExe, "[default]\r\n", platform::file::kAttributeReadOnly);
    fake.files.writeErrors[copyPath] = 5;
    InstallationBootstrapper b(fake.platform, "/Log");
    EXPECT_EQ(b.GetSettingsFile(), 0u);
    EXPECT_TRUE(Logged("GetSettingsFile - Failed to make the temp Settings file writeable. Error: 5"));
}

TEST_F(SettingsFile, NoSettingsAnywhere) {
    RemoveEmbeddedSettings();
    InstallationBootstrapper b(fake.platform, "/Log");
    EXPECT_EQ(b.RunBootstrapper(), 13u);
    ASSERT_EQ(fake.ui.boxes.size(), 1u);
    EXPECT_EQ(fake.ui.boxes[0].text, "Failed to extract the settings file from resources.");
    EXPECT_EQ(fake.ui.boxes[0].caption, "Veltrane Installation Error");
}

TEST_F(SettingsFile, FolderBesideTheExecutableIsNoCandidate) {
    RemoveEmbeddedSettings();
    fake.files.AddDirectory(besideExe);
    {
        InstallationBootstrapper b(fake.platform, nullptr);
        EXPECT_EQ(b.RunBootstrapper(), 13u);
    }
    ASSERT_EQ(fake.ui.boxes.size(), 1u);
    EXPECT_EQ(fake.ui.boxes[0].text, "Failed to extract the settings file from resources.");
    for (const auto& call : fake.files.calls) EXPECT_NE(call.rfind("CopyFile", 0), 0u) << call;
    EXPECT_TRUE(fake.files.directories.count(besideExe));
}

// A copy that cannot be made shows message 8, even when an earlier run left
// a Settings.ini at the copy path: that file belongs to another package or
// another version, and must never be read in place of the one beside.
struct FailedCopyCase {
    const char* name;
    std::uint32_t copyError;  // 0: another process holds the file without sharing
};
inline void PrintTo(const FailedCopyCase& c, std::ostream* os) { *os << c.name; }

class FailedCopy : public SettingsFile, public ::testing::WithParamInterface<FailedCopyCase> {};

TEST_P(FailedCopy, NeverFallsBackOnAStaleCopy) {
    RemoveEmbeddedSettings();
    fake.files.AddFile(besideExe, "[default]\r\nPreInstall=Fresh\r\n");
    fake.files.AddFile(copyPath, "[default]\r\nPreInstall=Stale\r\n");
    if (GetParam().copyError != 0) {
        fake.files.createErrors[copyPath] = GetParam().copyError;
    } else {
        auto holder = fake.files.CreateFile(besideExe.c_str(), platform::file::kGenericRead, 0,
                                            platform::file::kOpenExisting, 0);
        ASSERT_TRUE(holder.ok);
    }
    {
        InstallationBootstrapper b(fake.platform, "/Log");
        EXPECT_EQ(b.RunBootstrapper(), 13u);
        EXPECT_STRNE(b.settingsFilePath.c_str(), copyPath.c_str());
        EXPECT_TRUE(b.settingsFileHandle == platform::kInvalidFile) << "no file opened";
    }
    ASSERT_EQ(fake.ui.boxes.size(), 1u);
    EXPECT_EQ(fake.ui.boxes[0].text, "Failed to extract the settings file from resources.");
    for (const auto& line : Log()) {
        EXPECT_EQ(line.find("Found the Settings file"), std::string::npos) << line;
        EXPECT_EQ(line.find("Stale"), std::string::npos) << line;
    }
    // The stale file lies at the run's own temporary path (the copy path
    // with its doubled backslash names it too), which tear-down removes.
    EXPECT_FALSE(fake.files.Has(tempSettingsPath));
}

INSTANTIATE_TEST_SUITE_P(Causes, FailedCopy,
                         ::testing::Values(FailedCopyCase{"HeldWithoutSharing", 0},
                                           FailedCopyCase{"CopyRefused", 5}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsFile, UnknownFoldersNeverReachOtherFiles) {
    RemoveEmbeddedSettings();
    fake.files.tempPath = "";
    fake.files.AddFile("\\Settings.ini", "x");
    fake.files.AddFile(besideExe, "[default]\r\n");
    {
        InstallationBootstrapper b(fake.platform, nullptr);
        EXPECT_EQ(b.GetSettingsFile(), 2u);
    }
    for (const auto& call : fake.files.calls) {
        EXPECT_EQ(call.rfind("CopyFile", 0), std::string::npos) << call;
        EXPECT_EQ(call.rfind("DeleteFile", 0), std::string::npos) << call;
    }
    EXPECT_TRUE(fake.files.Has("\\Settings.ini"));
}

TEST_F(SettingsFile, ReplacementIsUsedInPlaceAndKept) {
    fake.files.AddFile("C:\\x\\s.ini", "[default]\r\n");
    {
        InstallationBootstrapper b(fake.platform, "/Log /ReplaceSettings \"C:\\x\\s.ini\"");
        EXPECT_EQ(b.PrepareRun(), 1u);
        EXPECT_STREQ(b.settingsFilePath.c_str(), "C:\\x\\s.ini");
        EXPECT_TRUE(Logged("ReplaceSettings - Replacement settings file: C:\\x\\s.ini."));
    }
    EXPECT_TRUE(fake.files.Has("C:\\x\\s.ini"));
    EXPECT_FALSE(fake.files.Has(tempSettingsPath));
}

struct ReplaceSettingsCase {
    const char* name;
    const char* commandLine;
    std::uint32_t result;
    const char* text;
    const char* logLine;
};
inline void PrintTo(const ReplaceSettingsCase& c, std::ostream* os) { *os << c.name; }

class ReplaceSettingsFailures : public SettingsFile,
                                public ::testing::WithParamInterface<ReplaceSettingsCase> {};

TEST_P(ReplaceSettingsFailures, MessageAndResult) {
    fake.files.AddDirectory("C:\\x\\folder.ini");
    InstallationBootstrapper b(fake.platform, GetParam().commandLine);
    ASSERT_EQ(b.LoadResources(), 0u);
    EXPECT_EQ(b.GetSettingsFile(), GetParam().result) << CodeName(GetParam().result);
    ASSERT_EQ(fake.ui.boxes.size(), 1u);
    EXPECT_EQ(fake.ui.boxes[0].text, GetParam().text);
    EXPECT_TRUE(Logged(GetParam().logLine));
    EXPECT_TRUE(b.settingsFileHandle == platform::kInvalidFile) << "no file opened";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceSettingsFailures,
    ::testing::Values(
        ReplaceSettingsCase{"NoFileName", "/Log /ReplaceSettings", 161,
                            "An initialization file was not specified with the ReplaceSettings command-line argument.",
                            "ReplaceSettings - ReplaceSettings was chosen but no file was specified."},
        ReplaceSettingsCase{"MissingFile", "/Log /ReplaceSettings C:\\x\\s.ini", 2,
                            "The file \"C:\\x\\s.ini\" could not be found.",
                            "GetSettingsFile - Failed to replace settings file with C:\\x\\s.ini."},
        ReplaceSettingsCase{"Folder", "/Log /ReplaceSettings C:\\x\\folder.ini", 2,
                            "The file \"C:\\x\\folder.ini\" could not be found.",
                            "ReplaceSettings - Could not find the replacement settings file."}),
    [](const auto& info) { return std::string(info.param.name); });

// A replacement that exists but yields no setup-type section: the run stops
// at the section with message 10 naming the setup type.
struct UnreadableCase {
    const char* name;
    const char* type;
    const char* bytes;
    bool held;  // another process holds the file open without sharing
};
inline void PrintTo(const UnreadableCase& c, std::ostream* os) { *os << c.name; }

class UnreadableReplacement : public SettingsFile,
                              public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(UnreadableReplacement, ShowsMessage10WithTheSetupType) {
    fake.files.AddFile("C:\\x\\s.ini", GetParam().bytes);
    if (GetParam().held) {
        auto holder = fake.files.CreateFile("C:\\x\\s.ini", platform::file::kGenericRead, 0,
                                            platform::file::kOpenExisting, 0);
        ASSERT_TRUE(holder.ok);
    }
    const std::string commandLine =
        std::string("/Log /Type ") + GetParam().type + " /ReplaceSettings C:\\x\\s.ini";
    {
        InstallationBootstrapper b(fake.platform, commandLine.c_str());
        EXPECT_EQ(b.RunBootstrapper(), 13u);
    }
    ASSERT_EQ(fake.ui.boxes.size(), 1u);
    EXPECT_EQ(fake.ui.boxes[0].text,
              std::string("There is an error in the settings file. The prerequisite installers or a main "
                          "installer were not specified for the ") +
                  GetParam().type + " setup type.");
    EXPECT_TRUE(Logged("DoSettings_Install - Failed to read the List section in Settings."));
    EXPECT_TRUE(fake.files.Has("C:\\x\\s.ini"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnreadableReplacement,
    ::testing::Values(UnreadableCase{"Empty", "default", "", false},
                      UnreadableCase{"EmptyOtherType", "Repair", "", false},
                      UnreadableCase{"HeldWithoutSharing", "default", "[default]\r\nPreInstall=A\r\n", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsFile, ExportWritesTheEmbeddedCopyAndStops) {
    fake.files.AddFile("C:\\x\\out.ini", "old contents");
    fake.files.AddFile("C:\\x\\s.ini", "[replacement]\r\n");
    {
        InstallationBootstrapper b(fake.platform, "/ReplaceSettings C:\\x\\s.ini /ExtractSettings C:\\x\\out.ini");
        EXPECT_EQ(b.RunBootstrapper(), 13u);
    }
    EXPECT_EQ(fake.files.Bytes("C:\\x\\out.ini"), embeddedSettings);
    EXPECT_FALSE(fake.files.Has(tempSettingsPath)) << "no settings were read";
    EXPECT_TRUE(fake.ui.boxes.empty());
}

TEST_F(SettingsFile, ExportFailures) {
    {
        InstallationBootstrapper b(fake.platform, "/ExtractSettings");
        EXPECT_EQ(b.RunBootstrapper(), 13u);
    }
    ASSERT_EQ(fake.ui.boxes.size(), 1u);
    EXPECT_EQ(fake.ui.boxes[0].text,
              "An output file was not specified with the ExtractSettings command-line argument.");
    EXPECT_EQ(fake.ui.boxes[0].caption, "Veltrane Installation Error");

    Process().Reset();
    fake.ui.boxes.clear();
    InstallationBootstrapper b(fake.platform, "/ExtractSettings C:\\missing\\out.ini");
    ASSERT_EQ(b.LoadResources(), 0u);
    EXPECT_EQ(b.OutputSettings(), 3u);
    ASSERT_EQ(fake.ui.boxes.size(), 1u);
    EXPECT_EQ(fake.ui.boxes[0].text, "Failed to extract the settings file to \"C:\\missing\\out.ini\".");
}

TEST_F(SettingsFile, ExportThatCannotBeFinishedLeavesNoPartFile) {
    fake.files.writeErrors["C:\\x\\out.ini"] = 112;
    fake.files.AddDirectory("C:\\x");
    InstallationBootstrapper b(fake.platform, "/ExtractSettings C:\\x\\out.ini");
    ASSERT_EQ(b.LoadResources(), 0u);
    EXPECT_EQ(b.OutputSettings(), 112u);
    EXPECT_FALSE(fake.files.Has("C:\\x\\out.ini"));
}

TEST_F(SettingsFile, ExportToAFolderLeavesItAlone) {
    fake.files.AddFile("C:\\x\\out.ini\\keep.txt", "mine");
    {
        InstallationBootstrapper b(fake.platform, "/ExtractSettings C:\\x\\out.ini");
        EXPECT_EQ(b.RunBootstrapper(), 13u);
    }
    ASSERT_EQ(fake.ui.boxes.size(), 1u);
    EXPECT_EQ(fake.ui.boxes[0].text, "Failed to extract the settings file to \"C:\\x\\out.ini\".");
    EXPECT_TRUE(fake.files.directories.count("C:\\x\\out.ini"));
    EXPECT_FALSE(fake.files.Has("C:\\x\\out.ini"));
    EXPECT_EQ(fake.files.Bytes("C:\\x\\out.ini\\keep.txt"), "mine");
}

TEST_F(SettingsFile, ExportWithoutEmbeddedSettings) {
    RemoveEmbeddedSettings();
    fake.files.AddDirectory("C:\\x");
    InstallationBootstrapper b(fake.platform, "/ExtractSettings C:\\x\\out.ini");
    ASSERT_EQ(b.LoadResources(), 0u);
    EXPECT_EQ(b.OutputSettings(), 1814u);
    ASSERT_EQ(fake.ui.boxes.size(), 1u);
    EXPECT_EQ(fake.ui.boxes[0].text, "Failed to extract the settings file to \"C:\\x\\out.ini\".");
}

}  // namespace
}  // namespace vl::test

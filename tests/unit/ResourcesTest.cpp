#include <gtest/gtest.h>

#include "TestSupport.h"
#include "core/ResultCodes.h"

namespace vl::test {
namespace {

using platform::ResourceId;

class Extraction : public BootstrapperTest {
protected:
    void AddResource(const char* type, const char* name, const std::string& bytes) {
        fake.modules.executable.resources[fake::Modules::Key(ResourceId::Named(type),
                                                             ResourceId::Named(name))] = bytes;
    }
    const std::string out = "C:\\Users\\me\\AppData\\Local\\Temp\\x.bin";
};

TEST_F(Extraction, WritesTheResourceBytesAndRestoresTheCursor) {
    AddResource("INSTALLER", "INSTALLER_Screen_Reader_Core", std::string("MZ\0\x01payload", 10));
    InstallationBootstrapper b(fake.platform, "/Log");
    fake.ui.calls.clear();
    EXPECT_EQ(b.ExtractResource({}, "INSTALLER", "INSTALLER_Screen_Reader_Core", out.c_str()), 0u);
    EXPECT_EQ(fake.files.Bytes(out), std::string("MZ\0\x01payload", 10));
    EXPECT_EQ(fake.ui.calls, (std::vector<std::string>{"SetCursor 206100", "SetCursor 119"}));
    EXPECT_EQ(fake.files.OpenHandleCount(), 0u);
    auto log = Log();
    EXPECT_EQ(log.back(), "ExtractResource - Extracting the resource \"INSTALLER_Screen_Reader_Core\" of type "
                          "\"INSTALLER\" to the output file \"" + out + "\".");
}

TEST_F(Extraction, EmptyArgumentsLogNothingAndKeepTheCursor) {
    InstallationBootstrapper b(fake.platform, "/Log");
    fake.ui.calls.clear();
    const std::size_t lines = Log().size();
    EXPECT_EQ(b.ExtractResource({}, "", "N", out.c_str()), 13u);
    EXPECT_EQ(b.ExtractResource({}, "T", nullptr, out.c_str()), 13u);
    EXPECT_EQ(b.ExtractResource({}, "T", "N", ""), 13u);
    EXPECT_EQ(Log().size(), lines);
    EXPECT_TRUE(fake.ui.calls.empty());
}

struct ExtractFailureCase {
    const char* name;
    std::function<void(fake::FakePlatform&, const std::string& out)> arrange;
    std::uint32_t result;
    const char* logLine;
};
inline void PrintTo(const ExtractFailureCase& c, std::ostream* os) { *os << c.name; }

class ExtractFailures : public Extraction, public ::testing::WithParamInterface<ExtractFailureCase> {};

TEST_P(ExtractFailures, ReportEveryStep) {
    AddResource("TEXT", "SETTINGS_INI", "[default]\r\n");
    GetParam().arrange(fake, out);
    InstallationBootstrapper b(fake.platform, "/Log");
    EXPECT_EQ(b.ExtractResource({}, "TEXT", "SETTINGS_INI", out.c_str()), GetParam().result)
        << CodeName(GetParam().result);
    EXPECT_EQ(Log().back(), GetParam().logLine);
    EXPECT_EQ(fake.ui.cursor.value, 0x77u) << "cursor restored on every return";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExtractFailures,
    ::testing::Values(
        ExtractFailureCase{"MissingResource",
                           [](fake::FakePlatform& f, const std::string&) { f.modules.executable.resources.clear(); },
                           1814, "ExtractResource - Failed to find the resource. Error: 1814"},
        ExtractFailureCase{"MissingResourceWithoutLastError",
                           [](fake::FakePlatform& f, const std::string&) {
                               f.modules.executable.resources.clear();
                               f.modules.findError = 0;
                           },
                           1813, "ExtractResource - Failed to find the resource. Error: 1813"},
        ExtractFailureCase{"EmptyResourceNeverReadsAsSuccess",
                           [](fake::FakePlatform& f, const std::string&) {
                               for (auto& [k, v] : f.modules.executable.resources) v.clear();
                           },
                           13, "ExtractResource - Failed to get resource size. Error: 13"},
        ExtractFailureCase{"ReadOnlyOutput",
                           [](fake::FakePlatform& f, const std::string& out) {
                               f.files.AddFile(out, "old", platform::file::kAttributeReadOnly);
                           },
                           5, "ExtractResource - Failed to create the resource output file. Error: 5"},
        ExtractFailureCase{"MissingFolder",
                           [](fake::FakePlatform& f, const std::string&) {
                               f.files.directories.erase("C:\\Users\\me\\AppData\\Local\\Temp");
                           },
                           3, "ExtractResource - Failed to create the resource output file. Error: 3"},
        ExtractFailureCase{"WriteFails",
                           [](fake::FakePlatform& f, const std::string& out) { f.files.writeErrors[out] = 112; },
                           112, "ExtractResource - Failed to write to the resource output file. Error: 112"}),
    [](const auto& info) { return std::string(info.param.name); });

using Language = BootstrapperTest;

TEST_F(Language, ExtractedLoadedAsResourcesAndDeletedAtTheEnd) {
    {
        InstallationBootstrapper b(fake.platform, "/Log");
        EXPECT_EQ(b.LoadResources(), 0u);
        EXPECT_FALSE(b.languageModule.IsNull());
        EXPECT_TRUE(fake.files.Has(tempModulePath));
        EXPECT_EQ(Log().back(), "LoadResources - Language resource file: " + tempModulePath + ".");
    }
    EXPECT_FALSE(fake.files.Has(tempModulePath));
    EXPECT_EQ(fake.modules.calls.front(), "LoadLibraryEx " + tempModulePath + " flags=34")
        << "image resource and data file on Vista and later";
    EXPECT_TRUE(fake.modules.loaded.empty());
}

TEST_F(Language, BeforeVistaLoadsAsDataFileOnly) {
    fake.system.version.majorVersion = 5;
    InstallationBootstrapper b(fake.platform, nullptr);
    EXPECT_EQ(b.LoadResources(), 0u);
    EXPECT_EQ(fake.modules.calls.front(), "LoadLibraryEx " + tempModulePath + " flags=2");
}

TEST_F(Language, ModuleThatDoesNotLoadShowsTheFallbackBoxAndStays) {
    fake.modules.loadable.clear();
    {
        InstallationBootstrapper b(fake.platform, "/Log");
        EXPECT_EQ(b.RunBootstrapper(), 13u);
    }
    ASSERT_EQ(fake.ui.boxes.size(), 1u);
    EXPECT_EQ(fake.ui.boxes[0].caption, " Setup Package Error");
    EXPECT_EQ(fake.ui.boxes[0].text, "There was an error during the installation process.");
    EXPECT_EQ(fake.ui.boxes[0].type, 0x10030u);
    auto log = Log();
    EXPECT_NE(std::find(log.begin(), log.end(),
                        "LoadResources - Failed to load the language resource file. Error: 193"),
              log.end());
    EXPECT_TRUE(fake.files.Has(tempModulePath)) << "a module that never loaded is not deleted";
}

TEST_F(Language, ExtractionFailureShowsNoBox) {
    fake.modules.executable.resources.clear();
    InstallationBootstrapper b(fake.platform, "/Log");
    EXPECT_EQ(b.RunBootstrapper(), 13u);
    EXPECT_TRUE(fake.ui.boxes.empty());
    auto log = Log();
    EXPECT_NE(std::find(log.begin(), log.end(), "LoadResources - Failed to extract language resource file."),
              log.end());
}

TEST_F(Language, UndeterminedModulePathExtractsNothing) {
    fake.files.tempPath = "";
    InstallationBootstrapper b(fake.platform, nullptr);
    EXPECT_EQ(b.LoadResources(), 13u);
    for (const auto& call : fake.files.calls) EXPECT_NE(call.rfind("CreateFile", 0), 0u) << call;
}

struct ReplaceCase {
    const char* name;
    const char* commandLine;
    std::uint32_t result;
    std::vector<std::string> logTail;
};
inline void PrintTo(const ReplaceCase& c, std::ostream* os) { *os << c.name; }

class ReplaceLanguageFailures : public BootstrapperTest,
                                public ::testing::WithParamInterface<ReplaceCase> {};

TEST_P(ReplaceLanguageFailures, StopWithTheFallbackBox) {
    fake.files.AddDirectory("C:\\x\\folder.dll");
    {
        InstallationBootstrapper b(fake.platform, GetParam().commandLine);
        EXPECT_EQ(b.LoadResources(), GetParam().result);
        EXPECT_EQ(b.RunBootstrapper(), 13u);
    }
    auto log = Log();
    ASSERT_GE(log.size(), GetParam().logTail.size() + 1);
    std::vector<std::string> tail(log.begin() + 1, log.begin() + 1 + GetParam().logTail.size());
    EXPECT_EQ(tail, GetParam().logTail);
    ASSERT_FALSE(fake.ui.boxes.empty());
    EXPECT_EQ(fake.ui.boxes[0].caption, " Setup Package Error");
    EXPECT_EQ(fake.ui.boxes[0].text, "There was an error during the installation process.");
    EXPECT_FALSE(fake.files.Has(tempModulePath)) << "nothing written for the language";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceLanguageFailures,
    ::testing::Values(
        ReplaceCase{"NoFileName", "/Log /ReplaceLanguage", 161,
                    {"ReplaceLanguage - Replacement Language file: .",
                     "ReplaceLanguage - ReplaceLanguage was chosen but no file was specified.",
                     "LoadResources - Failed to replace language resource with ."}},
        ReplaceCase{"MissingFile", "/Log /ReplaceLanguage C:\\x\\lang.dll", 2,
                    {"ReplaceLanguage - Replacement Language file: C:\\x\\lang.dll.",
                     "ReplaceLanguage - Could not find the replacement Language file.",
                     "LoadResources - Failed to replace language resource with C:\\x\\lang.dll."}},
        ReplaceCase{"Folder", "/Log /ReplaceLanguage C:\\x\\folder.dll", 2,
                    {"ReplaceLanguage - Replacement Language file: C:\\x\\folder.dll.",
                     "ReplaceLanguage - Could not find the replacement Language file.",
                     "LoadResources - Failed to replace language resource with C:\\x\\folder.dll."}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Language, ReplacementIsLoadedInPlaceAndKept) {
    fake.files.AddFile("C:\\x\\lang.dll", "MZ");
    fake.modules.loadable["C:\\x\\lang.dll"] = fake.modules.loadable[tempModulePath];
    {
        InstallationBootstrapper b(fake.platform, "/ReplaceLanguage \"C:\\x\\lang.dll\"");
        EXPECT_EQ(b.LoadResources(), 0u);
        EXPECT_STREQ(b.languageModulePath.c_str(), "C:\\x\\lang.dll");
    }
    EXPECT_TRUE(fake.files.Has("C:\\x\\lang.dll"));
    EXPECT_FALSE(fake.files.Has(tempModulePath));
}

}  // namespace
}  // namespace vl::test

#pragma once
// Shared pieces of the unit tests: a fake platform with a bootstrapper, and
// access to what the run wrote to its log.

#include <string>
#include <vector>

#include "FakePlatform.h"
#include "core/InstallationBootstrapper.h"
#include "core/ProcessState.h"

namespace vl::test {

// Splits a log file into its messages (the text between the time stamp's
// " - " and the closing " \r\n").
std::vector<std::string> LogMessages(const std::string& bytes);

// Prints a Windows code with its name, for assertion messages.
std::string CodeName(std::uint32_t code);

class BootstrapperTest : public ::testing::Test {
protected:
    void SetUp() override {
        Process().Reset();
        InstallLanguageModule();
    }

    // The executable carries a language module with the error box's strings,
    // and the extracted file loads as that module.
    void InstallLanguageModule() {
        fake.modules.executable.resources[fake::Modules::Key(
            platform::ResourceId::Named("LANGUAGE"), platform::ResourceId::Named("LANG_BOOTSTRAPPER"))] =
            "MZ-language-module";
        fake.modules.executable.resources[fake::Modules::Key(
            platform::ResourceId::Named("TEXT"), platform::ResourceId::Named("SETTINGS_INI"))] =
            embeddedSettings;
        fake::Modules::Module language;
        language.strings = {{1, "Veltrane Installation Error"},
                            {3, "Failed to load the language resources."},
                            {6, "An initialization file was not specified with the ReplaceSettings command-line argument."},
                            {4, "An output file was not specified with the ExtractSettings command-line argument."},
                            {5, "Failed to extract the settings file to \"%s\"."},
                            {7, "The file \"%s\" could not be found."},
                            {8, "Failed to extract the settings file from resources."},
                            {9, "There are no settings to run the setup package."},
                            {10, "There is an error in the settings file. The prerequisite installers or a main installer were not specified for the %s setup type."},
                            {11, "There is an error in the settings file.  The \"%s\" key was not found under the %s section.  This key is required."},
                            {15, "There is an error in the settings file.  The section \"%s\" does not exist."}};
        fake.modules.loadable[tempModulePath] = language;
    }
    void TearDown() override { Process().Reset(); }

    fake::FakePlatform fake;
    const std::string logPath = "C:\\pkg\\VL_Setup_Package.log";
    std::string embeddedSettings = "[default]\r\nPreInstall = A\r\n[A]\r\nName = A\r\nFile = a.exe\r\n";
    const std::string tempSettingsPath = "C:\\Users\\me\\AppData\\Local\\Temp\\Settings.ini";
    const std::string tempModulePath =
        "C:\\Users\\me\\AppData\\Local\\Temp\\InstallationBootstrapperLangsetup.exe.dll";

    std::vector<std::string> Log() const {
        auto it = fake.files.files.find(logPath);
        return it == fake.files.files.end() ? std::vector<std::string>{} : LogMessages(it->second.bytes);
    }
};

}  // namespace vl::test

// The setup-type section, the installer sections and the path variables.
#include <cstring>
#include <string>
#include <vector>

#include "core/InstallationBootstrapper.h"
#include "core/ResultCodes.h"
#include "core/Tokenize.h"
#include "settings/CodeListParser.h"
#include "settings/IniReader.h"
#include "utility/ExistingFile.h"
#include "utility/TextRules.h"

namespace vl {

using namespace vl::platform;

namespace {

// A yes/no key: only the first three characters are read, "yes" in any case.
bool ReadYesNo(const IniDocument& ini, const platform::TextRules& rules, const char* section,
               const char* key, char (&value)[4]) {
    std::memset(value, 0, sizeof(value));
    (void)ini.GetString(section, key, "no", value, 4);
    return rules.EqualNoCase(value, "yes");
}

}  // namespace

void InstallationBootstrapper::ClearListSection() {
    listSection.listName.Clear();
    listSection.preInstall.Clear();
    listSection.mainInstall.Clear();
    listSection.reqPermission.Clear();
    listSection.reqOS.Clear();
    listSection.reqPlatform.Clear();
    listSection.listFlags = 0;
}

void InstallationBootstrapper::ClearInstallerSection() {
    currentInstallerName.clear();
    InstallerSection& s = installerSection;
    s.installerName.Clear();
    s.installerFile.Clear();
    s.installerArguments.Clear();
    s.rebootMode.Clear();
    s.checkExistence.Clear();
    s.rebootCodes = CodeList{};
    s.failCodes = CodeList{};
    s.reinstallCodes = CodeList{};
    s.productCode.Clear();
    s.installerFlags = 0;
}

std::uint32_t InstallationBootstrapper::SetListSection() {
    std::string bytes;
    if (!IsExistingFile(platform_.files, settingsFilePath.c_str()))
        return code::kFileNotFound;
    if (setupType.empty()) {
        LogMessage("SetListSection - Setup type is undefined.");
        return code::kInvalidData;
    }
    LogMessage("SetListSection - Setup type: %s.", setupType.c_str());
    ClearListSection();
    (void)LoadIniFile(platform_.files, settingsFilePath.c_str(), bytes);
    const IniDocument ini(bytes, platform_.text);
    const char* section = setupType.c_str();
    ListSection& list = listSection;

    (void)ini.GetString(section, "PreInstall", "", list.preInstall.data(), 999);
    LogMessage("SetListSection - PreInstall key: %s.", list.preInstall.c_str());
    (void)ini.GetString(section, "MainInstall", "", list.mainInstall.data(), 99);
    LogMessage("SetListSection - MainInstall key: %s.", list.mainInstall.c_str());
    if (list.preInstall.empty() && list.mainInstall.empty()) {
        LogMessage("SetListSection - No prerequisite installers nor a main installer was specified for the %s setup type.  At least one must be specified.",
                   section);
        ShowErrorMessage(10, section);
        return code::kInvalidData;
    }
    (void)ini.GetString(section, "Name", "", list.listName.data(), 99);
    LogMessage("SetListSection - Name key: %s.", list.listName.c_str());
    productName.Clear();
    productName.Assign(list.listName.empty() ? list.mainInstall.c_str() : list.listName.c_str(), 100);

    char yes[4];
    auto flag = [&](const char* key, const char* line, std::uint32_t bit) {
        if (ReadYesNo(ini, platform_.text, section, key, yes)) list.listFlags |= bit;
        LogMessage(line, yes);
    };
    auto lowered = [&](const char* key, const char* line, char* field, std::uint32_t size) {
        (void)ini.GetString(section, key, "", field, size);
        LogMessage(line, field);
        platform_.text.LowerInPlace(field);
    };
    flag("WelcomeDlg", "SetListSection - WelcomeDlg key: %s.", ListWelcomeDlg);
    flag("WelcomeWave", "SetListSection - WelcomeWave key: %s.", ListWelcomeWave);
    lowered("ReqPermission", "SetListSection - ReqPermission key: %s.", list.reqPermission.data(), 24);
    flag("RebootWave", "SetListSection - RebootWave key: %s.", ListRebootWave);
    flag("ShowProgressBar", "SetListSection - ShowProgressBar key: %s.", ListShowProgressBar);
    flag("RestartProductDlg", "SetListSection - RestartProductDlg key: %s.", ListRestartProductDlg);
    flag("FinishInstallDlg", "SetListSection - FinishInstallDlg key: %s.", ListFinishInstallDlg);
    flag("RemoveShared", "SetListSection - RemoveShared key: %s.", ListRemoveShared);
    lowered("ReqOS", "SetListSection - ReqOS key: %s.", list.reqOS.data(), 14);
    lowered("ReqPlatform", "SetListSection - ReqPlatform key: %s.", list.reqPlatform.data(), 9);
    return 0;
}

std::uint32_t InstallationBootstrapper::SetInstallerSection(const char* sectionName) {
    LogMessage("Reading installer-specific section %s.", sectionName);
    if (sectionName == nullptr || *sectionName == '\0') return code::kInvalidData;
    if (!IsExistingFile(platform_.files, settingsFilePath.c_str()))
        return code::kFileNotFound;
    ClearInstallerSection();
    currentInstallerName = sectionName;

    std::string bytes;
    (void)LoadIniFile(platform_.files, settingsFilePath.c_str(), bytes);
    const IniDocument ini(bytes, platform_.text);
    InstallerSection& s = installerSection;

    char probe[4] = {};
    if (ini.GetSection(sectionName, probe, 4) == 0) {
        LogMessage("SetInstallerSection - The section does not exist in Settings.");
        ShowErrorMessage(15, sectionName);
        return code::kInvalidData;
    }
    (void)ini.GetString(sectionName, "Name", "", s.installerName.data(), 99);
    LogMessage("SetInstallerSection - Name key: %s.", s.installerName.c_str());
    if (s.installerName.empty()) {
        LogMessage("SetInstallerSection - No Name key was specified in the section.");
        ShowErrorMessage(11, "Name", sectionName);
        return code::kBadPathName;
    }
    (void)ini.GetString(sectionName, "File", "", s.installerFile.data(), 259);
    LogMessage("SetInstallerSection - File key: %s.", s.installerFile.c_str());
    platform_.text.LowerInPlace(s.installerFile.data());
    if (s.installerFile.empty()) {
        LogMessage("SetInstallerSection - No File key was specified in the section.");
        ShowErrorMessage(11, "File", sectionName);
        return code::kBadPathName;
    }
    (void)ini.GetString(sectionName, "Arguments", "", s.installerArguments.data(), 999);
    LogMessage("SetInstallerSection - Arguments key: %s.", s.installerArguments.c_str());
    (void)ini.GetString(sectionName, "Reboot", "defer", s.rebootMode.data(), 24);
    LogMessage("SetInstallerSection - Reboot key: %s.", s.rebootMode.c_str());
    platform_.text.LowerInPlace(s.rebootMode.data());

    char work[100];
    auto codes = [&](const char* key, const char* line, CodeList& list) {
        std::memset(work, 0, sizeof(work));
        (void)ini.GetString(sectionName, key, "", work, 99);
        LogMessage(line, work);
        ParseCodeList(work, list);
    };
    codes("RebootCodes", "SetInstallerSection - RebootCodes key: %s.", s.rebootCodes);
    codes("FailCodes", "SetInstallerSection - FailCodes key: %s.", s.failCodes);
    s.playTone = static_cast<std::int32_t>(ini.GetInt(sectionName, "PlayTone", 0));
    LogMessage("SetInstallerSection - PlayTone key: %d.", s.playTone);

    char yes[4];
    auto flag = [&](const char* key, const char* line, std::uint32_t bit) {
        if (ReadYesNo(ini, platform_.text, sectionName, key, yes)) s.installerFlags |= bit;
        LogMessage(line, yes);
    };
    flag("ForceRun", "SetInstallerSection - ForceRun key: %s.", InstallerForceRun);
    flag("AddSourceDir", "SetInstallerSection - AddSourceDir key: %s.", InstallerAddSourceDir);
    flag("DoNotExtract", "SetInstallerSection - DoNotExtract key: %s.", InstallerDoNotExtract);
    (void)ini.GetString(sectionName, "CheckExistence", "", s.checkExistence.data(), 519);
    LogMessage("SetInstallerSection - CheckExistence key: %s.", s.checkExistence.c_str());
    flag("ProgramCompatibility", "SetInstallerSection - ProgramCompatibility key: %s.",
         InstallerProgramCompatibility);
    codes("ReinstallCodes", "SetInstallerSection - ReinstallCodes key: %s.", s.reinstallCodes);
    return 0;
}

void InstallationBootstrapper::ReplaceVarPaths(const char* path, char* output, std::size_t size) {
    if (path == nullptr || *path == '\0' || output == nullptr || size == 0) return;
    LogMessage("ReplaceVarPaths - Checking the path %s.", path);
    std::memset(output, 0, size);
    std::vector<std::string> pieces;
    if (Tokenize(path, "\\", kNoTokenLimit, pieces) == 0) {
        MultiByteAppend(platform_.text, output, size, path);
        return;
    }
    const struct {
        const char* name;
        const char* value;
    } variables[] = {{"$(WinDrive))", windowsDrive.c_str()},
                     {"$(ProgramFiles)", programFilesDirectory.c_str()},
                     {"$(Windows)", windowsDirectory.c_str()},
                     {"$(System32)", system32Directory.c_str()}};
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const char* text = pieces[i].c_str();
        for (const auto& v : variables) {
            if (platform_.text.EqualNoCase(text, v.name)) {
                text = v.value;
                break;
            }
        }
        MultiByteAppend(platform_.text, output, size, text);
        if (i + 1 < pieces.size()) MultiByteAppend(platform_.text, output, size, "\\");
    }
    LogMessage("ReplaceVarPaths - Converted path: %s.", output);
}

}  // namespace vl

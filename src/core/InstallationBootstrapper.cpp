#include "core/InstallationBootstrapper.h"

#include <cstring>

#include "core/ProcessState.h"
#include "core/ResultCodes.h"
#include "platform/Holders.h"
#include "utility/ComposedPath.h"
#include "utility/PathText.h"

namespace vl {

using namespace vl::platform;

InstallationBootstrapper::InstallationBootstrapper(platform::Platform& platform,
                                                   const char* commandLine)
    : utility(platform),
      options(std::make_unique<BootstrapperOptions>(commandLine, platform.text)),
      platform_(platform) {
    ClearListSection();
    ClearInstallerSection();
    InitializeEnvironment();
    LogMessage("*** InstallationBootstrapper - Start. ***");
}

void InstallationBootstrapper::InitializeEnvironment() {
    auto hook = platform_.ui.InstallKeyboardHook(keyboardHook_);
    Process().keyboardHook = hook.ok ? hook.value : HookHandle{};

    // The temporary directory is used only when Windows gave a complete one:
    // an empty or relative folder would make every temporary file a file of
    // the current folder.
    auto temp = platform_.files.GetTempPath(tempDirectory.data(), 259);
    if (!temp.ok || temp.value == 0 || temp.value >= 259) tempDirectory.Clear();
    if (!tempDirectory.empty()) {
        char longForm[260] = {};
        auto converted = platform_.files.GetLongPathName(tempDirectory.c_str(), longForm, 259);
        if (converted.ok && converted.value > 0 && converted.value < 259)
            tempDirectory.Assign(longForm);
        const std::size_t n = tempDirectory.length();
        if (!IsAbsolutePath(tempDirectory.c_str()) || tempDirectory.c_str()[n - 1] != '\\')
            tempDirectory.Clear();
    }

    char executablePath[260] = {};
    auto module = platform_.modules.GetExecutablePath(executablePath, 259);
    if (!module.ok || module.value == 0 || module.value >= 259) executablePath[0] = '\0';
    char executableName[260] = {};
    std::memcpy(executableName, executablePath, sizeof(executablePath));
    StripPath(executableName);

    if (!tempDirectory.empty() && executableName[0] != '\0')
        (void)ComposePath(languageModulePath, "%sInstallationBootstrapperLang%s.dll",
                          tempDirectory.c_str(), executableName);
    if (!tempDirectory.empty())
        (void)ComposePath(settingsFilePath, "%sSettings.ini", tempDirectory.c_str());

    sourceDirectory.Assign(executablePath);
    if (!RemoveFileSpec(sourceDirectory.data())) sourceDirectory.Clear();

    osVersion = OsVersionInfo{};
    osVersion.size = 148;
    (void)platform_.system.GetVersionEx(osVersion, 148);

    options->ParseCommandLine();

    if (!options->logPath.empty()) {
        logFilePath.Assign(options->logPath.c_str(), 260);
    } else if (!sourceDirectory.empty()) {
        (void)ComposePath(logFilePath, "%s\\%s", sourceDirectory.c_str(), "VL_Setup_Package.log");
    }

    if (options->Has(OptionType)) {
        setupType.Assign(options->typeValue.c_str(), 100);
        if (std::strstr(setupType.c_str(), "silent") != nullptr) silentMode = 1;
    } else {
        setupType.Assign("default");
    }

    InitializeSystemDirectories();
}

void InstallationBootstrapper::InitializeSystemDirectories() {
    char scratch[260] = {};
    auto windows = platform_.system.GetWindowsDirectory(scratch, 259);
    if (!windows.ok || windows.value >= 259) scratch[0] = '\0';
    windowsDrive.Clear();
    if (scratch[0] != '\0' && scratch[1] == ':') windowsDrive.Assign(scratch, 3);
    if (windowsDrive.empty()) windowsDrive.Assign("C:");

    programFilesDirectory.Clear();
    auto key = platform_.registry.OpenKey(kLocalMachine,
                                          "Software\\Microsoft\\Windows\\CurrentVersion", reg::kRead);
    if (key.ok) {
        UniqueKey held(platform_.registry, key.value);
        auto read = platform_.registry.QueryValue(held.Get(), "ProgramFilesDir",
                                                  programFilesDirectory.data(), 260);
        // A value of the full buffer size carries no terminator, and a failed
        // read leaves undefined bytes: keep the member a terminated text.
        if (!read.ok) programFilesDirectory.Clear();
        programFilesDirectory.data()[259] = '\0';
    } else {
        (void)ComposePath(programFilesDirectory, "%s\\Program Files", windowsDrive.c_str());
    }

    windowsDirectory.Clear();
    auto winDir = platform_.system.GetWindowsDirectory(windowsDirectory.data(), 259);
    if (!winDir.ok || winDir.value >= 259) windowsDirectory.Clear();
    if (windowsDirectory.empty())
        (void)ComposePath(windowsDirectory, "%s\\Windows", windowsDrive.c_str());

    system32Directory.Clear();
    auto sysDir = platform_.system.GetSystemDirectory(system32Directory.data(), 259);
    if (!sysDir.ok || sysDir.value >= 259) system32Directory.Clear();
    if (system32Directory.empty())
        (void)ComposePath(system32Directory, "%s\\Windows\\System32", windowsDrive.c_str());
}

std::uint32_t InstallationBootstrapper::RunBootstrapper() {
    LogMessage("RunBootstrapper - Source directory: %s.", sourceDirectory.c_str());
    LogMessage("RunBootstrapper - Bootstrapper command-line: %s.", options->CommandLine());
    if (PrepareRun() == 0) return code::kInvalidData;
    const std::uint32_t result = DoSettings_Install();
    ReleaseSettingsFile();
    return result;
}

std::uint32_t InstallationBootstrapper::PrepareRun() {
    ProcessState& process = Process();
    if (process.prepareRunGuard) return 1;
    process.prepareRunGuard = true;

    auto stop = [&process]() -> std::uint32_t {
        process.prepareRunGuard = false;
        return 0;
    };
    if (LoadResources() != 0) return stop();
    if (FirstInstance() == 0) return stop();
    if (options->Has(OptionHelp)) {
        (void)ShowHelp();
        return stop();
    }
    if (options->Has(OptionMoreHelp)) {
        (void)ShowMoreHelp();
        return stop();
    }
    if (options->Has(OptionExtractSettings)) {
        (void)OutputSettings();
        return stop();
    }
    if (GetSettingsFile() == 0) return 1;
    return stop();
}

void InstallationBootstrapper::ReleaseSettingsFile() {
    if (!settingsFileHandle.IsNull() && !(settingsFileHandle == kInvalidFile)) {
        (void)platform_.files.CloseFile(settingsFileHandle);
        settingsFileHandle = kInvalidFile;
    }
    if (!HasOption(OptionReplaceSettings) && !settingsFilePath.empty() &&
        platform_.files.Exists(settingsFilePath.c_str()))
        (void)platform_.files.DeleteFile(settingsFilePath.c_str());
}

InstallationBootstrapper::~InstallationBootstrapper() {
    LogMessage("*** InstallationBootstrapper - Finish. ***");
    ReleaseSettingsFile();
    ProcessState& process = Process();
    if (!process.keyboardHook.IsNull()) {
        (void)platform_.ui.RemoveKeyboardHook(process.keyboardHook);
        process.keyboardHook = {};
    }
    if (!languageModule.IsNull()) {
        (void)platform_.modules.FreeLibrary(languageModule);
        languageModule = {};
        if (!HasOption(OptionReplaceLanguage) && !languageModulePath.empty())
            (void)platform_.files.DeleteFile(languageModulePath.c_str());
    }
    options.reset();
}

void InstallationBootstrapper::LogMessageArgs(const char* format, const FormatArg* args,
                                              std::size_t argCount) {
    if (!HasOption(OptionLog) || format == nullptr || *format == '\0') return;
    if (utility.WriteLogLine(logFilePath.c_str(), format, args, argCount) != 0)
        options->flags &= ~static_cast<std::uint32_t>(OptionLog);
}

}  // namespace vl

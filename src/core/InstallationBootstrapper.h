#pragma once
// The one main object of the program: construction fixes every path the run
// needs and parses the command line; RunBootstrapper prepares (language
// module, single instance, utility commands, settings file) and runs the
// installation sequence; destruction releases everything in a fixed order.

#include <cstdint>
#include <atomic>
#include <memory>
#include <string>

#include "core/BootstrapperOptions.h"
#include "platform/Platform.h"
#include "settings/InstallerSection.h"
#include "settings/ListSection.h"
#include "ui/KeyboardHook.h"
#include "utility/FixedText.h"
#include "utility/Format.h"
#include "utility/InstallationUtility.h"

namespace vl {

class InstallationBootstrapper {
public:
    // commandLine: the raw command line without the program name; may be null.
    InstallationBootstrapper(platform::Platform& platform, const char* commandLine);
    InstallationBootstrapper(const InstallationBootstrapper&) = delete;
    InstallationBootstrapper& operator=(const InstallationBootstrapper&) = delete;
    ~InstallationBootstrapper();

    // Runs everything; returns the process exit code.
    [[nodiscard]] std::uint32_t RunBootstrapper();

    // One log line when /Log is on: the operation's name, " - ", the text.
    template <class... Args>
    void LogMessage(const char* format, const Args&... args) {
        if constexpr (sizeof...(Args) == 0) {
            LogMessageArgs(format, nullptr, 0);
        } else {
            const FormatArg list[] = {FormatArg(args)...};
            LogMessageArgs(format, list, sizeof...(Args));
        }
    }
    void LogMessageArgs(const char* format, const FormatArg* args, std::size_t argCount);

    // The error box built from message `number` of the language module, with
    // built-in fallback texts; nothing in silent mode.
    template <class... Args>
    void ShowErrorMessage(std::uint32_t number, const Args&... args) {
        if constexpr (sizeof...(Args) == 0) {
            ShowErrorMessageArgs(number, nullptr, 0);
        } else {
            const FormatArg list[] = {FormatArg(args)...};
            ShowErrorMessageArgs(number, list, sizeof...(Args));
        }
    }
    void ShowErrorMessageArgs(std::uint32_t number, const FormatArg* args, std::size_t argCount);

    // --- Steps of the run ---------------------------------------------------
    [[nodiscard]] std::uint32_t PrepareRun();
    void ReleaseSettingsFile();
    [[nodiscard]] std::uint32_t LoadResources();
    [[nodiscard]] std::uint32_t ReplaceLanguage();
    [[nodiscard]] std::uint32_t FirstInstance();
    [[nodiscard]] std::uint32_t ShowHelp();
    [[nodiscard]] std::uint32_t ShowMoreHelp();
    [[nodiscard]] std::uint32_t GetSettingsFile();
    [[nodiscard]] std::uint32_t ReplaceSettings();
    [[nodiscard]] std::uint32_t OutputSettings();
    [[nodiscard]] std::uint32_t DoSettings_Install();
    // Writes resource name/type of module (null = the executable) to outputFile.
    [[nodiscard]] std::uint32_t ExtractResource(platform::ModuleHandle module, const char* type,
                                                const char* name, const char* outputFile);
    void ClearListSection();
    void ClearInstallerSection();
    [[nodiscard]] std::uint32_t SetListSection();
    [[nodiscard]] std::uint32_t SetInstallerSection(const char* sectionName);
    // Expands the path variables of path into output (size bytes).
    void ReplaceVarPaths(const char* path, char* output, std::size_t size);

    // --- State (read by the Parts of the run and by tests) ------------------
    platform::KernelHandle instanceMutex{};
    platform::FileHandle settingsFileHandle = platform::kInvalidFile;
    InstallationUtility utility;
    std::unique_ptr<BootstrapperOptions> options;
    platform::ModuleHandle languageModule{};
    FixedText<260> languageModulePath;
    FixedText<260> settingsFilePath;
    FixedText<260> tempDirectory;
    FixedText<260> sourceDirectory;
    FixedText<260> logFilePath;
    FixedText<100> setupType;
    FixedText<100> productName;
    ListSection listSection;
    std::string currentInstallerName;
    InstallerSection installerSection;
    std::uint16_t deferredReboot = 0;
    std::uint32_t isMsiInstaller = 1;
    platform::OsVersionInfo osVersion;
    FixedText<260> windowsDrive;
    FixedText<260> programFilesDirectory;
    FixedText<260> windowsDirectory;
    FixedText<260> system32Directory;
    std::atomic<std::uintptr_t> progressDialog{0};
    std::atomic<std::uintptr_t> progressBar{0};
    std::uint32_t prerequisiteCount = 0;
    std::uint32_t silentMode = 0;
    std::uint32_t suppressSpeech = 0;

    platform::Platform& Platform() { return platform_; }
    bool HasOption(std::uint32_t flag) const { return options && options->Has(flag); }

private:
    // The shared steps of /ReplaceSettings and /ReplaceLanguage: log the
    // named file, refuse an empty name (message 6, 161) or a path that names
    // no file, a folder included (message 7, 2), else make it the file in use.
    [[nodiscard]] std::uint32_t UseReplacementFile(const FixedText<260>& option, FixedText<260>& inUse,
                                                   const char* namedLine, const char* emptyLine,
                                                   const char* missingLine);
    void InitializeEnvironment();
    void InitializeSystemDirectories();

    platform::Platform& platform_;
    KeyboardHook keyboardHook_;
};

}  // namespace vl

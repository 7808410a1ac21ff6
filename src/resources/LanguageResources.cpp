#include "core/InstallationBootstrapper.h"
#include "core/ResultCodes.h"
#include "utility/ExistingFile.h"

namespace vl {

using namespace vl::platform;

std::uint32_t InstallationBootstrapper::LoadResources() {
    if (options->Has(OptionReplaceLanguage)) {
        const std::uint32_t result = ReplaceLanguage();
        if (result != 0) {
            LogMessage("LoadResources - Failed to replace language resource with %s.",
                       options->replaceLanguagePath.c_str());
            return result;
        }
    } else {
        const std::uint32_t result =
            ExtractResource({}, "LANGUAGE", "LANG_BOOTSTRAPPER", languageModulePath.c_str());
        if (result != 0) {
            LogMessage("LoadResources - Failed to extract language resource file.");
            return result;
        }
    }
    LogMessage("LoadResources - Language resource file: %s.", languageModulePath.c_str());

    // The module file lies where any process of the user can replace it, so
    // it is mapped as resources only: its code, if it has any, never runs.
    // Windows before Vista lacks the image-resource flag.
    const bool vista = osVersion.platformId == kPlatformNt && osVersion.majorVersion >= 6;
    const std::uint32_t flags =
        vista ? (module::kLoadAsImageResource | module::kLoadAsDatafile) : module::kLoadAsDatafile;
    auto loaded = platform_.modules.LoadLibraryEx(languageModulePath.c_str(), flags);
    if (!loaded.ok || loaded.value.IsNull()) {
        const std::uint32_t error = ErrorOr(loaded.error, code::kInvalidData);
        LogMessage("LoadResources - Failed to load the language resource file. Error: %lu", error);
        ShowErrorMessage(3);
        return error;
    }
    languageModule = loaded.value;
    return 0;
}

std::uint32_t InstallationBootstrapper::ReplaceLanguage() {
    return UseReplacementFile(options->replaceLanguagePath, languageModulePath,
                              "ReplaceLanguage - Replacement Language file: %s.",
                              "ReplaceLanguage - ReplaceLanguage was chosen but no file was specified.",
                              "ReplaceLanguage - Could not find the replacement Language file.");
}

std::uint32_t InstallationBootstrapper::UseReplacementFile(const FixedText<260>& option,
                                                           FixedText<260>& inUse,
                                                           const char* namedLine,
                                                           const char* emptyLine,
                                                           const char* missingLine) {
    FixedText<260> path;
    path.Assign(option.c_str(), 260);
    LogMessage(namedLine, path.c_str());
    if (path.empty()) {
        LogMessage(emptyLine);
        ShowErrorMessage(6);
        return code::kBadPathName;
    }
    // A folder of that name is no file to use.
    if (!IsExistingFile(platform_.files, path.c_str())) {
        LogMessage(missingLine);
        ShowErrorMessage(7, path.c_str());
        return code::kFileNotFound;
    }
    inUse.Assign(path.c_str());
    return 0;
}

}  // namespace vl

#include "core/InstallationBootstrapper.h"
#include "core/ResultCodes.h"
#include "utility/ComposedPath.h"
#include "utility/ExistingFile.h"

namespace vl {

using namespace vl::platform;

std::uint32_t InstallationBootstrapper::GetSettingsFile() {
    if (options->Has(OptionReplaceSettings)) {
        const std::uint32_t result = ReplaceSettings();
        if (result != 0) {
            LogMessage("GetSettingsFile - Failed to replace settings file with %s.",
                       options->replaceSettingsPath.c_str());
            return result;
        }
    } else {
        const std::uint32_t extracted =
            ExtractResource({}, "TEXT", "SETTINGS_INI", settingsFilePath.c_str());
        if (extracted != 0) {
            LogMessage("GetSettingsFile - Failed to extract original Settings file to %s. Error: %lu.",
                       settingsFilePath.c_str(), extracted);
            // Both paths are composed only from folders that are known: an
            // empty folder would make them relative to the current drive.
            FixedText<260> candidate;
            if (sourceDirectory.empty() ||
                !ComposePath(candidate, "%s\\Settings.ini", sourceDirectory.c_str()) ||
                !IsExistingFile(platform_.files, candidate.c_str())) {
                ShowErrorMessage(8);
                return code::kFileNotFound;
            }
            FixedText<260> copy;
            if (tempDirectory.empty() ||
                !ComposePath(copy, "%s\\Settings.ini", tempDirectory.c_str())) {
                ShowErrorMessage(8);
                return code::kFileNotFound;
            }
            // A copy that fails (the file held open by another process
            // without sharing, say) leaves whatever an earlier run left at
            // the copy path; that file must never stand in for this one.
            auto copied = platform_.files.CopyFile(candidate.c_str(), copy.c_str(), false);
            if (!copied.ok) {
                ShowErrorMessage(8);
                return code::kFileNotFound;
            }
            auto attributes = platform_.files.GetFileAttributes(copy.c_str());
            if (attributes.ok && (attributes.value & file::kAttributeReadOnly)) {
                auto cleared = platform_.files.SetFileAttributes(
                    copy.c_str(), attributes.value & ~file::kAttributeReadOnly);
                if (cleared.ok)
                    LogMessage("GetSettingsFile - Made the temp Settings file writeable.");
                else
                    LogMessage("GetSettingsFile - Failed to make the temp Settings file writeable. Error: %lu",
                               ErrorOr(cleared.error, code::kAccessDenied));
            }
            if (!IsExistingFile(platform_.files, copy.c_str())) {
                ShowErrorMessage(8);
                return code::kFileNotFound;
            }
            LogMessage("GetSettingsFile - Found the Settings file under the source directory.");
            settingsFilePath.Assign(copy.c_str());
        }
    }
    auto opened = platform_.files.CreateFile(settingsFilePath.c_str(), file::kGenericRead,
                                             file::kShareRead | file::kShareWrite,
                                             file::kOpenExisting, file::kAttributeNormal);
    settingsFileHandle = opened.ok ? opened.value : kInvalidFile;
    return 0;
}

std::uint32_t InstallationBootstrapper::ReplaceSettings() {
    return UseReplacementFile(options->replaceSettingsPath, settingsFilePath,
                              "ReplaceSettings - Replacement settings file: %s.",
                              "ReplaceSettings - ReplaceSettings was chosen but no file was specified.",
                              "ReplaceSettings - Could not find the replacement settings file.");
}

std::uint32_t InstallationBootstrapper::OutputSettings() {
    FixedText<260> path;
    path.Assign(options->extractSettingsPath.c_str(), 260);
    LogMessage("OutputSettings - Output settings file: %s.", path.c_str());
    if (path.empty()) {
        LogMessage("OutputSettings - ExtractSettings was chosen but no file was specified.");
        ShowErrorMessage(4);
        return code::kBadPathName;
    }
    const bool existed = platform_.files.Exists(path.c_str());
    const std::uint32_t result = ExtractResource({}, "TEXT", "SETTINGS_INI", path.c_str());
    if (result != 0) {
        // A file this export created and could not finish is removed; a file
        // that was there before is left to its owner.
        if (!existed && platform_.files.Exists(path.c_str()))
            (void)platform_.files.DeleteFile(path.c_str());
        LogMessage("OutputSettings - Failed to extract the Settings file for output. Error: %lu", result);
        ShowErrorMessage(5, path.c_str());
        return result;
    }
    return 0;
}

}  // namespace vl

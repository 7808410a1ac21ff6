#include "core/InstallationBootstrapper.h"
#include "core/ResultCodes.h"
#include "utility/ExistingFile.h"

namespace vl {

std::uint32_t InstallationBootstrapper::DoSettings_Install() {
    LogMessage("DoSettings_Install - Settings file: %s.", settingsFilePath.c_str());
    if (!IsExistingFile(platform_.files, settingsFilePath.c_str())) {
        LogMessage("DoSettings_Install - No Settings file to run.");
        ShowErrorMessage(9);
        return code::kFileNotFound;
    }
    const std::uint32_t status = SetListSection();
    if (status != 0) {
        LogMessage("DoSettings_Install - Failed to read the List section in Settings.");
        return status;
    }
    // The requirements, the welcome and the installers come next; until they
    // exist the run stops here, having installed nothing.
    return code::kInvalidData;
}

}  // namespace vl

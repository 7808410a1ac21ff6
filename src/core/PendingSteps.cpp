// Steps of the run that are not built yet: each lets the run go on as far as
// the spine goes, and the installation sequence reports that nothing was
// installed.
#include "core/InstallationBootstrapper.h"
#include "core/ResultCodes.h"

namespace vl {

std::uint32_t InstallationBootstrapper::FirstInstance() { return 1; }
std::uint32_t InstallationBootstrapper::ShowHelp() { return 0; }
std::uint32_t InstallationBootstrapper::ShowMoreHelp() { return 0; }

}  // namespace vl

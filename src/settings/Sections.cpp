#include "core/InstallationBootstrapper.h"

namespace vl {

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

}  // namespace vl

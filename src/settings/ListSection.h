#pragma once
// The parsed setup-type section of Settings.ini.

#include <cstdint>

#include "utility/FixedText.h"

namespace vl {

enum ListFlag : std::uint32_t {
    ListWelcomeDlg = 0x1,
    ListWelcomeWave = 0x2,
    ListRebootWave = 0x4,
    ListRemoveShared = 0x8,
    ListShowProgressBar = 0x10,
    ListRestartProductDlg = 0x20,
    ListFinishInstallDlg = 0x40,
};

struct ListSection {
    FixedText<100> listName;      // Name, read with 99
    FixedText<1000> preInstall;   // PreInstall, read with 999
    FixedText<100> mainInstall;   // MainInstall, read with 99
    FixedText<25> reqPermission;  // ReqPermission, read with 24, lower-cased
    FixedText<15> reqOS;          // ReqOS, read with 14, lower-cased
    FixedText<10> reqPlatform;    // ReqPlatform, read with 9, lower-cased
    std::uint32_t listFlags = 0;  // ListFlag bits

    bool Has(std::uint32_t flag) const { return (listFlags & flag) != 0; }
};

}  // namespace vl

#pragma once
// The parsed section of the installer being processed.

#include <cstdint>

#include "utility/FixedText.h"

namespace vl {

enum InstallerFlag : std::uint32_t {
    InstallerForceRun = 0x1,
    InstallerAddSourceDir = 0x2,
    InstallerDoNotExtract = 0x4,
    InstallerProgramCompatibility = 0x8,
};

// At most 49 exit codes, in the order written.
struct CodeList {
    static constexpr std::uint32_t kCapacity = 49;
    std::uint32_t count = 0;
    std::uint32_t codes[kCapacity] = {};

    bool Contains(std::uint32_t code) const {
        for (std::uint32_t i = 0; i < count && i < kCapacity; ++i)
            if (codes[i] == code) return true;
        return false;
    }
};

struct InstallerSection {
    FixedText<100> installerName;        // Name, read with 99
    FixedText<260> installerFile;        // File, read with 259, lower-cased
    FixedText<1000> installerArguments;  // Arguments, read with 999
    FixedText<25> rebootMode;            // Reboot, read with 24, default "defer", lower-cased
    CodeList rebootCodes;
    CodeList failCodes;
    std::int32_t playTone = 0;           // PlayTone, seconds
    std::uint32_t installerFlags = 0;    // InstallerFlag bits
    FixedText<520> checkExistence;       // CheckExistence, read with 519
    CodeList reinstallCodes;
    FixedText<50> productCode;           // written by the Windows Installer detection

    bool Has(std::uint32_t flag) const { return (installerFlags & flag) != 0; }
};

}  // namespace vl

#pragma once
// The running system: version records, native system information and the
// Windows and system directories.

#include <cstdint>

#include "platform/Outcome.h"

namespace vl::platform {

// The OSVERSIONINFOEXA layout (156 bytes); the short layout is its first 148.
struct OsVersionInfo {
    std::uint32_t size = 0;
    std::uint32_t majorVersion = 0;
    std::uint32_t minorVersion = 0;
    std::uint32_t buildNumber = 0;
    std::uint32_t platformId = 0;
    char servicePack[128] = {};
    std::uint16_t servicePackMajor = 0;
    std::uint16_t servicePackMinor = 0;
    std::uint16_t suiteMask = 0;
    std::uint8_t productType = 0;
    std::uint8_t reserved = 0;
};

// The fields of SYSTEM_INFO the program reads.
struct NativeSystemInfo {
    std::uint16_t processorArchitecture = 0;
    std::uint32_t pageSize = 0;
    std::uint32_t numberOfProcessors = 0;
};

inline constexpr std::uint32_t kPlatformWin9x = 1;
inline constexpr std::uint32_t kPlatformNt = 2;
inline constexpr std::uint16_t kArchitectureAmd64 = 9;

class SystemInfo {
public:
    SystemInfo() = default;
    SystemInfo(const SystemInfo&) = delete;
    SystemInfo& operator=(const SystemInfo&) = delete;
    virtual ~SystemInfo() = default;

    // GetVersionExA with the record's size field set to `size` (148 or 156).
    [[nodiscard]] virtual Outcome GetVersionEx(OsVersionInfo& info, std::uint32_t size) = 0;
    // GetNativeSystemInfo looked up at run time in the loaded kernel32.dll:
    // false when the function does not exist (info untouched).
    [[nodiscard]] virtual bool GetNativeSystemInfo(NativeSystemInfo& info) = 0;
    virtual void GetSystemInfo(NativeSystemInfo& info) = 0;
    // GetWindowsDirectoryA / GetSystemDirectoryA: value = characters written.
    [[nodiscard]] virtual Result<std::uint32_t> GetWindowsDirectory(char* buffer,
                                                                    std::uint32_t limit) = 0;
    [[nodiscard]] virtual Result<std::uint32_t> GetSystemDirectory(char* buffer,
                                                                   std::uint32_t limit) = 0;
};

}  // namespace vl::platform

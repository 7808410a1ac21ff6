#pragma once
// Registry keys and values. Every call reports the Windows status (0 = success).

#include <cstdint>

#include "platform/Handles.h"
#include "platform/Outcome.h"

namespace vl::platform {

namespace reg {
inline constexpr std::uint32_t kRead = 0x20019;       // KEY_READ
inline constexpr std::uint32_t kWrite = 0x20006;      // KEY_WRITE
inline constexpr std::uint32_t kAllAccess = 0xF003F;  // KEY_ALL_ACCESS
inline constexpr std::uint32_t kTypeString = 1;       // REG_SZ
inline constexpr std::uint32_t kTypeDword = 4;        // REG_DWORD
}  // namespace reg

class Registry {
public:
    Registry() = default;
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;
    virtual ~Registry() = default;

    // RegOpenKeyExA: error = the status.
    [[nodiscard]] virtual Result<KeyHandle> OpenKey(KeyHandle root, const char* subKey,
                                                    std::uint32_t access) = 0;
    // RegCreateKeyExA (no class, no options, default security).
    [[nodiscard]] virtual Result<KeyHandle> CreateKey(KeyHandle root, const char* subKey,
                                                      std::uint32_t access) = 0;
    // RegQueryValueExA into buffer of `size` bytes; value = the type read.
    [[nodiscard]] virtual Result<std::uint32_t> QueryValue(KeyHandle key, const char* name,
                                                           void* buffer, std::uint32_t size) = 0;
    [[nodiscard]] virtual Outcome SetValue(KeyHandle key, const char* name, std::uint32_t type,
                                           const void* data, std::uint32_t size) = 0;
    [[nodiscard]] virtual Outcome DeleteValue(KeyHandle key, const char* name) = 0;
    virtual Outcome FlushKey(KeyHandle key) = 0;
    virtual Outcome CloseKey(KeyHandle key) = 0;
};

}  // namespace vl::platform

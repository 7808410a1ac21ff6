#pragma once
// Modules and their resources.

#include <cstdint>

#include "platform/Handles.h"
#include "platform/Outcome.h"

namespace vl::platform {

namespace module {
inline constexpr std::uint32_t kLoadAsDatafile = 0x2;        // LOAD_LIBRARY_AS_DATAFILE
inline constexpr std::uint32_t kLoadAsImageResource = 0x20;  // LOAD_LIBRARY_AS_IMAGE_RESOURCE
}  // namespace module

class Modules {
public:
    Modules() = default;
    Modules(const Modules&) = delete;
    Modules& operator=(const Modules&) = delete;
    virtual ~Modules() = default;

    // GetModuleFileNameA of the process's executable: value = characters written.
    [[nodiscard]] virtual Result<std::uint32_t> GetExecutablePath(char* buffer,
                                                                  std::uint32_t limit) = 0;
    // LoadLibraryExA with the given flags.
    [[nodiscard]] virtual Result<ModuleHandle> LoadLibraryEx(const char* path,
                                                             std::uint32_t flags) = 0;
    virtual Outcome FreeLibrary(ModuleHandle module) = 0;
    // FindResourceA(module, name, type); a null module is the executable.
    [[nodiscard]] virtual Result<ResourceHandle> FindResource(ModuleHandle module, ResourceId name,
                                                              ResourceId type) = 0;
    [[nodiscard]] virtual Result<ResourceData> LoadResource(ModuleHandle module,
                                                            ResourceHandle resource) = 0;
    // LockResource: the resource's bytes, or null.
    [[nodiscard]] virtual const void* LockResource(ResourceData data) = 0;
    // SizeofResource: value = the size in bytes (0 on failure).
    [[nodiscard]] virtual Result<std::uint32_t> SizeofResource(ModuleHandle module,
                                                               ResourceHandle resource) = 0;
    // LoadStringA: value = characters copied (0 when the string is missing).
    [[nodiscard]] virtual Result<std::uint32_t> LoadString(ModuleHandle module, std::uint32_t id,
                                                           char* buffer, std::uint32_t limit) = 0;
};

}  // namespace vl::platform

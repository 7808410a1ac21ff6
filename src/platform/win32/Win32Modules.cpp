#include "platform/win32/Win32Common.h"
#include "platform/win32/Win32Platform.h"

namespace vl::win32 {

using platform::ModuleHandle;
using platform::Outcome;
using platform::ResourceData;
using platform::ResourceHandle;
using platform::ResourceId;
using platform::Result;

Result<std::uint32_t> Modules::GetExecutablePath(char* buffer, std::uint32_t limit) {
    DWORD n = ::GetModuleFileNameA(nullptr, buffer, limit);
    return {n, n != 0, GetLastError()};
}

Result<ModuleHandle> Modules::LoadLibraryEx(const char* path, std::uint32_t flags) {
    HMODULE m = ::LoadLibraryExA(path, nullptr, flags);
    return {FromWin<ModuleHandle>(m), m != nullptr, GetLastError()};
}

Outcome Modules::FreeLibrary(ModuleHandle module) {
    return Report(::FreeLibrary(ToWin<HMODULE>(module.value)));
}

Result<ResourceHandle> Modules::FindResource(ModuleHandle module, ResourceId name,
                                             ResourceId type) {
    HRSRC r = ::FindResourceA(ToWin<HMODULE>(module.value), ResourceName(name), ResourceName(type));
    return {FromWin<ResourceHandle>(r), r != nullptr, GetLastError()};
}

Result<ResourceData> Modules::LoadResource(ModuleHandle module, ResourceHandle res) {
    HGLOBAL g = ::LoadResource(ToWin<HMODULE>(module.value), ToWin<HRSRC>(res.value));
    return {FromWin<ResourceData>(g), g != nullptr, GetLastError()};
}

const void* Modules::LockResource(ResourceData data) {
    return ::LockResource(ToWin<HGLOBAL>(data.value));
}

Result<std::uint32_t> Modules::SizeofResource(ModuleHandle module, ResourceHandle res) {
    DWORD n = ::SizeofResource(ToWin<HMODULE>(module.value), ToWin<HRSRC>(res.value));
    return {n, n != 0, GetLastError()};
}

Result<std::uint32_t> Modules::LoadString(ModuleHandle module, std::uint32_t id, char* buffer,
                                          std::uint32_t limit) {
    int n = ::LoadStringA(ToWin<HINSTANCE>(module.value), id, buffer, static_cast<int>(limit));
    return {static_cast<std::uint32_t>(n > 0 ? n : 0), n > 0, GetLastError()};
}

}  // namespace vl::win32

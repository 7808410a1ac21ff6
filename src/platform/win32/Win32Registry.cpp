#include "platform/win32/Win32Common.h"
#include "platform/win32/Win32Platform.h"

namespace vl::win32 {

using platform::KeyHandle;
using platform::Outcome;
using platform::Result;

Result<KeyHandle> Registry::OpenKey(KeyHandle root, const char* subKey, std::uint32_t access) {
    HKEY key = nullptr;
    LONG status = ::RegOpenKeyExA(ToWin<HKEY>(root.value), subKey, 0, access, &key);
    return {FromWin<KeyHandle>(key), status == ERROR_SUCCESS, static_cast<std::uint32_t>(status)};
}

Result<KeyHandle> Registry::CreateKey(KeyHandle root, const char* subKey, std::uint32_t access) {
    HKEY key = nullptr;
    LONG status = ::RegCreateKeyExA(ToWin<HKEY>(root.value), subKey, 0, nullptr, 0, access,
                                    nullptr, &key, nullptr);
    return {FromWin<KeyHandle>(key), status == ERROR_SUCCESS, static_cast<std::uint32_t>(status)};
}

Result<std::uint32_t> Registry::QueryValue(KeyHandle key, const char* name, void* buffer,
                                           std::uint32_t size) {
    DWORD type = 0;
    DWORD bytes = size;
    LONG status = ::RegQueryValueExA(ToWin<HKEY>(key.value), name, nullptr, &type,
                                     static_cast<BYTE*>(buffer), &bytes);
    return {type, status == ERROR_SUCCESS, static_cast<std::uint32_t>(status)};
}

Outcome Registry::SetValue(KeyHandle key, const char* name, std::uint32_t type, const void* data,
                           std::uint32_t size) {
    return Status(::RegSetValueExA(ToWin<HKEY>(key.value), name, 0, type,
                                   static_cast<const BYTE*>(data), size));
}

Outcome Registry::DeleteValue(KeyHandle key, const char* name) {
    return Status(::RegDeleteValueA(ToWin<HKEY>(key.value), name));
}

Outcome Registry::FlushKey(KeyHandle key) { return Status(::RegFlushKey(ToWin<HKEY>(key.value))); }

Outcome Registry::CloseKey(KeyHandle key) { return Status(::RegCloseKey(ToWin<HKEY>(key.value))); }

}  // namespace vl::win32

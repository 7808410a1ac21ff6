#pragma once
// Included first by every adapter: windows.h without the A/W name macros that
// would rename the seam's methods (the adapters call the A functions by name).
#include <windows.h>

#undef CopyFile
#undef CreateFile
#undef DeleteFile
#undef FindResource
#undef GetCurrentDirectory
#undef GetFileAttributes
#undef GetLongPathName
#undef GetSystemDirectory
#undef GetTempPath
#undef GetVersionEx
#undef GetWindowsDirectory
#undef LoadLibraryEx
#undef LoadString
#undef MessageBox
#undef SetCurrentDirectory
#undef SetFileAttributes
#undef UnregisterClass

#include "platform/Handles.h"
#include "platform/Outcome.h"

namespace vl::win32 {

template <class H>
inline H ToWin(std::uintptr_t value) {
    return reinterpret_cast<H>(value);
}
template <class Handle, class H>
inline Handle FromWin(H h) {
    return Handle{reinterpret_cast<std::uintptr_t>(h)};
}
inline platform::Outcome Report(BOOL ok) {
    platform::Outcome o;
    o.ok = ok != FALSE;
    o.error = GetLastError();
    return o;
}
inline platform::Outcome Status(LONG status) {
    return platform::Outcome{status == ERROR_SUCCESS, static_cast<std::uint32_t>(status)};
}
inline LPCSTR ResourceName(const platform::ResourceId& id) {
    return id.text != nullptr ? id.text : MAKEINTRESOURCEA(id.number);
}

}  // namespace vl::win32

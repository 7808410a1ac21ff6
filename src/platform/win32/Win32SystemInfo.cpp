#include "platform/win32/Win32Common.h"
#include "platform/win32/Win32Platform.h"

#include <cstring>

namespace vl::win32 {

using platform::Outcome;
using platform::Result;

static_assert(sizeof(OSVERSIONINFOEXA) == 156, "extended version record layout");
static_assert(sizeof(platform::OsVersionInfo) == 156, "seam version record layout");

Outcome SystemInfo::GetVersionEx(platform::OsVersionInfo& info, std::uint32_t size) {
    OSVERSIONINFOEXA record;
    std::memset(&record, 0, sizeof(record));
    record.dwOSVersionInfoSize = size;
    BOOL ok = ::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&record));
    Outcome result = Report(ok);
    if (ok) {
        const std::uint32_t copy = size < sizeof(record) ? size : sizeof(record);
        std::memcpy(static_cast<void*>(&info), &record, copy);
        info.size = size;
    }
    return result;
}

namespace {
void Convert(const SYSTEM_INFO& si, platform::NativeSystemInfo& info) {
    info.processorArchitecture = si.wProcessorArchitecture;
    info.pageSize = si.dwPageSize;
    info.numberOfProcessors = si.dwNumberOfProcessors;
}
}  // namespace

bool SystemInfo::GetNativeSystemInfo(platform::NativeSystemInfo& info) {
    using Fn = void(WINAPI*)(LPSYSTEM_INFO);
    HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
    if (kernel == nullptr) return false;
    auto fn = reinterpret_cast<Fn>(
        reinterpret_cast<void*>(::GetProcAddress(kernel, "GetNativeSystemInfo")));
    if (fn == nullptr) return false;
    SYSTEM_INFO si;
    std::memset(&si, 0, sizeof(si));
    fn(&si);
    Convert(si, info);
    return true;
}

void SystemInfo::GetSystemInfo(platform::NativeSystemInfo& info) {
    SYSTEM_INFO si;
    std::memset(&si, 0, sizeof(si));
    ::GetSystemInfo(&si);
    Convert(si, info);
}

Result<std::uint32_t> SystemInfo::GetWindowsDirectory(char* buffer, std::uint32_t limit) {
    UINT n = ::GetWindowsDirectoryA(buffer, limit);
    return {n, n != 0, GetLastError()};
}

Result<std::uint32_t> SystemInfo::GetSystemDirectory(char* buffer, std::uint32_t limit) {
    UINT n = ::GetSystemDirectoryA(buffer, limit);
    return {n, n != 0, GetLastError()};
}

}  // namespace vl::win32

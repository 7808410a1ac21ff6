#include "platform/win32/Win32Common.h"
#include "platform/win32/Win32Platform.h"

namespace vl::win32 {

using platform::FileHandle;
using platform::Outcome;
using platform::Result;

Result<std::uint32_t> FileSystem::GetTempPath(char* buffer, std::uint32_t limit) {
    DWORD n = ::GetTempPathA(limit, buffer);
    return {n, n != 0, GetLastError()};
}

Result<std::uint32_t> FileSystem::GetLongPathName(const char* path, char* buffer,
                                                  std::uint32_t limit) {
    DWORD n = ::GetLongPathNameA(path, buffer, limit);
    return {n, n != 0, GetLastError()};
}

Result<FileHandle> FileSystem::CreateFile(const char* path, std::uint32_t access,
                                          std::uint32_t share, std::uint32_t disposition,
                                          std::uint32_t flags) {
    HANDLE h = ::CreateFileA(path, access, share, nullptr, disposition, flags, nullptr);
    DWORD error = GetLastError();
    return {FromWin<FileHandle>(h), h != INVALID_HANDLE_VALUE, error};
}

Outcome FileSystem::SeekToEnd(FileHandle file) {
    DWORD r = ::SetFilePointer(ToWin<HANDLE>(file.value), 0, nullptr, FILE_END);
    DWORD error = GetLastError();
    return {r != INVALID_SET_FILE_POINTER || error == NO_ERROR, error};
}

Result<std::uint32_t> FileSystem::WriteFile(FileHandle file, const void* data,
                                            std::uint32_t size) {
    DWORD written = 0;
    BOOL ok = ::WriteFile(ToWin<HANDLE>(file.value), data, size, &written, nullptr);
    return {written, ok != FALSE, GetLastError()};
}

Result<std::uint32_t> FileSystem::ReadFile(FileHandle file, void* buffer, std::uint32_t size) {
    DWORD read = 0;
    BOOL ok = ::ReadFile(ToWin<HANDLE>(file.value), buffer, size, &read, nullptr);
    return {read, ok != FALSE, GetLastError()};
}

Outcome FileSystem::CloseFile(FileHandle file) { return Report(::CloseHandle(ToWin<HANDLE>(file.value))); }

bool FileSystem::Exists(const char* path) {
    return ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

Outcome FileSystem::DeleteFile(const char* path) { return Report(::DeleteFileA(path)); }

Outcome FileSystem::CopyFile(const char* from, const char* to, bool failIfExists) {
    return Report(::CopyFileA(from, to, failIfExists ? TRUE : FALSE));
}

Result<std::uint32_t> FileSystem::GetFileAttributes(const char* path) {
    DWORD a = ::GetFileAttributesA(path);
    return {a, a != INVALID_FILE_ATTRIBUTES, GetLastError()};
}

Outcome FileSystem::SetFileAttributes(const char* path, std::uint32_t attributes) {
    return Report(::SetFileAttributesA(path, attributes));
}

Result<std::uint32_t> FileSystem::GetCurrentDirectory(char* buffer, std::uint32_t limit) {
    DWORD n = ::GetCurrentDirectoryA(limit, buffer);
    return {n, n != 0, GetLastError()};
}

Outcome FileSystem::SetCurrentDirectory(const char* path) {
    return Report(::SetCurrentDirectoryA(path));
}

}  // namespace vl::win32

#pragma once
// Files, folders and the process's current and temporary directories.

#include <cstdint>

#include "platform/Handles.h"
#include "platform/Outcome.h"

namespace vl::platform {

// Windows values used with CreateFileA.
namespace file {
inline constexpr std::uint32_t kGenericRead = 0x80000000u;
inline constexpr std::uint32_t kGenericWrite = 0x40000000u;
inline constexpr std::uint32_t kShareRead = 0x1;
inline constexpr std::uint32_t kShareWrite = 0x2;
inline constexpr std::uint32_t kShareDelete = 0x4;
inline constexpr std::uint32_t kCreateAlways = 2;
inline constexpr std::uint32_t kOpenExisting = 3;
inline constexpr std::uint32_t kOpenAlways = 4;
inline constexpr std::uint32_t kAttributeReadOnly = 0x1;
inline constexpr std::uint32_t kAttributeDirectory = 0x10;
inline constexpr std::uint32_t kAttributeNormal = 0x80;
inline constexpr std::uint32_t kFlagWriteThrough = 0x80000000u;
inline constexpr std::uint32_t kInvalidAttributes = 0xFFFFFFFFu;
}  // namespace file

class FileSystem {
public:
    FileSystem() = default;
    FileSystem(const FileSystem&) = delete;
    FileSystem& operator=(const FileSystem&) = delete;
    virtual ~FileSystem() = default;

    // GetTempPathA: value = the length it returned (0 on failure; larger than
    // limit when the buffer was too small, and then nothing was written).
    [[nodiscard]] virtual Result<std::uint32_t> GetTempPath(char* buffer, std::uint32_t limit) = 0;
    // GetLongPathNameA; in and out may be the same buffer.
    [[nodiscard]] virtual Result<std::uint32_t> GetLongPathName(const char* path, char* buffer,
                                                                std::uint32_t limit) = 0;
    // CreateFileA. On failure value is kInvalidFile.
    [[nodiscard]] virtual Result<FileHandle> CreateFile(const char* path, std::uint32_t access,
                                                        std::uint32_t share,
                                                        std::uint32_t disposition,
                                                        std::uint32_t flagsAndAttributes) = 0;
    [[nodiscard]] virtual Outcome SeekToEnd(FileHandle file) = 0;
    // WriteFile: value = bytes written.
    [[nodiscard]] virtual Result<std::uint32_t> WriteFile(FileHandle file, const void* data,
                                                          std::uint32_t size) = 0;
    // ReadFile: value = bytes read (0 at the end of the file).
    [[nodiscard]] virtual Result<std::uint32_t> ReadFile(FileHandle file, void* buffer,
                                                         std::uint32_t size) = 0;
    virtual Outcome CloseFile(FileHandle file) = 0;
    // Existence-only access test (_access with mode 0): a file or a folder.
    [[nodiscard]] virtual bool Exists(const char* path) = 0;
    [[nodiscard]] virtual Outcome DeleteFile(const char* path) = 0;
    [[nodiscard]] virtual Outcome CopyFile(const char* from, const char* to,
                                           bool failIfExists) = 0;
    // GetFileAttributesA: value = kInvalidAttributes on failure.
    [[nodiscard]] virtual Result<std::uint32_t> GetFileAttributes(const char* path) = 0;
    [[nodiscard]] virtual Outcome SetFileAttributes(const char* path, std::uint32_t attributes) = 0;
    [[nodiscard]] virtual Result<std::uint32_t> GetCurrentDirectory(char* buffer,
                                                                    std::uint32_t limit) = 0;
    [[nodiscard]] virtual Outcome SetCurrentDirectory(const char* path) = 0;
};

}  // namespace vl::platform

#pragma once
// The Windows codes the program produces itself or reads, with their origin.

#include <cstdint>

namespace vl::code {

inline constexpr std::uint32_t kSuccess = 0;
// ERROR_FILE_NOT_FOUND: no settings file; a replacement file that is missing;
// an extracted file that is not there after its write.
inline constexpr std::uint32_t kFileNotFound = 2;
// ERROR_ACCESS_DENIED: a permission, operating-system or platform requirement
// not met (the run's result), and the error of a refused file write.
inline constexpr std::uint32_t kAccessDenied = 5;
// ERROR_INVALID_HANDLE: Help or More Help asked for without a language module.
inline constexpr std::uint32_t kInvalidHandle = 6;
// ERROR_INVALID_DATA: bad or missing settings, an installer that was not
// prepared, a run that stopped before installing or after a utility command.
inline constexpr std::uint32_t kInvalidData = 13;
// ERROR_CALL_NOT_IMPLEMENTED: InitiateSystemShutdownExA is missing.
inline constexpr std::uint32_t kCallNotImplemented = 120;
// ERROR_BAD_PATHNAME: a missing Name or File key, an option without its file name.
inline constexpr std::uint32_t kBadPathName = 161;
// ERROR_ALREADY_EXISTS: CreateMutexA found another bootstrapper's mutex.
inline constexpr std::uint32_t kAlreadyExists = 183;
// ERROR_MORE_DATA: a Windows Installer value that does not fit its buffer.
inline constexpr std::uint32_t kMoreData = 234;
// ERROR_NO_MORE_ITEMS: the end of an enumeration.
inline constexpr std::uint32_t kNoMoreItems = 259;
// ERROR_NO_TOKEN: the thread is not impersonating.
inline constexpr std::uint32_t kNoToken = 1008;
// ERROR_SUCCESS_REBOOT_INITIATED: the run ended with a restart.
inline constexpr std::uint32_t kRebootInitiated = 1641;
// ERROR_RESOURCE_TYPE_NOT_FOUND: FindResourceA failed without a last error.
inline constexpr std::uint32_t kResourceTypeNotFound = 1813;

}  // namespace vl::code

namespace vl {

// The verdict of the exit-code policy on a prerequisite.
enum ReturnAction : std::uint32_t {
    ActionContinue = 0,
    ActionFail = 1,
    ActionRebootDeclined = 2,
    ActionRebooting = 3,
    ActionReturn = 4,
    ActionReinstall = 5,
};

}  // namespace vl

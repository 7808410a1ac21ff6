#pragma once
// What an adapter reports: whether the call succeeded, and the last Windows
// error read right after it (also after a success, where the caller needs it,
// as with CreateMutexA and 183). Decisions about the code belong to the
// caller; ErrorOr gives a code that is never 0 for a failed call.

#include <cstdint>

namespace vl::platform {

struct Outcome {
    bool ok = false;
    std::uint32_t error = 0;
};

template <class T>
struct Result {
    T value{};
    bool ok = false;
    std::uint32_t error = 0;
};

// The error of a failed call, or `fallback` when Windows left the last error at 0.
[[nodiscard]] constexpr std::uint32_t ErrorOr(std::uint32_t error, std::uint32_t fallback) {
    return error != 0 ? error : fallback;
}

}  // namespace vl::platform

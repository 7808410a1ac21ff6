#pragma once
// Local time and waiting.

#include <cstdint>

namespace vl::platform {

// The fields of SYSTEMTIME.
struct LocalTime {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t dayOfWeek = 0;
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t milliseconds = 0;
};

class Clock {
public:
    Clock() = default;
    Clock(const Clock&) = delete;
    Clock& operator=(const Clock&) = delete;
    virtual ~Clock() = default;

    virtual LocalTime GetLocalTime() = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
};

}  // namespace vl::platform

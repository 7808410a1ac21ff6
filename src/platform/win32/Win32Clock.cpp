#include "platform/win32/Win32Common.h"
#include "platform/win32/Win32Platform.h"

namespace vl::win32 {

platform::LocalTime Clock::GetLocalTime() {
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    return {st.wYear, st.wMonth, st.wDayOfWeek, st.wDay,
            st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

void Clock::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

}  // namespace vl::win32

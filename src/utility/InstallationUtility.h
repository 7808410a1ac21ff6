#pragma once
// Operations that know nothing of the bootstrapper: the log writer, the
// message box with its hidden owner, and foreground forcing. No state beyond
// the platform it talks to.

#include <cstddef>
#include <cstdint>

#include "platform/Platform.h"
#include "utility/Format.h"

namespace vl {

inline constexpr const char* kHiddenOwnerClass = "VLInstallationUtility_HiddenWnd";

class InstallationUtility {
public:
    explicit InstallationUtility(platform::Platform& platform) : platform_(platform) {}
    InstallationUtility(const InstallationUtility&) = delete;
    InstallationUtility& operator=(const InstallationUtility&) = delete;

    // Appends one time-stamped line to fileName. Returns 0 when it wrote the
    // line or had nothing to write (null or empty name or format), else the
    // error of the failed open. A failed write is not reported.
    [[nodiscard]] std::uint32_t WriteLogLine(const char* fileName, const char* format,
                                             const FormatArg* args, std::size_t argCount);

    // A message box; without an owner, a hidden disabled owner window is
    // created, forced to the foreground and removed afterwards. Returns the
    // button chosen (0 when the box could not be shown).
    int ShowMessageBox(platform::WindowHandle owner, const char* text, const char* caption,
                       std::uint32_t type);

    // Brings window to the foreground the way the running Windows version
    // allows. Returns the result of SetForegroundWindow.
    bool ForceForegroundWindow(platform::WindowHandle window);

private:
    platform::Platform& platform_;
};

}  // namespace vl

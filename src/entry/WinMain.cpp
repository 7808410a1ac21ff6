// The entry point: builds the Win32 platform and one bootstrapper, and
// returns its result as the exit code.
#include "platform/win32/Win32Common.h"

#include "core/InstallationBootstrapper.h"
#include "platform/win32/Win32Platform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    static vl::win32::Win32Platform platform;
    std::uint32_t result = 0;
    {
        vl::InstallationBootstrapper bootstrapper(platform.platform, commandLine);
        result = bootstrapper.RunBootstrapper();
    }
    return static_cast<int>(result);
}

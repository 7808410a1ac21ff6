#include "utility/InstallationUtility.h"

#include <cstring>

#include "core/ResultCodes.h"
#include "platform/Holders.h"

namespace vl {

using namespace vl::platform;

std::uint32_t InstallationUtility::WriteLogLine(const char* fileName, const char* format,
                                                const FormatArg* args, std::size_t argCount) {
    if (fileName == nullptr || *fileName == '\0' || format == nullptr || *format == '\0') return 0;

    auto opened = platform_.files.CreateFile(fileName, file::kGenericWrite, file::kShareRead,
                                             file::kOpenAlways,
                                             file::kAttributeNormal | file::kFlagWriteThrough);
    if (!opened.ok) return ErrorOr(opened.error, code::kAccessDenied);
    UniqueFile log(platform_.files, opened.value);

    char message[1000] = {};
    FormatTextArgs(message, 999, format, args, argCount);
    const LocalTime t = platform_.clock.GetLocalTime();
    char line[4096] = {};
    const std::size_t length =
        FormatText(line, 4095, "%d/%d/%d - %d:%d:%d:%d - %s \r\n", t.year, t.month, t.day, t.hour,
                   t.minute, t.second, t.milliseconds, message);

    (void)platform_.files.SeekToEnd(log.Get());
    (void)platform_.files.WriteFile(log.Get(), line, static_cast<std::uint32_t>(length));
    return 0;
}

int InstallationUtility::ShowMessageBox(WindowHandle owner, const char* text, const char* caption,
                                        std::uint32_t type) {
    UniqueWindow hidden(platform_.ui);
    if (owner.IsNull()) {
        (void)platform_.ui.RegisterPlainClass(kHiddenOwnerClass);
        auto created = platform_.ui.CreatePlainWindow(kHiddenOwnerClass, ui::kStyleDisabled);
        if (created.ok) {
            hidden.Reset(created.value);
            ForceForegroundWindow(hidden.Get());
            owner = hidden.Get();
        }
    }
    auto shown = platform_.ui.MessageBox(owner, text, caption, type | ui::kMbSetForeground);
    if (hidden.IsValid()) {
        hidden.Close();
        (void)platform_.ui.UnregisterClass(kHiddenOwnerClass);
    }
    return shown.value;
}

bool InstallationUtility::ForceForegroundWindow(WindowHandle window) {
    OsVersionInfo version;
    (void)platform_.system.GetVersionEx(version, 148);
    UserInterface& ui = platform_.ui;

    if (version.platformId == kPlatformWin9x && version.minorVersion >= 1) {
        auto kept = ui.GetForegroundLockTimeout();
        (void)ui.SetForegroundLockTimeout(0);
        platform_.clock.Sleep(10);
        bool result = ui.SetForegroundWindow(window);
        (void)ui.SetForegroundLockTimeout(kept.value);
        return result;
    }
    if (version.platformId == kPlatformNt && version.majorVersion >= 5) {
        const std::uint32_t foregroundThread = ui.GetWindowThreadId(ui.GetForegroundWindow());
        const std::uint32_t currentThread = ui.GetCurrentThreadId();
        ui.AttachThreadInput(foregroundThread, currentThread, true);
        bool result = ui.SetForegroundWindow(window);
        ui.AttachThreadInput(foregroundThread, currentThread, false);
        return result;
    }
    return ui.SetForegroundWindow(window);
}

}  // namespace vl

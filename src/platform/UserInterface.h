#pragma once
// Windows, message boxes, the foreground, cursors and the thread keyboard hook.

#include <cstdint>

#include "platform/Handles.h"
#include "platform/Outcome.h"

namespace vl::platform {

namespace ui {
inline constexpr std::uint32_t kStyleDisabled = 0x08000000u;  // WS_DISABLED
inline constexpr std::uint32_t kMbOk = 0x0;
inline constexpr std::uint32_t kMbIconExclamation = 0x30;
inline constexpr std::uint32_t kMbSetForeground = 0x10000;
inline constexpr int kVkControl = 0x11;
inline constexpr int kVkInsert = 0x2D;
}  // namespace ui

// Receives the key events of the thread keyboard hook. Returns true to
// swallow the event, false to pass it on to the next hook.
class KeyboardHookHandler {
public:
    virtual bool OnKey(int code, std::uintptr_t wParam, std::intptr_t lParam) = 0;

protected:
    ~KeyboardHookHandler() = default;
};

class UserInterface {
public:
    UserInterface() = default;
    UserInterface(const UserInterface&) = delete;
    UserInterface& operator=(const UserInterface&) = delete;
    virtual ~UserInterface() = default;

    // SetWindowsHookExA(WH_KEYBOARD) for the current thread, no module.
    [[nodiscard]] virtual Result<HookHandle> InstallKeyboardHook(KeyboardHookHandler& handler) = 0;
    virtual Outcome RemoveKeyboardHook(HookHandle hook) = 0;
    // GetKeyState: the high bit tells that the key is down.
    [[nodiscard]] virtual std::int16_t GetKeyState(int virtualKey) = 0;

    // RegisterClassA with the default window procedure and nothing else.
    [[nodiscard]] virtual Outcome RegisterPlainClass(const char* className) = 0;
    virtual Outcome UnregisterClass(const char* className) = 0;
    // CreateWindowExA(0, class, "", style, 0, 0, 0, 0, no parent, menu, instance).
    [[nodiscard]] virtual Result<WindowHandle> CreatePlainWindow(const char* className,
                                                                 std::uint32_t style) = 0;
    virtual Outcome DestroyWindow(WindowHandle window) = 0;
    // MessageBoxA: value = the button chosen (0 on failure).
    [[nodiscard]] virtual Result<int> MessageBox(WindowHandle owner, const char* text,
                                                 const char* caption, std::uint32_t type) = 0;

    [[nodiscard]] virtual bool SetForegroundWindow(WindowHandle window) = 0;
    [[nodiscard]] virtual WindowHandle GetForegroundWindow() = 0;
    // GetWindowThreadProcessId: the window's thread id (0 for none).
    [[nodiscard]] virtual std::uint32_t GetWindowThreadId(WindowHandle window) = 0;
    [[nodiscard]] virtual std::uint32_t GetCurrentThreadId() = 0;
    virtual bool AttachThreadInput(std::uint32_t from, std::uint32_t to, bool attach) = 0;
    // SPI_GETFOREGROUNDLOCKTIMEOUT / SPI_SETFOREGROUNDLOCKTIMEOUT (no profile update).
    [[nodiscard]] virtual Result<std::uint32_t> GetForegroundLockTimeout() = 0;
    virtual Outcome SetForegroundLockTimeout(std::uint32_t milliseconds) = 0;

    // LoadCursorA(NULL, IDC_WAIT).
    [[nodiscard]] virtual CursorHandle LoadWaitCursor() = 0;
    // SetCursor: returns the cursor that was in place.
    virtual CursorHandle SetCursor(CursorHandle cursor) = 0;
};

}  // namespace vl::platform

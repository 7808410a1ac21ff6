#include "platform/win32/Win32Common.h"
#include "platform/win32/Win32Platform.h"

namespace vl::win32 {

using platform::CursorHandle;
using platform::HookHandle;
using platform::Outcome;
using platform::Result;
using platform::WindowHandle;

namespace {

// The hook procedure is a plain function: it reaches the portable handler
// through the one handler installed for the main thread.
platform::KeyboardHookHandler* g_keyHandler = nullptr;
HHOOK g_hook = nullptr;

LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
    if (g_keyHandler != nullptr && g_keyHandler->OnKey(code, wParam, lParam)) return 1;
    return ::CallNextHookEx(g_hook, code, wParam, lParam);
}

}  // namespace

Result<HookHandle> UserInterface::InstallKeyboardHook(platform::KeyboardHookHandler& handler) {
    g_keyHandler = &handler;
    HHOOK h = ::SetWindowsHookExA(WH_KEYBOARD, KeyboardProc, nullptr, ::GetCurrentThreadId());
    DWORD error = GetLastError();
    if (h == nullptr) g_keyHandler = nullptr;
    g_hook = h;
    return {FromWin<HookHandle>(h), h != nullptr, error};
}

Outcome UserInterface::RemoveKeyboardHook(HookHandle hook) {
    Outcome o = Report(::UnhookWindowsHookEx(ToWin<HHOOK>(hook.value)));
    if (ToWin<HHOOK>(hook.value) == g_hook) {
        g_hook = nullptr;
        g_keyHandler = nullptr;
    }
    return o;
}

std::int16_t UserInterface::GetKeyState(int virtualKey) { return ::GetKeyState(virtualKey); }

Outcome UserInterface::RegisterPlainClass(const char* className) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.lpszClassName = className;
    return Report(::RegisterClassA(&wc) != 0);
}

Outcome UserInterface::UnregisterClass(const char* className) {
    return Report(::UnregisterClassA(className, nullptr));
}

Result<WindowHandle> UserInterface::CreatePlainWindow(const char* className, std::uint32_t style) {
    HWND w = ::CreateWindowExA(0, className, "", style, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                               nullptr);
    return {FromWin<WindowHandle>(w), w != nullptr, GetLastError()};
}

Outcome UserInterface::DestroyWindow(WindowHandle window) {
    return Report(::DestroyWindow(ToWin<HWND>(window.value)));
}

Result<int> UserInterface::MessageBox(WindowHandle owner, const char* text, const char* caption,
                                      std::uint32_t type) {
    int r = ::MessageBoxA(ToWin<HWND>(owner.value), text, caption, type);
    return {r, r != 0, GetLastError()};
}

bool UserInterface::SetForegroundWindow(WindowHandle window) {
    return ::SetForegroundWindow(ToWin<HWND>(window.value)) != FALSE;
}

WindowHandle UserInterface::GetForegroundWindow() {
    return FromWin<WindowHandle>(::GetForegroundWindow());
}

std::uint32_t UserInterface::GetWindowThreadId(WindowHandle window) {
    return ::GetWindowThreadProcessId(ToWin<HWND>(window.value), nullptr);
}

std::uint32_t UserInterface::GetCurrentThreadId() { return ::GetCurrentThreadId(); }

bool UserInterface::AttachThreadInput(std::uint32_t from, std::uint32_t to, bool attach) {
    return ::AttachThreadInput(from, to, attach ? TRUE : FALSE) != FALSE;
}

Result<std::uint32_t> UserInterface::GetForegroundLockTimeout() {
    DWORD value = 0;
    BOOL ok = ::SystemParametersInfoA(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &value, 0);
    return {value, ok != FALSE, GetLastError()};
}

Outcome UserInterface::SetForegroundLockTimeout(std::uint32_t milliseconds) {
    return Report(::SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0,
                                          reinterpret_cast<void*>(static_cast<UINT_PTR>(milliseconds)),
                                          0));
}

CursorHandle UserInterface::LoadWaitCursor() {
    return FromWin<CursorHandle>(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));  // IDC_WAIT
}

CursorHandle UserInterface::SetCursor(CursorHandle cursor) {
    return FromWin<CursorHandle>(::SetCursor(ToWin<HCURSOR>(cursor.value)));
}

}  // namespace vl::win32

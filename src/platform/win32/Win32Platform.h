#pragma once
// The Win32 adapters: each method makes one Windows call (or a fixed few)
// and reports what happened. No decisions, no log lines.

#include "platform/Platform.h"

namespace vl::win32 {

class FileSystem final : public platform::FileSystem {
public:
    platform::Result<std::uint32_t> GetTempPath(char* buffer, std::uint32_t limit) override;
    platform::Result<std::uint32_t> GetLongPathName(const char* path, char* buffer,
                                                    std::uint32_t limit) override;
    platform::Result<platform::FileHandle> CreateFile(const char* path, std::uint32_t access,
                                                      std::uint32_t share,
                                                      std::uint32_t disposition,
                                                      std::uint32_t flags) override;
    platform::Outcome SeekToEnd(platform::FileHandle file) override;
    platform::Result<std::uint32_t> WriteFile(platform::FileHandle file, const void* data,
                                              std::uint32_t size) override;
    platform::Result<std::uint32_t> ReadFile(platform::FileHandle file, void* buffer,
                                             std::uint32_t size) override;
    platform::Outcome CloseFile(platform::FileHandle file) override;
    bool Exists(const char* path) override;
    platform::Outcome DeleteFile(const char* path) override;
    platform::Outcome CopyFile(const char* from, const char* to, bool failIfExists) override;
    platform::Result<std::uint32_t> GetFileAttributes(const char* path) override;
    platform::Outcome SetFileAttributes(const char* path, std::uint32_t attributes) override;
    platform::Result<std::uint32_t> GetCurrentDirectory(char* buffer, std::uint32_t limit) override;
    platform::Outcome SetCurrentDirectory(const char* path) override;
};

class Registry final : public platform::Registry {
public:
    platform::Result<platform::KeyHandle> OpenKey(platform::KeyHandle root, const char* subKey,
                                                  std::uint32_t access) override;
    platform::Result<platform::KeyHandle> CreateKey(platform::KeyHandle root, const char* subKey,
                                                    std::uint32_t access) override;
    platform::Result<std::uint32_t> QueryValue(platform::KeyHandle key, const char* name,
                                               void* buffer, std::uint32_t size) override;
    platform::Outcome SetValue(platform::KeyHandle key, const char* name, std::uint32_t type,
                               const void* data, std::uint32_t size) override;
    platform::Outcome DeleteValue(platform::KeyHandle key, const char* name) override;
    platform::Outcome FlushKey(platform::KeyHandle key) override;
    platform::Outcome CloseKey(platform::KeyHandle key) override;
};

class Modules final : public platform::Modules {
public:
    platform::Result<std::uint32_t> GetExecutablePath(char* buffer, std::uint32_t limit) override;
    platform::Result<platform::ModuleHandle> LoadLibraryEx(const char* path,
                                                           std::uint32_t flags) override;
    platform::Outcome FreeLibrary(platform::ModuleHandle module) override;
    platform::Result<platform::ResourceHandle> FindResource(platform::ModuleHandle module,
                                                            platform::ResourceId name,
                                                            platform::ResourceId type) override;
    platform::Result<platform::ResourceData> LoadResource(platform::ModuleHandle module,
                                                          platform::ResourceHandle res) override;
    const void* LockResource(platform::ResourceData data) override;
    platform::Result<std::uint32_t> SizeofResource(platform::ModuleHandle module,
                                                   platform::ResourceHandle res) override;
    platform::Result<std::uint32_t> LoadString(platform::ModuleHandle module, std::uint32_t id,
                                               char* buffer, std::uint32_t limit) override;
};

class SystemInfo final : public platform::SystemInfo {
public:
    platform::Outcome GetVersionEx(platform::OsVersionInfo& info, std::uint32_t size) override;
    bool GetNativeSystemInfo(platform::NativeSystemInfo& info) override;
    void GetSystemInfo(platform::NativeSystemInfo& info) override;
    platform::Result<std::uint32_t> GetWindowsDirectory(char* buffer, std::uint32_t limit) override;
    platform::Result<std::uint32_t> GetSystemDirectory(char* buffer, std::uint32_t limit) override;
};

class UserInterface final : public platform::UserInterface {
public:
    platform::Result<platform::HookHandle> InstallKeyboardHook(
        platform::KeyboardHookHandler& handler) override;
    platform::Outcome RemoveKeyboardHook(platform::HookHandle hook) override;
    std::int16_t GetKeyState(int virtualKey) override;
    platform::Outcome RegisterPlainClass(const char* className) override;
    platform::Outcome UnregisterClass(const char* className) override;
    platform::Result<platform::WindowHandle> CreatePlainWindow(const char* className,
                                                               std::uint32_t style) override;
    platform::Outcome DestroyWindow(platform::WindowHandle window) override;
    platform::Result<int> MessageBox(platform::WindowHandle owner, const char* text,
                                     const char* caption, std::uint32_t type) override;
    bool SetForegroundWindow(platform::WindowHandle window) override;
    platform::WindowHandle GetForegroundWindow() override;
    std::uint32_t GetWindowThreadId(platform::WindowHandle window) override;
    std::uint32_t GetCurrentThreadId() override;
    bool AttachThreadInput(std::uint32_t from, std::uint32_t to, bool attach) override;
    platform::Result<std::uint32_t> GetForegroundLockTimeout() override;
    platform::Outcome SetForegroundLockTimeout(std::uint32_t milliseconds) override;
    platform::CursorHandle LoadWaitCursor() override;
    platform::CursorHandle SetCursor(platform::CursorHandle cursor) override;
};

class Clock final : public platform::Clock {
public:
    platform::LocalTime GetLocalTime() override;
    void Sleep(std::uint32_t milliseconds) override;
};

class TextRules final : public platform::TextRules {
public:
    bool EqualNoCase(const char* a, const char* b) const override;
    void LowerInPlace(char* text) const override;
    bool IsLeadByte(unsigned char c) const override;
};

// Every adapter, and the seam built from them.
struct Win32Platform {
    FileSystem files;
    Registry registry;
    Modules modules;
    SystemInfo system;
    UserInterface ui;
    Clock clock;
    TextRules text;
    platform::Platform platform{files, registry, modules, system, ui, clock, text};
};

}  // namespace vl::win32

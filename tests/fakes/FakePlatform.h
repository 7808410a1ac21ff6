#pragma once
// An in-memory platform for unit tests: files and folders, a registry, modules
// with resources and strings, system facts, a clock you set, and a user
// interface that records every call and answers message boxes from a queue.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "utility/TextRules.h"

namespace vl::fake {

// Windows paths compare without regard to case.
struct NoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const;
};
std::string Lower(std::string s);
// File paths compare as Windows compares them: without regard to case, and
// with a run of backslashes inside a path (C:\Temp\\Settings.ini) naming
// the same place as one.
struct PathLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

class FileSystem final : public platform::FileSystem {
public:
    struct File {
        std::string bytes;
        std::uint32_t attributes = platform::file::kAttributeNormal;
        std::uint32_t openCount = 0;
        std::uint32_t shareMode = 0x7;  // what the current openers allow others
    };
    struct Open {
        std::string path;
        std::uint64_t position = 0;
        std::uint32_t access = 0;
    };

    std::string tempPath = "C:\\Users\\me\\AppData\\Local\\Temp\\";
    std::string longTempPath;  // empty: the long form equals tempPath
    bool tempPathFails = false;
    std::string currentDirectory = "C:\\work";
    std::map<std::string, File, PathLess> files;
    std::set<std::string, PathLess> directories;
    // Paths where a create or a write is refused with the given error.
    std::map<std::string, std::uint32_t, PathLess> createErrors;
    std::map<std::string, std::uint32_t, PathLess> writeErrors;
    std::map<std::uintptr_t, Open> opens;
    std::vector<std::string> calls;  // "CreateFile path", "DeleteFile path", ...

    FileSystem();
    void AddDirectory(const std::string& path);
    void AddFile(const std::string& path, const std::string& bytes,
                 std::uint32_t attributes = platform::file::kAttributeNormal);
    bool Has(const std::string& path) const { return files.count(path) != 0; }
    const std::string& Bytes(const std::string& path) const { return files.at(path).bytes; }
    std::size_t OpenHandleCount() const { return opens.size(); }

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

private:
    bool ParentExists(const std::string& path) const;
    std::uintptr_t nextHandle_ = 0x100;
};

class Registry final : public platform::Registry {
public:
    struct Value {
        std::uint32_t type = platform::reg::kTypeString;
        std::string data;  // raw bytes, a string's terminator included
    };
    // Full key path ("HKLM\\Software\\...") to its values (by name, no case).
    std::map<std::string, std::map<std::string, Value, NoCaseLess>, NoCaseLess> keys;
    std::map<std::string, std::uint32_t, NoCaseLess> openErrors;  // key path -> status
    std::vector<std::string> calls;

    void AddKey(const std::string& path) { keys[path]; }
    void SetString(const std::string& key, const std::string& name, const std::string& text);
    std::size_t OpenKeyCount() const { return opened_.size(); }

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

    static std::string RootName(platform::KeyHandle root);

private:
    std::string PathOf(platform::KeyHandle key, const char* subKey) const;
    std::map<std::uintptr_t, std::string> opened_;
    std::uintptr_t nextHandle_ = 0x1000;
};

class Modules final : public platform::Modules {
public:
    struct Module {
        std::string path;
        // "TYPE/NAME" (numbers as "#103") to bytes.
        std::map<std::string, std::string> resources;
        std::map<std::uint32_t, std::string> strings;
    };
    std::string executablePath = "C:\\pkg\\setup.exe";
    bool executablePathFails = false;
    Module executable;                          // handle 0
    std::map<std::uintptr_t, Module> loaded;    // handles of loaded modules
    // What LoadLibraryEx finds at a path (no case), and the error otherwise.
    std::map<std::string, Module, NoCaseLess> loadable;
    std::uint32_t loadError = 193;              // ERROR_BAD_EXE_FORMAT
    std::uint32_t findError = 1814;             // ERROR_RESOURCE_NAME_NOT_FOUND
    std::vector<std::string> calls;

    static std::string Key(platform::ResourceId type, platform::ResourceId name);

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

private:
    Module* Find(platform::ModuleHandle module);
    std::vector<std::pair<std::uintptr_t, std::string>> found_;  // resource handles
    std::uintptr_t nextModule_ = 0x10000000;
};

class SystemInfo final : public platform::SystemInfo {
public:
    platform::OsVersionInfo version;  // defaults to Windows 7 SP1 (6.1.7601, NT)
    bool versionFails = false;
    bool extendedVersionFails = false;
    bool hasNativeSystemInfo = true;
    platform::NativeSystemInfo native;
    platform::NativeSystemInfo emulated;
    std::string windowsDirectory = "C:\\Windows";
    std::string systemDirectory = "C:\\Windows\\system32";
    std::vector<std::string> calls;

    SystemInfo();
    platform::Outcome GetVersionEx(platform::OsVersionInfo& info, std::uint32_t size) override;
    bool GetNativeSystemInfo(platform::NativeSystemInfo& info) override;
    void GetSystemInfo(platform::NativeSystemInfo& info) override;
    platform::Result<std::uint32_t> GetWindowsDirectory(char* buffer, std::uint32_t limit) override;
    platform::Result<std::uint32_t> GetSystemDirectory(char* buffer, std::uint32_t limit) override;
};

class UserInterface final : public platform::UserInterface {
public:
    struct Box {
        std::uintptr_t owner = 0;
        std::string text;
        std::string caption;
        std::uint32_t type = 0;
    };
    std::vector<std::string> calls;  // every call in order, with its arguments
    std::vector<Box> boxes;
    std::deque<int> answers;         // buttons to answer the next boxes with (default 1)
    bool hookFails = false;
    bool registerFails = false;
    bool createFails = false;
    platform::KeyboardHookHandler* hookHandler = nullptr;
    std::set<std::uintptr_t> windows;          // windows that exist
    std::set<std::string> classes;             // registered classes
    std::map<int, std::int16_t> keyStates;
    std::uint32_t foregroundLockTimeout = 200000;
    platform::CursorHandle cursor{0x77};

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

private:
    std::uintptr_t nextWindow_ = 0x5000;
};

class Clock final : public platform::Clock {
public:
    platform::LocalTime now{2010, 12, 3, 22, 9, 5, 3, 7};
    std::vector<std::uint32_t> sleeps;
    platform::LocalTime GetLocalTime() override { return now; }
    void Sleep(std::uint32_t milliseconds) override { sleeps.push_back(milliseconds); }
};

struct FakePlatform {
    FileSystem files;
    Registry registry;
    Modules modules;
    SystemInfo system;
    UserInterface ui;
    Clock clock;
    SingleByteTextRules text;
    platform::Platform platform{files, registry, modules, system, ui, clock, text};
};

}  // namespace vl::fake

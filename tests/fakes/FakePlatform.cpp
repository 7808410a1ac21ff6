#include "FakePlatform.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace vl::fake {

using namespace vl::platform;

namespace {
constexpr std::uint32_t kFileNotFound = 2;
constexpr std::uint32_t kPathNotFound = 3;
constexpr std::uint32_t kAccessDenied = 5;
constexpr std::uint32_t kInvalidHandle = 6;
constexpr std::uint32_t kSharingViolation = 32;
constexpr std::uint32_t kFileExists = 80;
constexpr std::uint32_t kInsufficientBuffer = 122;

std::string ParentOf(const std::string& path) {
    std::size_t at = path.find_last_of('\\');
    if (at == std::string::npos) return "";
    return path.substr(0, at);
}

// Copies text into buffer the way the Windows "get a path" calls do: the
// length written when it fits, else the size needed and nothing written.
Result<std::uint32_t> CopyOut(const std::string& text, char* buffer, std::uint32_t limit) {
    if (text.size() + 1 > limit) return {static_cast<std::uint32_t>(text.size() + 1), true, 0};
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return {static_cast<std::uint32_t>(text.size()), true, 0};
}
}  // namespace

bool NoCaseLess::operator()(const std::string& a, const std::string& b) const {
    return Lower(a) < Lower(b);
}

bool PathLess::operator()(const std::string& a, const std::string& b) const {
    auto fold = [](const std::string& path) {
        std::string out;
        for (std::size_t i = 0; i < path.size(); ++i) {
            // The leading pair of a network path stays.
            if (path[i] == '\\' && i > 1 && path[i - 1] == '\\') continue;
            out += path[i];
        }
        return Lower(out);
    };
    return fold(a) < fold(b);
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(LowerByte1252(static_cast<unsigned char>(c)));
    return s;
}

// ---------------------------------------------------------------- files

FileSystem::FileSystem() {
    AddDirectory("C:\\Users\\me\\AppData\\Local\\Temp");
    AddDirectory("C:\\work");
    AddDirectory("C:\\pkg");
}

void FileSystem::AddDirectory(const std::string& path) {
    std::string p = path;
    while (!p.empty() && p.back() == '\\') p.pop_back();
    while (!p.empty()) {
        directories.insert(p);
        p = ParentOf(p);
    }
}

void FileSystem::AddFile(const std::string& path, const std::string& bytes,
                         std::uint32_t attributes) {
    AddDirectory(ParentOf(path));
    files[path] = File{bytes, attributes, 0, 0x7};
}

bool FileSystem::ParentExists(const std::string& path) const {
    std::string parent = ParentOf(path);
    // "C:\\\\x" (a doubled backslash) names the same folder as "C:\\x".
    while (!parent.empty() && parent.back() == '\\') parent.pop_back();
    return parent.empty() || directories.count(parent) != 0;
}

Result<std::uint32_t> FileSystem::GetTempPath(char* buffer, std::uint32_t limit) {
    calls.push_back("GetTempPath");
    if (tempPathFails) return {0, false, kPathNotFound};
    return CopyOut(tempPath, buffer, limit);
}

Result<std::uint32_t> FileSystem::GetLongPathName(const char* path, char* buffer,
                                                  std::uint32_t limit) {
    std::string result = longTempPath.empty() ? std::string(path) : longTempPath;
    return CopyOut(result, buffer, limit);
}

Result<FileHandle> FileSystem::CreateFile(const char* path, std::uint32_t access,
                                          std::uint32_t share, std::uint32_t disposition,
                                          std::uint32_t) {
    std::string p = path == nullptr ? "" : path;
    calls.push_back("CreateFile " + p);
    auto refused = createErrors.find(p);
    if (refused != createErrors.end()) return {kInvalidFile, false, refused->second};
    if (p.empty() || directories.count(p) != 0) return {kInvalidFile, false, kAccessDenied};
    auto it = files.find(p);
    if (it != files.end() && it->second.openCount > 0) {
        const bool wantsWrite = (access & file::kGenericWrite) != 0;
        const bool wantsRead = (access & file::kGenericRead) != 0;
        if ((wantsWrite && !(it->second.shareMode & file::kShareWrite)) ||
            (wantsRead && !(it->second.shareMode & file::kShareRead)))
            return {kInvalidFile, false, kSharingViolation};
    }
    std::uint32_t error = 0;
    switch (disposition) {
        case file::kOpenExisting:
            if (it == files.end()) return {kInvalidFile, false, ParentExists(p) ? kFileNotFound : kPathNotFound};
            break;
        case file::kCreateAlways:
        case file::kOpenAlways:
            if (!ParentExists(p)) return {kInvalidFile, false, kPathNotFound};
            if (it == files.end()) {
                it = files.emplace(p, File{}).first;
            } else {
                error = 183;  // ERROR_ALREADY_EXISTS, as Windows reports
                if (disposition == file::kCreateAlways) {
                    if (it->second.attributes & file::kAttributeReadOnly)
                        return {kInvalidFile, false, kAccessDenied};
                    it->second.bytes.clear();
                }
            }
            break;
        default:
            return {kInvalidFile, false, 87};
    }
    if ((access & file::kGenericWrite) && (it->second.attributes & file::kAttributeReadOnly))
        return {kInvalidFile, false, kAccessDenied};
    it->second.openCount++;
    it->second.shareMode = share;
    std::uintptr_t h = nextHandle_++;
    opens[h] = Open{it->first, 0, access};
    return {FileHandle{h}, true, error};
}

Outcome FileSystem::SeekToEnd(FileHandle file) {
    auto it = opens.find(file.value);
    if (it == opens.end()) return {false, kInvalidHandle};
    it->second.position = files[it->second.path].bytes.size();
    return {true, 0};
}

Result<std::uint32_t> FileSystem::WriteFile(FileHandle file, const void* data, std::uint32_t size) {
    auto it = opens.find(file.value);
    if (it == opens.end()) return {0, false, kInvalidHandle};
    auto refused = writeErrors.find(it->second.path);
    if (refused != writeErrors.end()) return {0, false, refused->second};
    if (!(it->second.access & file::kGenericWrite)) return {0, false, kAccessDenied};
    std::string& bytes = files[it->second.path].bytes;
    if (bytes.size() < it->second.position) bytes.resize(it->second.position);
    bytes.replace(it->second.position, size, static_cast<const char*>(data), size);
    it->second.position += size;
    return {size, true, 0};
}

Result<std::uint32_t> FileSystem::ReadFile(FileHandle file, void* buffer, std::uint32_t size) {
    auto it = opens.find(file.value);
    if (it == opens.end()) return {0, false, kInvalidHandle};
    if (!(it->second.access & file::kGenericRead)) return {0, false, kAccessDenied};
    const std::string& bytes = files[it->second.path].bytes;
    std::uint64_t left = bytes.size() > it->second.position ? bytes.size() - it->second.position : 0;
    std::uint32_t n = static_cast<std::uint32_t>(std::min<std::uint64_t>(left, size));
    std::memcpy(buffer, bytes.data() + it->second.position, n);
    it->second.position += n;
    return {n, true, 0};
}

Outcome FileSystem::CloseFile(FileHandle file) {
    auto it = opens.find(file.value);
    if (it == opens.end()) return {false, kInvalidHandle};
    auto f = files.find(it->second.path);
    if (f != files.end() && f->second.openCount > 0 && --f->second.openCount == 0)
        f->second.shareMode = 0x7;
    opens.erase(it);
    return {true, 0};
}

bool FileSystem::Exists(const char* path) {
    if (path == nullptr || *path == '\0') return false;
    std::string p = path;
    return files.count(p) != 0 || directories.count(p) != 0;
}

Outcome FileSystem::DeleteFile(const char* path) {
    std::string p = path == nullptr ? "" : path;
    calls.push_back("DeleteFile " + p);
    auto it = files.find(p);
    if (it == files.end()) return {false, directories.count(p) ? kAccessDenied : kFileNotFound};
    if (it->second.openCount > 0 && !(it->second.shareMode & file::kShareDelete))
        return {false, kSharingViolation};
    if (it->second.attributes & file::kAttributeReadOnly) return {false, kAccessDenied};
    files.erase(it);
    return {true, 0};
}

Outcome FileSystem::CopyFile(const char* from, const char* to, bool failIfExists) {
    std::string f = from, t = to;
    calls.push_back("CopyFile " + f + " " + t);
    // A folder can be neither copied nor copied over, as with CopyFileA.
    if (directories.count(f) != 0 || directories.count(t) != 0) return {false, kAccessDenied};
    auto src = files.find(f);
    if (src == files.end()) return {false, kFileNotFound};
    // The source is opened for reading: an opener that shares no reading stops it.
    if (src->second.openCount > 0 && !(src->second.shareMode & file::kShareRead))
        return {false, kSharingViolation};
    auto refused = createErrors.find(t);
    if (refused != createErrors.end()) return {false, refused->second};
    if (!ParentExists(t)) return {false, kPathNotFound};
    auto dst = files.find(t);
    if (dst != files.end()) {
        if (failIfExists) return {false, kFileExists};
        if (dst->second.attributes & file::kAttributeReadOnly) return {false, kAccessDenied};
    }
    File copy = src->second;
    copy.openCount = 0;
    copy.shareMode = 0x7;
    files[t] = copy;  // the attributes travel with the copy, as with CopyFileA
    return {true, 0};
}

Result<std::uint32_t> FileSystem::GetFileAttributes(const char* path) {
    std::string p = path;
    if (directories.count(p)) return {file::kAttributeDirectory, true, 0};
    auto it = files.find(p);
    if (it == files.end()) return {file::kInvalidAttributes, false, kFileNotFound};
    return {it->second.attributes, true, 0};
}

Outcome FileSystem::SetFileAttributes(const char* path, std::uint32_t attributes) {
    std::string p = path;
    calls.push_back("SetFileAttributes " + p);
    auto it = files.find(p);
    if (it == files.end()) return {false, kFileNotFound};
    auto refused = writeErrors.find(p);
    if (refused != writeErrors.end()) return {false, refused->second};
    it->second.attributes = attributes;
    return {true, 0};
}

Result<std::uint32_t> FileSystem::GetCurrentDirectory(char* buffer, std::uint32_t limit) {
    return CopyOut(currentDirectory, buffer, limit);
}

Outcome FileSystem::SetCurrentDirectory(const char* path) {
    std::string p = path;
    calls.push_back("SetCurrentDirectory " + p);
    while (p.size() > 3 && p.back() == '\\') p.pop_back();
    if (!directories.count(p)) return {false, kPathNotFound};
    currentDirectory = p;
    return {true, 0};
}

// ---------------------------------------------------------------- registry

std::string Registry::RootName(KeyHandle root) {
    if (root == kClassesRoot) return "HKCR";
    if (root == kCurrentUser) return "HKCU";
    if (root == kLocalMachine) return "HKLM";
    if (root == kUsers) return "HKU";
    return "";
}

void Registry::SetString(const std::string& key, const std::string& name, const std::string& text) {
    keys[key][name] = Value{reg::kTypeString, text + std::string(1, '\0')};
}

std::string Registry::PathOf(KeyHandle key, const char* subKey) const {
    std::string base = RootName(key);
    if (base.empty()) {
        auto it = opened_.find(key.value);
        if (it == opened_.end()) return "";
        base = it->second;
    }
    std::string sub = subKey == nullptr ? "" : subKey;
    while (!sub.empty() && sub.back() == '\\') sub.pop_back();
    return sub.empty() ? base : base + "\\" + sub;
}

Result<KeyHandle> Registry::OpenKey(KeyHandle root, const char* subKey, std::uint32_t) {
    std::string path = PathOf(root, subKey);
    calls.push_back("OpenKey " + path);
    if (path.empty()) return {{}, false, kInvalidHandle};
    auto refused = openErrors.find(path);
    if (refused != openErrors.end()) return {{}, false, refused->second};
    if (path.find('\\') != std::string::npos && keys.count(path) == 0)
        return {{}, false, kFileNotFound};
    std::uintptr_t h = nextHandle_++;
    opened_[h] = path;
    return {KeyHandle{h}, true, 0};
}

Result<KeyHandle> Registry::CreateKey(KeyHandle root, const char* subKey, std::uint32_t) {
    std::string path = PathOf(root, subKey);
    calls.push_back("CreateKey " + path);
    if (path.empty()) return {{}, false, kInvalidHandle};
    auto refused = openErrors.find(path);
    if (refused != openErrors.end()) return {{}, false, refused->second};
    keys[path];
    std::uintptr_t h = nextHandle_++;
    opened_[h] = path;
    return {KeyHandle{h}, true, 0};
}

Result<std::uint32_t> Registry::QueryValue(KeyHandle key, const char* name, void* buffer,
                                           std::uint32_t size) {
    auto it = opened_.find(key.value);
    if (it == opened_.end()) return {0, false, kInvalidHandle};
    auto& values = keys[it->second];
    auto v = values.find(name == nullptr ? "" : name);
    if (v == values.end()) return {0, false, kFileNotFound};
    if (v->second.data.size() > size) return {v->second.type, false, 234};
    std::memcpy(buffer, v->second.data.data(), v->second.data.size());
    return {v->second.type, true, 0};
}

Outcome Registry::SetValue(KeyHandle key, const char* name, std::uint32_t type, const void* data,
                           std::uint32_t size) {
    auto it = opened_.find(key.value);
    if (it == opened_.end()) return {false, kInvalidHandle};
    calls.push_back("SetValue " + it->second + " " + (name ? name : ""));
    keys[it->second][name == nullptr ? "" : name] =
        Value{type, std::string(static_cast<const char*>(data), size)};
    return {true, 0};
}

Outcome Registry::DeleteValue(KeyHandle key, const char* name) {
    auto it = opened_.find(key.value);
    if (it == opened_.end()) return {false, kInvalidHandle};
    calls.push_back("DeleteValue " + it->second + " " + (name ? name : ""));
    if (keys[it->second].erase(name == nullptr ? "" : name) == 0) return {false, kFileNotFound};
    return {true, 0};
}

Outcome Registry::FlushKey(KeyHandle key) {
    auto it = opened_.find(key.value);
    if (it == opened_.end()) return {false, kInvalidHandle};
    calls.push_back("FlushKey " + it->second);
    return {true, 0};
}

Outcome Registry::CloseKey(KeyHandle key) {
    if (!RootName(key).empty()) return {true, 0};
    if (opened_.erase(key.value) == 0) return {false, kInvalidHandle};
    return {true, 0};
}

// ---------------------------------------------------------------- modules

std::string Modules::Key(ResourceId type, ResourceId name) {
    auto part = [](ResourceId id) {
        return id.text != nullptr ? Lower(id.text) : "#" + std::to_string(id.number);
    };
    return part(type) + "/" + part(name);
}

Modules::Module* Modules::Find(ModuleHandle module) {
    if (module.IsNull()) return &executable;
    auto it = loaded.find(module.value);
    return it == loaded.end() ? nullptr : &it->second;
}

Result<std::uint32_t> Modules::GetExecutablePath(char* buffer, std::uint32_t limit) {
    if (executablePathFails) return {0, false, 122};
    // GetModuleFileNameA cuts to the buffer and reports the buffer's size.
    std::uint32_t n = static_cast<std::uint32_t>(executablePath.size());
    if (n + 1 > limit) {
        if (limit == 0) return {0, false, kInsufficientBuffer};
        std::memcpy(buffer, executablePath.data(), limit - 1);
        buffer[limit - 1] = '\0';
        return {limit, true, kInsufficientBuffer};
    }
    std::memcpy(buffer, executablePath.c_str(), n + 1);
    return {n, true, 0};
}

Result<ModuleHandle> Modules::LoadLibraryEx(const char* path, std::uint32_t flags) {
    std::string p = path == nullptr ? "" : path;
    calls.push_back("LoadLibraryEx " + p + " flags=" + std::to_string(flags));
    auto it = loadable.find(p);
    if (it == loadable.end()) return {{}, false, loadError};
    std::uintptr_t h = nextModule_;
    nextModule_ += 0x10000;
    loaded[h] = it->second;
    return {ModuleHandle{h}, true, 0};
}

Outcome Modules::FreeLibrary(ModuleHandle module) {
    calls.push_back("FreeLibrary");
    if (loaded.erase(module.value) == 0) return {false, kInvalidHandle};
    return {true, 0};
}

Result<ResourceHandle> Modules::FindResource(ModuleHandle module, ResourceId name, ResourceId type) {
    Module* m = Find(module);
    if (m == nullptr) return {{}, false, kInvalidHandle};
    std::string key = Key(type, name);
    if (m->resources.count(key) == 0) return {{}, false, findError};
    found_.emplace_back(module.value, key);
    return {ResourceHandle{found_.size()}, true, 0};
}

Result<ResourceData> Modules::LoadResource(ModuleHandle, ResourceHandle res) {
    if (res.value == 0 || res.value > found_.size()) return {{}, false, kInvalidHandle};
    return {ResourceData{res.value}, true, 0};
}

const void* Modules::LockResource(ResourceData data) {
    if (data.value == 0 || data.value > found_.size()) return nullptr;
    auto& [module, key] = found_[data.value - 1];
    Module* m = Find(ModuleHandle{module});
    return m == nullptr ? nullptr : m->resources[key].data();
}

Result<std::uint32_t> Modules::SizeofResource(ModuleHandle, ResourceHandle res) {
    if (res.value == 0 || res.value > found_.size()) return {0, false, kInvalidHandle};
    auto& [module, key] = found_[res.value - 1];
    Module* m = Find(ModuleHandle{module});
    std::uint32_t n = m == nullptr ? 0 : static_cast<std::uint32_t>(m->resources[key].size());
    return {n, n != 0, 0};
}

Result<std::uint32_t> Modules::LoadString(ModuleHandle module, std::uint32_t id, char* buffer,
                                          std::uint32_t limit) {
    Module* m = Find(module);
    if (m == nullptr || limit == 0) return {0, false, 1814};
    auto it = m->strings.find(id);
    if (it == m->strings.end()) {
        buffer[0] = '\0';
        return {0, false, 1814};
    }
    std::uint32_t n = static_cast<std::uint32_t>(std::min<std::size_t>(it->second.size(), limit - 1));
    std::memcpy(buffer, it->second.data(), n);
    buffer[n] = '\0';
    return {n, n != 0, 0};
}

// ---------------------------------------------------------------- system

SystemInfo::SystemInfo() {
    version.majorVersion = 6;
    version.minorVersion = 1;
    version.buildNumber = 7601;
    version.platformId = kPlatformNt;
    std::strcpy(version.servicePack, "Service Pack 1");
    native.processorArchitecture = kArchitectureAmd64;
    emulated.processorArchitecture = 0;
}

Outcome SystemInfo::GetVersionEx(OsVersionInfo& info, std::uint32_t size) {
    calls.push_back("GetVersionEx " + std::to_string(size));
    if (versionFails || (size == 156 && extendedVersionFails)) return {false, 87};
    const std::uint32_t copy = size < sizeof(info) ? size : sizeof(info);
    std::memcpy(static_cast<void*>(&info), &version, copy);
    info.size = size;
    return {true, 0};
}

bool SystemInfo::GetNativeSystemInfo(NativeSystemInfo& info) {
    calls.push_back("GetNativeSystemInfo");
    if (!hasNativeSystemInfo) return false;
    info = native;
    return true;
}

void SystemInfo::GetSystemInfo(NativeSystemInfo& info) {
    calls.push_back("GetSystemInfo");
    info = emulated;
}

Result<std::uint32_t> SystemInfo::GetWindowsDirectory(char* buffer, std::uint32_t limit) {
    if (windowsDirectory.empty()) {
        buffer[0] = '\0';
        return {0, false, 87};
    }
    return CopyOut(windowsDirectory, buffer, limit);
}

Result<std::uint32_t> SystemInfo::GetSystemDirectory(char* buffer, std::uint32_t limit) {
    if (systemDirectory.empty()) {
        buffer[0] = '\0';
        return {0, false, 87};
    }
    return CopyOut(systemDirectory, buffer, limit);
}

// ---------------------------------------------------------------- user interface

Result<HookHandle> UserInterface::InstallKeyboardHook(KeyboardHookHandler& handler) {
    calls.push_back("InstallKeyboardHook");
    if (hookFails) return {{}, false, 1428};
    hookHandler = &handler;
    return {HookHandle{0x4001}, true, 0};
}

Outcome UserInterface::RemoveKeyboardHook(HookHandle) {
    calls.push_back("RemoveKeyboardHook");
    hookHandler = nullptr;
    return {true, 0};
}

std::int16_t UserInterface::GetKeyState(int virtualKey) {
    auto it = keyStates.find(virtualKey);
    return it == keyStates.end() ? 0 : it->second;
}

Outcome UserInterface::RegisterPlainClass(const char* className) {
    calls.push_back(std::string("RegisterClass ") + className);
    if (registerFails || classes.count(className)) return {false, 1410};
    classes.insert(className);
    return {true, 0};
}

Outcome UserInterface::UnregisterClass(const char* className) {
    calls.push_back(std::string("UnregisterClass ") + className);
    if (classes.erase(className) == 0) return {false, 1411};
    return {true, 0};
}

Result<WindowHandle> UserInterface::CreatePlainWindow(const char* className, std::uint32_t style) {
    calls.push_back(std::string("CreateWindow ") + className + " style=" + std::to_string(style));
    if (createFails || classes.count(className) == 0) return {{}, false, 1407};
    std::uintptr_t h = nextWindow_++;
    windows.insert(h);
    return {WindowHandle{h}, true, 0};
}

Outcome UserInterface::DestroyWindow(WindowHandle window) {
    calls.push_back("DestroyWindow");
    if (windows.erase(window.value) == 0) return {false, 1400};
    return {true, 0};
}

Result<int> UserInterface::MessageBox(WindowHandle owner, const char* text, const char* caption,
                                      std::uint32_t type) {
    calls.push_back("MessageBox");
    boxes.push_back(Box{owner.value, text ? text : "", caption ? caption : "", type});
    int answer = 1;
    if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    }
    return {answer, true, 0};
}

bool UserInterface::SetForegroundWindow(WindowHandle window) {
    calls.push_back("SetForegroundWindow " + std::to_string(window.value));
    return windows.count(window.value) != 0;
}

WindowHandle UserInterface::GetForegroundWindow() { return WindowHandle{0x9999}; }
std::uint32_t UserInterface::GetWindowThreadId(WindowHandle window) {
    return window.value == 0x9999 ? 77 : 0;
}
std::uint32_t UserInterface::GetCurrentThreadId() { return 11; }

bool UserInterface::AttachThreadInput(std::uint32_t from, std::uint32_t to, bool attach) {
    calls.push_back((attach ? "AttachThreadInput " : "DetachThreadInput ") + std::to_string(from) +
                    " " + std::to_string(to));
    return true;
}

Result<std::uint32_t> UserInterface::GetForegroundLockTimeout() {
    calls.push_back("GetForegroundLockTimeout");
    return {foregroundLockTimeout, true, 0};
}

Outcome UserInterface::SetForegroundLockTimeout(std::uint32_t milliseconds) {
    calls.push_back("SetForegroundLockTimeout " + std::to_string(milliseconds));
    foregroundLockTimeout = milliseconds;
    return {true, 0};
}

CursorHandle UserInterface::LoadWaitCursor() { return CursorHandle{0x32514}; }

CursorHandle UserInterface::SetCursor(CursorHandle c) {
    calls.push_back("SetCursor " + std::to_string(c.value));
    return std::exchange(cursor, c);
}

}  // namespace vl::fake

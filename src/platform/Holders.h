#pragma once
// One non-copyable owner per handle kind: it closes its handle through the
// facility that produced it on every exit path.

#include <utility>

#include "platform/FileSystem.h"
#include "platform/Modules.h"
#include "platform/Registry.h"
#include "platform/UserInterface.h"

namespace vl::platform {

template <class Facility, class HandleT, class Traits>
class UniqueHandle {
public:
    explicit UniqueHandle(Facility& facility, HandleT handle = Traits::Empty())
        : facility_(&facility), handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { Close(); }

    bool IsValid() const { return Traits::IsValid(handle_); }
    HandleT Get() const { return handle_; }

    // Takes ownership of h, closing what was held.
    void Reset(HandleT h) {
        Close();
        handle_ = h;
    }
    // Gives up ownership without closing.
    HandleT Release() { return std::exchange(handle_, Traits::Empty()); }
    void Close() {
        if (IsValid()) Traits::Close(*facility_, handle_);
        handle_ = Traits::Empty();
    }

private:
    Facility* facility_;
    HandleT handle_;
};

struct FileTraits {
    static FileHandle Empty() { return kInvalidFile; }
    static bool IsValid(FileHandle h) { return !h.IsNull() && !(h == kInvalidFile); }
    static void Close(FileSystem& f, FileHandle h) { (void)f.CloseFile(h); }
};
struct KeyTraits {
    static KeyHandle Empty() { return {}; }
    static bool IsValid(KeyHandle h) { return !h.IsNull(); }
    static void Close(Registry& r, KeyHandle h) { (void)r.CloseKey(h); }
};
struct ModuleTraits {
    static ModuleHandle Empty() { return {}; }
    static bool IsValid(ModuleHandle h) { return !h.IsNull(); }
    static void Close(Modules& m, ModuleHandle h) { (void)m.FreeLibrary(h); }
};
struct WindowTraits {
    static WindowHandle Empty() { return {}; }
    static bool IsValid(WindowHandle h) { return !h.IsNull(); }
    static void Close(UserInterface& u, WindowHandle h) { (void)u.DestroyWindow(h); }
};

using UniqueFile = UniqueHandle<FileSystem, FileHandle, FileTraits>;
using UniqueKey = UniqueHandle<Registry, KeyHandle, KeyTraits>;
using UniqueModule = UniqueHandle<Modules, ModuleHandle, ModuleTraits>;
using UniqueWindow = UniqueHandle<UserInterface, WindowHandle, WindowTraits>;

}  // namespace vl::platform

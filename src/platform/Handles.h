#pragma once
// Handles that cross the seam: small opaque value types, one per kind, so a
// file handle can never be passed where a window is expected. The portable
// code owns them through the holders in platform/Holders.h.

#include <cstdint>

namespace vl::platform {

template <class Tag>
struct Handle {
    std::uintptr_t value = 0;

    constexpr bool IsNull() const { return value == 0; }
    friend constexpr bool operator==(Handle a, Handle b) { return a.value == b.value; }
};

using FileHandle = Handle<struct FileTag>;          // INVALID_HANDLE_VALUE is kInvalidFile
using KeyHandle = Handle<struct KeyTag>;            // an open registry key or a root key
using ModuleHandle = Handle<struct ModuleTag>;      // null = the executable itself
using ResourceHandle = Handle<struct ResourceTag>;  // a found resource (HRSRC)
using ResourceData = Handle<struct ResourceDataTag>;  // a loaded resource (HGLOBAL)
using WindowHandle = Handle<struct WindowTag>;
using HookHandle = Handle<struct HookTag>;
using CursorHandle = Handle<struct CursorTag>;
using IconHandle = Handle<struct IconTag>;
using KernelHandle = Handle<struct KernelTag>;      // mutex, process, thread
using TokenHandle = Handle<struct TokenTag>;
using MsiHandle = Handle<struct MsiTag>;

inline constexpr FileHandle kInvalidFile{~static_cast<std::uintptr_t>(0)};

// Predefined registry roots, with their Windows values.
inline constexpr KeyHandle kClassesRoot{0x80000000u};
inline constexpr KeyHandle kCurrentUser{0x80000001u};
inline constexpr KeyHandle kLocalMachine{0x80000002u};
inline constexpr KeyHandle kUsers{0x80000003u};

// A resource name or type: a text, or a number (MAKEINTRESOURCE) when text is null.
struct ResourceId {
    const char* text = nullptr;
    std::uint16_t number = 0;

    static constexpr ResourceId Named(const char* t) { return ResourceId{t, 0}; }
    static constexpr ResourceId Numbered(std::uint16_t n) { return ResourceId{nullptr, n}; }
};

}  // namespace vl::platform

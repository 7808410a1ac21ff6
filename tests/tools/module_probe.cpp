// Loads a module as resources only and as code, and compares what each load
// gives of the resources a language module holds.
//
// Usage: module_probe <module.dll> <marker file>
//
// The marker file is handed to the module in the environment variable
// PROBE_MARKER (the probe module's entry point writes it when it runs). The
// module is loaded three times, one after the other:
//
//   resources 0x2    LoadLibraryExA with LOAD_LIBRARY_AS_DATAFILE
//   resources 0x22   LoadLibraryExA with LOAD_LIBRARY_AS_IMAGE_RESOURCE |
//                    LOAD_LIBRARY_AS_DATAFILE
//   code             LoadLibraryA
//
// For each load it prints "load <name>: marker=absent|present", and for each
// resource load one line per item compared with the code load:
//
//   <item>: same <what the code load gave>
//   <item>: DIFFERENT resources=<...> code=<...>
//
// Items: the strings 1..64 that exist, the dialog template 101 (its bytes,
// and the window it creates: caption, then each control's id, class, text,
// and for an icon control whether it shows an icon), the icon group 201 and
// its first image (bytes, and the icon LoadImageA makes of it), and the WAVE
// resource IDR_PROBE_WAV.
//
// Exit code: 0 when every item is the same and the marker appeared only
// after the code load; 1 otherwise; 2 on a usage error or a failed load.
#include <windows.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

using Snapshot = std::map<std::string, std::string>;

std::string Escape(const char* text, int length) {
    std::string out = "\"";
    for (int i = 0; i < length; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        char hex[8];
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else if (c == '"' || c == '\\') { out += '\\'; out += static_cast<char>(c); }
        else if (c < 0x20 || c >= 0x7f) { std::snprintf(hex, sizeof hex, "\\x%02X", c); out += hex; }
        else out += static_cast<char>(c);
    }
    return out + "\"";
}

std::string ResourceBytes(HMODULE module, LPCSTR name, LPCSTR type) {
    HRSRC found = FindResourceA(module, name, type);
    if (found == nullptr) return "<missing>";
    HGLOBAL loaded = LoadResource(module, found);
    const DWORD size = SizeofResource(module, found);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr || size == 0) return "<unreadable>";
    return std::string(static_cast<const char*>(bytes), size);
}

INT_PTR CALLBACK QuietDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

struct Controls {
    std::string text;
};

BOOL CALLBACK DescribeControl(HWND control, LPARAM param) {
    auto* controls = reinterpret_cast<Controls*>(param);
    char className[64] = {};
    char text[256] = {};
    GetClassNameA(control, className, sizeof className);
    const int length = GetWindowTextA(control, text, sizeof text);
    char id[16];
    std::snprintf(id, sizeof id, "%d", GetDlgCtrlID(control));
    controls->text += std::string("; ") + id + " " + className + " " + Escape(text, length);
    if ((GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && lstrcmpiA(className, "Static") == 0)
        controls->text += SendMessageA(control, STM_GETICON, 0, 0) != 0 ? " icon=yes" : " icon=no";
    return TRUE;
}

std::string DialogWindow(HMODULE module) {
    HWND dialog = CreateDialogParamA(module, MAKEINTRESOURCEA(101), nullptr, QuietDialog, 0);
    if (dialog == nullptr) return "<not created, error " + std::to_string(GetLastError()) + ">";
    char caption[256] = {};
    const int length = GetWindowTextA(dialog, caption, sizeof caption);
    Controls controls{Escape(caption, length)};
    EnumChildWindows(dialog, DescribeControl, reinterpret_cast<LPARAM>(&controls));
    DestroyWindow(dialog);
    return controls.text;
}

std::string IconHandle(HMODULE module) {
    HANDLE icon = LoadImageA(module, MAKEINTRESOURCEA(201), IMAGE_ICON, 16, 16, 0);
    if (icon == nullptr) return "<not loaded>";
    ICONINFO info = {};
    std::string out = "<no info>";
    if (GetIconInfo(static_cast<HICON>(icon), &info)) {
        BITMAP bitmap = {};
        if (info.hbmColor != nullptr && GetObjectA(info.hbmColor, sizeof bitmap, &bitmap) != 0)
            out = std::to_string(bitmap.bmWidth) + "x" + std::to_string(bitmap.bmHeight) + " " +
                  std::to_string(bitmap.bmBitsPixel) + " bits";
        if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
        if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
    }
    DestroyIcon(static_cast<HICON>(icon));
    return out;
}

Snapshot Take(HMODULE module) {
    Snapshot items;
    for (UINT id = 1; id <= 64; ++id) {
        char text[4096];
        const int length = LoadStringA(module, id, text, sizeof text);
        if (length > 0) items["string " + std::to_string(id)] = Escape(text, length);
    }
    items["dialog template"] = ResourceBytes(module, MAKEINTRESOURCEA(101), MAKEINTRESOURCEA(5));
    items["dialog window"] = DialogWindow(module);
    const std::string group = ResourceBytes(module, MAKEINTRESOURCEA(201), MAKEINTRESOURCEA(14));
    items["icon group"] = group;
    if (group.size() >= 6 + 14) {
        const WORD first = static_cast<WORD>(static_cast<unsigned char>(group[6 + 12]) |
                                             static_cast<unsigned char>(group[6 + 13]) << 8);
        items["icon image"] = ResourceBytes(module, MAKEINTRESOURCEA(first), MAKEINTRESOURCEA(3));
    }
    items["icon handle"] = IconHandle(module);
    items["wave"] = ResourceBytes(module, "IDR_PROBE_WAV", "WAVE");
    return items;
}

// Bytes print as their count, texts as they are.
std::string Shown(const std::string& item, const std::string& value) {
    const bool bytes = item == "dialog template" || item == "icon group" || item == "icon image" || item == "wave";
    if (bytes && value[0] != '<') return std::to_string(value.size()) + " bytes";
    return value;
}

bool MarkerExists(const char* marker) { return GetFileAttributesA(marker) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: module_probe <module.dll> <marker file>\n", stderr);
        return 2;
    }
    const char* path = argv[1];
    const char* marker = argv[2];
    SetEnvironmentVariableA("PROBE_MARKER", marker);
    DeleteFileA(marker);

    struct ResourceLoad {
        const char* name;
        DWORD flags;
        Snapshot items;
        bool markerAfter;
    };
    ResourceLoad loads[] = {
        {"resources 0x2", LOAD_LIBRARY_AS_DATAFILE, {}, false},
        {"resources 0x22", 0x20 /* LOAD_LIBRARY_AS_IMAGE_RESOURCE */ | LOAD_LIBRARY_AS_DATAFILE, {}, false},
    };
    for (ResourceLoad& load : loads) {
        HMODULE module = LoadLibraryExA(path, nullptr, load.flags);
        if (module == nullptr) {
            std::printf("load %s: failed, error %lu\n", load.name, GetLastError());
            return 2;
        }
        load.items = Take(module);
        FreeLibrary(module);
        load.markerAfter = MarkerExists(marker);
        std::printf("load %s: marker=%s\n", load.name, load.markerAfter ? "present" : "absent");
    }

    HMODULE code = LoadLibraryA(path);
    if (code == nullptr) {
        std::printf("load code: failed, error %lu\n", GetLastError());
        return 2;
    }
    const Snapshot expected = Take(code);
    const bool markerAfterCode = MarkerExists(marker);
    std::printf("load code: marker=%s\n", markerAfterCode ? "present" : "absent");
    FreeLibrary(code);

    bool same = markerAfterCode;
    for (const ResourceLoad& load : loads) {
        same = same && !load.markerAfter && load.items.size() == expected.size();
        std::printf("compare %s:\n", load.name);
        for (const auto& [item, value] : expected) {
            auto it = load.items.find(item);
            const std::string got = it != load.items.end() ? it->second : "<absent>";
            if (got == value) {
                std::printf("  %s: same %s\n", item.c_str(), Shown(item, value).c_str());
            } else {
                same = false;
                std::printf("  %s: DIFFERENT resources=%s code=%s\n", item.c_str(), Shown(item, got).c_str(),
                            Shown(item, value).c_str());
            }
        }
    }
    std::fflush(stdout);
    return same ? 0 : 1;
}

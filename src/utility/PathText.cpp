#include "utility/PathText.h"

#include <cstring>

namespace vl {

void StripPath(char* path) {
    if (path == nullptr) return;
    const char* last = std::strrchr(path, '\\');
    if (last == nullptr && path[0] != '\0' && path[1] == ':') last = path + 1;
    if (last == nullptr) return;
    std::memmove(path, last + 1, std::strlen(last + 1) + 1);
}

bool RemoveFileSpec(char* path) {
    if (path == nullptr || *path == '\0') return false;
    char* last = std::strrchr(path, '\\');
    std::size_t rootEnd = 0;  // length of the part that must stay
    if (path[0] != '\0' && path[1] == ':') rootEnd = path[2] == '\\' ? 3 : 2;
    else if (path[0] == '\\' && path[1] == '\\') rootEnd = 2;
    else if (path[0] == '\\') rootEnd = 1;
    if (last == nullptr) {
        if (rootEnd == 2 && path[1] == ':') {
            if (path[2] == '\0') return false;
            path[2] = '\0';
            return true;
        }
        path[0] = '\0';
        return true;
    }
    std::size_t at = static_cast<std::size_t>(last - path);
    if (at + 1 <= rootEnd) {  // the backslash belongs to the root
        if (path[at + 1] == '\0') return false;
        path[at + 1] = '\0';
        return true;
    }
    *last = '\0';
    return true;
}

void UnquoteSpaces(char* path) {
    if (path == nullptr) return;
    std::size_t n = std::strlen(path);
    if (n >= 2 && path[0] == '"' && path[n - 1] == '"') {
        std::memmove(path, path + 1, n - 2);
        path[n - 2] = '\0';
    }
}

bool IsAbsolutePath(const char* path) {
    if (path == nullptr) return false;
    const bool letter = (path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z');
    if (letter && path[1] == ':' && path[2] == '\\') return true;
    return path[0] == '\\' && path[1] == '\\' && path[2] != '\0';
}

}  // namespace vl

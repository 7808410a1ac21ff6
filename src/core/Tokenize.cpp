#include "core/Tokenize.h"

#include <cstring>

namespace vl {

std::int32_t Tokenize(const char* text, const char* delimiters, std::int32_t maxCount,
                      std::vector<std::string>& list) {
    if (text == nullptr || delimiters == nullptr || maxCount <= 0) return 0;
    std::int32_t count = 0;
    const char* p = text;
    while (*p != '\0') {
        p += std::strspn(p, delimiters);
        if (*p == '\0') break;
        std::size_t n = std::strcspn(p, delimiters);
        list.emplace_back(p, n);
        p += n;
        if (++count >= maxCount) break;
    }
    return count;
}

}  // namespace vl

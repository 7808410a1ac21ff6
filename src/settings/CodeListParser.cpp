#include "settings/CodeListParser.h"

#include <string>
#include <vector>

#include "core/Tokenize.h"

namespace vl {

std::uint32_t ToUnsigned(const char* text) {
    if (text == nullptr) return 0;
    const char* p = text;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\v' || *p == '\f') ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    std::uint64_t value = 0;
    bool overflow = false;
    while (*p >= '0' && *p <= '9') {
        value = value * 10 + static_cast<std::uint64_t>(*p - '0');
        if (value > 0xFFFFFFFFull) overflow = true, value = 0xFFFFFFFFull;
        ++p;
    }
    if (overflow) return 0xFFFFFFFFu;
    const auto v = static_cast<std::uint32_t>(value);
    return negative ? static_cast<std::uint32_t>(0u - v) : v;
}

void ParseCodeList(const char* text, CodeList& list) {
    list = CodeList{};
    std::vector<std::string> pieces;
    Tokenize(text, "|", kNoTokenLimit, pieces);
    for (const std::string& piece : pieces) {
        if (list.count >= CodeList::kCapacity) break;
        list.codes[list.count++] = ToUnsigned(piece.c_str());
    }
}

}  // namespace vl

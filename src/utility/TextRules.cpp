#include "utility/TextRules.h"

#include <cstring>
#include <string>

namespace vl {

unsigned char LowerByte1252(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    switch (c) {
        case 0x8A: return 0x9A;
        case 0x8C: return 0x9C;
        case 0x8E: return 0x9E;
        case 0x9F: return 0xFF;
        default: return c;
    }
}

bool SingleByteTextRules::EqualNoCase(const char* a, const char* b) const {
    if (a == nullptr || b == nullptr) return a == b;
    for (;; ++a, ++b) {
        unsigned char x = LowerByte1252(static_cast<unsigned char>(*a));
        unsigned char y = LowerByte1252(static_cast<unsigned char>(*b));
        if (x != y) return false;
        if (x == 0) return true;
    }
}

void SingleByteTextRules::LowerInPlace(char* text) const {
    if (text == nullptr) return;
    for (; *text != '\0'; ++text)
        *text = static_cast<char>(LowerByte1252(static_cast<unsigned char>(*text)));
}

std::size_t MultiByteCutLength(const platform::TextRules& rules, const char* text,
                               std::size_t maxBytes) {
    if (text == nullptr) return 0;
    std::size_t i = 0;
    while (text[i] != '\0') {
        std::size_t step = 1;
        if (rules.IsLeadByte(static_cast<unsigned char>(text[i])) && text[i + 1] != '\0') step = 2;
        if (i + step > maxBytes) break;
        i += step;
    }
    return i;
}

void MultiByteAppend(const platform::TextRules& rules, char* dest, std::size_t destSize,
                     const char* src) {
    if (dest == nullptr || destSize == 0 || src == nullptr) return;
    std::size_t used = std::strlen(dest);
    if (used + 1 >= destSize) return;
    std::size_t n = MultiByteCutLength(rules, src, destSize - 1 - used);
    std::memcpy(dest + used, src, n);
    dest[used + n] = '\0';
}

bool StartsWithNoCase(const platform::TextRules& rules, const char* text, const char* prefix) {
    if (text == nullptr || prefix == nullptr) return false;
    std::size_t n = std::strlen(prefix);
    if (std::strlen(text) < n) return false;
    std::string head(text, n);
    return rules.EqualNoCase(head.c_str(), prefix);
}

}  // namespace vl

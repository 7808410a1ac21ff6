#pragma once
// Case rules of the ANSI code page: case-insensitive comparison, lower-casing
// and lead-byte detection. The Windows adapter uses the code page functions;
// the portable SingleByteTextRules serves native builds and tests.

#include <cstddef>

namespace vl::platform {

class TextRules {
public:
    TextRules() = default;
    TextRules(const TextRules&) = delete;
    TextRules& operator=(const TextRules&) = delete;
    virtual ~TextRules() = default;

    // True when a and b are equal without regard to case (nulls equal only nulls).
    [[nodiscard]] virtual bool EqualNoCase(const char* a, const char* b) const = 0;
    // Lower-cases the zero-terminated text in place.
    virtual void LowerInPlace(char* text) const = 0;
    // True when c starts a two-byte character of the code page.
    [[nodiscard]] virtual bool IsLeadByte(unsigned char c) const = 0;
};

}  // namespace vl::platform

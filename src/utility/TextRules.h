#pragma once
// Helpers over the platform's case rules, and a single-byte rule set (code
// page 1252 letters) for native builds.

#include <cstddef>

#include "platform/TextRules.h"

namespace vl {

class SingleByteTextRules final : public platform::TextRules {
public:
    bool EqualNoCase(const char* a, const char* b) const override;
    void LowerInPlace(char* text) const override;
    bool IsLeadByte(unsigned char) const override { return false; }
};

// Lower-cases one byte by the code page 1252 rules.
unsigned char LowerByte1252(unsigned char c);

// The longest prefix of text, at most maxBytes long, that does not end in
// the middle of a two-byte character.
std::size_t MultiByteCutLength(const platform::TextRules& rules, const char* text,
                               std::size_t maxBytes);

// Appends src to the zero-terminated dest (a buffer of destSize bytes) so
// that dest keeps at most destSize-1 bytes, without splitting a character.
void MultiByteAppend(const platform::TextRules& rules, char* dest, std::size_t destSize,
                     const char* src);

// True when the first `count` characters of a and b agree without regard to
// case (for prefix tests such as the yes/no rule).
bool StartsWithNoCase(const platform::TextRules& rules, const char* text, const char* prefix);

}  // namespace vl

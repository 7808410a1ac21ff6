#include "platform/win32/Win32Common.h"
#include "platform/win32/Win32Platform.h"

namespace vl::win32 {

bool TextRules::EqualNoCase(const char* a, const char* b) const {
    if (a == nullptr || b == nullptr) return a == b;
    return ::lstrcmpiA(a, b) == 0;
}

void TextRules::LowerInPlace(char* text) const {
    if (text == nullptr) return;
    ::CharLowerBuffA(text, ::lstrlenA(text));
}

bool TextRules::IsLeadByte(unsigned char c) const { return ::IsDBCSLeadByte(c) != FALSE; }

}  // namespace vl::win32

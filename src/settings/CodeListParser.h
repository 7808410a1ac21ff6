#pragma once
// Exit-code lists of the installer sections: "1603|1618" read into a CodeList.

#include <cstdint>

#include "settings/InstallerSection.h"

namespace vl {

// strtoul-like: leading blanks skipped, an optional sign, decimal digits up to
// the first other character; no digits give 0, a minus gives the two's
// complement, values beyond 32 bits give 4294967295.
std::uint32_t ToUnsigned(const char* text);

// Splits text at "|" and stores the first 49 codes; an empty text leaves the
// list empty.
void ParseCodeList(const char* text, CodeList& list);

}  // namespace vl

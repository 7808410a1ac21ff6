#pragma once
// Composing a path into a fixed member: a path that does not fit is refused
// (the member is left empty), never cut, so a cut path can never name
// another file than the one meant.

#include <cstddef>

#include "utility/FixedText.h"
#include "utility/Format.h"

namespace vl {

// Formats into out; returns false and leaves out empty when the result has
// more than N-1 characters or any of the given parts is empty.
template <std::size_t N, class... Args>
bool ComposePath(FixedText<N>& out, const char* format, const Args&... args) {
    out.Clear();
    char scratch[N + 2] = {};
    const std::size_t length = FormatText(scratch, sizeof(scratch), format, args...);
    if (length > N - 1) return false;
    out.Assign(scratch);
    return true;
}

}  // namespace vl

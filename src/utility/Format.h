#pragma once
// The one formatter of the program: the wsprintf rules it uses, over typed
// arguments.
//
// Directives: %[flags][width][.precision][size]type with flags "-", "0", "#",
// sizes "l", "h", "I64", types d i u x X c s and %%. An argument is consumed
// by each directive; a directive without an argument, or whose argument has
// another type (a text for %d, a 32-bit number for %I64d, a number for %s),
// prints nothing. A null text prints "(null)". An unknown type character is
// printed as itself ("%n" prints "n"). %d of 4294967295 prints -1.
//
// The output is bounded the way wvnsprintfA is: `limit` is the size of the
// destination in bytes, terminator included, so at most limit-1 characters
// are written. The result is always terminated when limit > 0. Returns the
// number of characters written (without the terminator).
//
// Example: FormatText(buf, 8, "%s-%03d", "ab", 7) writes "ab-007".

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace vl {

struct FormatArg {
    enum class Kind { Int32, UInt32, Int64, UInt64, Text };
    Kind kind = Kind::Text;
    std::uint64_t number = 0;
    const char* text = nullptr;

    template <class T>
        requires std::is_integral_v<T>
    FormatArg(T v) {
        if constexpr (sizeof(T) <= 4) {
            kind = std::is_signed_v<T> ? Kind::Int32 : Kind::UInt32;
            number = static_cast<std::uint32_t>(v);
        } else {
            kind = std::is_signed_v<T> ? Kind::Int64 : Kind::UInt64;
            number = static_cast<std::uint64_t>(v);
        }
    }
    FormatArg(std::nullptr_t) : kind(Kind::Text) {}
    FormatArg(const char* s) : kind(Kind::Text), text(s) {}
    FormatArg(char* s) : kind(Kind::Text), text(s) {}
};

std::size_t FormatTextArgs(char* dest, std::size_t limit, const char* format,
                           const FormatArg* args, std::size_t argCount);

template <class... Args>
std::size_t FormatText(char* dest, std::size_t limit, const char* format, const Args&... args) {
    if constexpr (sizeof...(Args) == 0) {
        return FormatTextArgs(dest, limit, format, nullptr, 0);
    } else {
        const FormatArg list[] = {FormatArg(args)...};
        return FormatTextArgs(dest, limit, format, list, sizeof...(Args));
    }
}

}  // namespace vl

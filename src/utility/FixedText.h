#pragma once
// A fixed-width, zero-filled ANSI text member: N bytes, at most N-1 characters.
//
// Every write names its limit explicitly, in the Windows sense: the limit is
// the count of bytes the destination may use *including* the terminator, so
// Assign(s, 99) keeps at most 98 characters. A limit larger than N is clamped
// to N, so no write can overrun the member.

#include <cstddef>
#include <cstring>

namespace vl {

template <std::size_t N>
class FixedText {
    static_assert(N > 0, "a text member needs room for its terminator");

public:
    static constexpr std::size_t kSize = N;

    FixedText() = default;

    char* data() { return data_; }
    const char* c_str() const { return data_; }
    std::size_t length() const { return std::strlen(data_); }
    bool empty() const { return data_[0] == '\0'; }

    // Zero-fills the whole member.
    void Clear() { std::memset(data_, 0, N); }

    // Replaces the text with at most limit-1 bytes of s (null s gives empty).
    void Assign(const char* s, std::size_t limit = N) {
        Clear();
        Append(s, limit);
    }

    // Appends s so that the whole text keeps at most limit-1 bytes.
    void Append(const char* s, std::size_t limit = N) {
        if (s == nullptr) return;
        if (limit > N) limit = N;
        if (limit == 0) return;
        std::size_t used = length();
        if (used + 1 >= limit) return;
        std::size_t room = limit - 1 - used;
        std::size_t n = std::strlen(s);
        if (n > room) n = room;
        std::memcpy(data_ + used, s, n);
        data_[used + n] = '\0';
    }

    // Cuts the text to at most maxChars characters.
    void Truncate(std::size_t maxChars) {
        if (maxChars < N && length() > maxChars) data_[maxChars] = '\0';
    }

private:
    char data_[N] = {};
};

}  // namespace vl

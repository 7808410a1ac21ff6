#pragma once
// Splits a text at any of a set of delimiter characters into its non-empty
// pieces: leading, trailing and repeated delimiters yield nothing.
//
// Example: Tokenize("|A||B |", "|", kNoLimit, list) appends "A" and "B ".

#include <cstdint>
#include <string>
#include <vector>

namespace vl {

inline constexpr std::int32_t kNoTokenLimit = 0x7FFFFFFF;

// Appends the tokens of text to list, at most maxCount of them, and returns
// how many it appended. A null text or null delimiters append nothing.
std::int32_t Tokenize(const char* text, const char* delimiters, std::int32_t maxCount,
                      std::vector<std::string>& list);

}  // namespace vl

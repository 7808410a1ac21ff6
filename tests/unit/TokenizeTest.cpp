#include <gtest/gtest.h>

#include <ostream>

#include "core/Tokenize.h"

namespace vl {
namespace {

struct TokenizeCase {
    const char* name;
    const char* text;
    const char* delimiters;
    std::int32_t max;
    std::vector<std::string> expected;
};
inline void PrintTo(const TokenizeCase& c, std::ostream* os) { *os << c.name; }


class TokenizeTable : public ::testing::TestWithParam<TokenizeCase> {};

TEST_P(TokenizeTable, Splits) {
    const TokenizeCase& c = GetParam();
    std::vector<std::string> list{"kept"};
    std::int32_t n = Tokenize(c.text, c.delimiters, c.max, list);
    std::vector<std::string> expected{"kept"};
    expected.insert(expected.end(), c.expected.begin(), c.expected.end());
    EXPECT_EQ(list, expected) << "text: " << (c.text ? c.text : "(null)");
    EXPECT_EQ(n, static_cast<std::int32_t>(c.expected.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TokenizeTable,
    ::testing::Values(
        TokenizeCase{"Plain", "A|B", "|", kNoTokenLimit, {"A", "B"}},
        TokenizeCase{"EdgeAndRepeatedDelimiters", "|A||B|", "|", kNoTokenLimit, {"A", "B"}},
        TokenizeCase{"BlanksKept", "A | B", "|", kNoTokenLimit, {"A ", " B"}},
        TokenizeCase{"Empty", "", "|", kNoTokenLimit, {}},
        TokenizeCase{"OnlyDelimiters", "|||", "|", kNoTokenLimit, {}},
        TokenizeCase{"Null", nullptr, "|", kNoTokenLimit, {}},
        TokenizeCase{"TwoDelimiters", "/a-b//c", "/-", kNoTokenLimit, {"a", "b", "c"}},
        TokenizeCase{"CountLimit", "a,b,c", ",", 2, {"a", "b"}},
        TokenizeCase{"NoDelimiterInText", "abc", ";", kNoTokenLimit, {"abc"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vl

#include <gtest/gtest.h>

#include <string>

#include "utility/Format.h"

namespace vl {
namespace {

template <class... Args>
std::string Fmt(std::size_t limit, const char* format, const Args&... args) {
    std::string buffer(limit + 8, '\x7f');
    FormatText(buffer.data(), limit, format, args...);
    EXPECT_EQ(buffer[limit + 1], '\x7f') << "wrote past the limit";
    return std::string(buffer.c_str());
}

TEST(Format, WsprintfDirectives) {
    EXPECT_EQ(Fmt(100, "%s - %d/%u", "Run", -5, 7u), "Run - -5/7");
    EXPECT_EQ(Fmt(100, "Error: %lu", 1813u), "Error: 1813");
    EXPECT_EQ(Fmt(100, "0x%x %X %#x", 255u, 255u, 255u), "0xff FF 0xff");
    EXPECT_EQ(Fmt(100, "%I64d", static_cast<std::int64_t>(-12345678901LL)), "-12345678901");
    EXPECT_EQ(Fmt(100, "%5d|%-5d|%05d", 42, 42, 42), "   42|42   |00042");
    EXPECT_EQ(Fmt(100, "%.3s|%6s", "abcdef", "ab"), "abc|    ab");
    EXPECT_EQ(Fmt(100, "100%%"), "100%");
    EXPECT_EQ(Fmt(100, "%c", 65), "A");
}

TEST(Format, WindowsConventions) {
    EXPECT_EQ(Fmt(100, "%d", 4294967295u), "-1");
    EXPECT_EQ(Fmt(100, "%s", static_cast<const char*>(nullptr)), "(null)");
    EXPECT_EQ(Fmt(100, "a%nb"), "anb");
    EXPECT_EQ(Fmt(100, "%q"), "q");
}

TEST(Format, HostileDirectivesReadNothing) {
    // A replacement language module may carry any directives: missing or
    // mistyped arguments print nothing instead of reading stray memory.
    EXPECT_EQ(Fmt(100, "%s %s %d", "one"), "one  ");
    EXPECT_EQ(Fmt(100, "[%d]", "text"), "[]");
    EXPECT_EQ(Fmt(100, "[%s]", 5), "[]");
    EXPECT_EQ(Fmt(100, "[%I64d]", 5), "[]");
    EXPECT_EQ(Fmt(100, "[%99999999999d]", 1).size(), 99u);
    EXPECT_EQ(Fmt(100, "trailing %"), "trailing ");
}

TEST(Format, BoundedByTheLimit) {
    EXPECT_EQ(Fmt(5, "%s", "abcdefgh"), "abcd");
    EXPECT_EQ(Fmt(1, "%s", "abc"), "");
    std::string big(5000, 'x');
    EXPECT_EQ(Fmt(999, "%s", big.c_str()).size(), 998u);
    char untouched = '#';
    EXPECT_EQ(FormatText(&untouched, 0, "%s", "abc"), 0u);
    EXPECT_EQ(untouched, '#');
}

}  // namespace
}  // namespace vl

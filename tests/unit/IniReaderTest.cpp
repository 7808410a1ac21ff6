// The settings reader against the profile functions' rules: lookups, blanks,
// quotes, cuts to the buffer, lists, integers, encodings, and the loader.
#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "FakePlatform.h"
#include "settings/IniReader.h"
#include "utility/TextRules.h"

namespace vl {
namespace {

const SingleByteTextRules kRules;

// What a call returned and wrote: the characters up to the terminator for a
// single value; for a list, everything up to its final NUL (two NULs when it
// was cut, or when it is empty).
struct Answer {
    std::uint32_t ret;
    std::string text;
};

std::size_t ListWindow(std::uint32_t ret, std::uint32_t size) {
    if (size >= 2 && ret == size - 2) return size;
    return std::min<std::size_t>(size, ret == 0 ? 2 : ret + 1);
}

Answer String(const IniDocument& doc, const char* section, const char* key, const char* def,
              std::uint32_t size) {
    std::vector<char> buffer(size + 8, '\xAA');
    std::uint32_t ret = doc.GetString(section, key, def, buffer.data(), size);
    for (std::size_t i = size; i < buffer.size(); ++i)
        EXPECT_EQ(buffer[i], '\xAA') << "wrote past the buffer at " << i;
    bool list = section == nullptr || key == nullptr;
    std::size_t shown = list ? ListWindow(ret, size) : std::min<std::size_t>(size, ret + 1);
    if (!list && size > 0) {
        EXPECT_EQ(buffer[ret], '\0');
    }
    std::string text(buffer.data(), shown);
    if (!list && !text.empty()) text.pop_back();  // the terminator checked above
    return {ret, text};
}

Answer Section(const IniDocument& doc, const char* section, std::uint32_t size) {
    std::vector<char> buffer(size + 8, '\xAA');
    std::uint32_t ret = doc.GetSection(section, buffer.data(), size);
    for (std::size_t i = size; i < buffer.size(); ++i)
        EXPECT_EQ(buffer[i], '\xAA') << "wrote past the buffer at " << i;
    return {ret, std::string(buffer.data(), ListWindow(ret, size))};
}

std::string Nul(const char* text, std::size_t n) { return std::string(text, n); }

// ---------------------------------------------------------------- values

const char kSettings[] =
    "; comment before any section\r\n"
    "top=before headers\r\n"
    "[Default]\r\n"
    "  PreInstall = Lectra|Lectra64  \r\n"
    "Name=\"My product \"\r\n"
    "Single='x'\r\n"
    "Mixed='x\"\r\n"
    "Lone=\"\r\n"
    "EmptyQuotes=\"\"\r\n"
    "Empty=\r\n"
    "NoEquals\r\n"
    "; Hidden=comment\r\n"
    "   ;Indented=comment\r\n"
    "\tTabbed\t=\tvalue\t\r\n"
    "Equals = a = b\r\n"
    "Dup=first\r\n"
    "dup=second\r\n"
    "Twice\r\n"
    "Twice=after a line without equals\r\n"
    "=no name\r\n"
    "eof=\x1A" "ctrlz\x1A\r\n"
    "nbsp=\xA0" "kept\xA0\r\n"
    "\xC9t\xE9=accented\r\n"
    "[Lectra]\r\n"
    "Name=first section\r\n"
    "  [ Spaced ]  \r\n"
    "k=spaced\r\n"
    "[a]b] trailing\r\n"
    "k=last bracket\r\n"
    "[Unclosed\r\n"
    "k2=belongs to a]b\r\n"
    "[]\r\n"
    "k=empty name\r\n"
    "[LECTRA]\r\n"
    "Name=second section\r\n"
    "Other=only in the second\r\n";

struct StringCase {
    const char* name;
    const char* section;
    const char* key;
    const char* def;
    std::uint32_t size;
    std::uint32_t ret;
    const char* text;
};
void PrintTo(const StringCase& c, std::ostream* os) { *os << c.name; }

class IniStringTest : public ::testing::TestWithParam<StringCase> {};

TEST_P(IniStringTest, ReadsLikeGetPrivateProfileString) {
    const StringCase& c = GetParam();
    IniDocument doc(kSettings, kRules);
    Answer a = String(doc, c.section, c.key, c.def, c.size);
    EXPECT_EQ(a.ret, c.ret);
    EXPECT_EQ(a.text, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, IniStringTest,
    ::testing::Values(
        StringCase{"Trimmed", "Default", "PreInstall", "", 100, 15, "Lectra|Lectra64"},
        StringCase{"NamesIgnoreCase", "dEFAULT", "preinstall", "", 100, 15, "Lectra|Lectra64"},
        StringCase{"QueryNamesTrimmed", "  Default\t", " PreInstall ", "", 100, 15, "Lectra|Lectra64"},
        StringCase{"DoubleQuotesGo", "Default", "Name", "", 100, 11, "My product "},
        StringCase{"SingleQuotesGo", "Default", "Single", "", 100, 1, "x"},
        StringCase{"UnmatchedQuotesStay", "Default", "Mixed", "", 100, 3, "'x\""},
        StringCase{"LoneQuoteStays", "Default", "Lone", "", 100, 1, "\""},
        StringCase{"EmptyQuotes", "Default", "EmptyQuotes", "d", 100, 0, ""},
        StringCase{"EmptyValueIsNotDefault", "Default", "Empty", "d", 100, 0, ""},
        StringCase{"LineWithoutEqualsGivesDefault", "Default", "NoEquals", "d", 100, 1, "d"},
        StringCase{"CommentIsNoKey", "Default", "; Hidden", "d", 100, 1, "d"},
        StringCase{"IndentedCommentIsNoKey", "Default", ";Indented", "d", 100, 1, "d"},
        StringCase{"TabsAreBlanks", "Default", "Tabbed", "", 100, 5, "value"},
        StringCase{"FirstEqualsSplits", "Default", "Equals", "", 100, 5, "a = b"},
        StringCase{"FirstKeyWins", "Default", "DUP", "", 100, 5, "first"},
        StringCase{"FirstLineWinsEvenWithoutEquals", "Default", "Twice", "d", 100, 1, "d"},
        StringCase{"EmptyKeyName", "Default", "", "d", 100, 7, "no name"},
        StringCase{"CtrlZIsBlank", "Default", "eof", "", 100, 5, "ctrlz"},
        StringCase{"NoBreakSpaceIsNoBlank", "Default", "nbsp", "", 100, 6, "\xA0kept\xA0"},
        StringCase{"CodePageCase", "default", "\xE9T\xC9", "", 100, 8, "accented"},
        StringCase{"KeysBeforeHeaders", "", "top", "", 100, 14, "before headers"},
        StringCase{"FirstSectionWins", "lectra", "Name", "", 100, 13, "first section"},
        StringCase{"SecondSectionUnread", "Lectra", "Other", "d", 100, 1, "d"},
        StringCase{"HeaderNameTrimmed", "Spaced", "k", "", 100, 6, "spaced"},
        StringCase{"HeaderEndsAtLastBracket", "a]b", "k", "", 100, 12, "last bracket"},
        StringCase{"UnclosedHeaderIsALine", "a]b", "k2", "", 100, 14, "belongs to a]b"},
        StringCase{"UnclosedHeaderIsNoSection", "Unclosed", "k2", "d", 100, 1, "d"},
        StringCase{"EmptyHeaderIsASecondUnnamedSection", "", "k", "d", 100, 1, "d"},
        StringCase{"MissingSection", "Nowhere", "Name", "fallback", 100, 8, "fallback"},
        StringCase{"MissingKey", "Default", "Nothing", "fallback", 100, 8, "fallback"},
        StringCase{"NullDefault", "Default", "Nothing", nullptr, 100, 0, ""},
        StringCase{"DefaultLosesTrailingSpaces", "Default", "Nothing", " no  ", 100, 3, " no"},
        StringCase{"DefaultKeepsTrailingTab", "Default", "Nothing", "no\t", 100, 3, "no\t"},
        StringCase{"BlankDefaultIsEmpty", "Default", "Nothing", "   ", 100, 0, ""},
        StringCase{"QuotedDefault", "Default", "Nothing", "\"q \"", 100, 2, "q "},
        StringCase{"CutToSizeLessOne", "Default", "PreInstall", "", 7, 6, "Lectra"},
        StringCase{"QuotedCutExactFit", "Default", "Name", "", 12, 11, "My product "},
        StringCase{"QuotedCut", "Default", "Name", "", 5, 4, "My p"},
        StringCase{"DefaultCut", "Default", "Nothing", "yesterday", 4, 3, "yes"},
        StringCase{"SizeOne", "Default", "PreInstall", "", 1, 0, ""},
        StringCase{"SizeZero", "Default", "PreInstall", "", 0, 0, ""}));

TEST(IniString, NoSectionsListsNothing) {
    IniDocument doc("k=before any header\r\n[]\r\nx=1\r\n", kRules);
    Answer a = String(doc, nullptr, "x", "dflt", 10);
    EXPECT_EQ(a.ret, 0u);
    EXPECT_EQ(a.text, Nul("\0\xAA", 2));  // one NUL: an empty list
}

TEST(IniString, NullBufferIsSafe) {
    IniDocument doc(kSettings, kRules);
    EXPECT_EQ(doc.GetString("Default", "Name", "d", nullptr, 100), 0u);
    EXPECT_EQ(doc.GetString(nullptr, nullptr, "d", nullptr, 100), 0u);
    EXPECT_EQ(doc.GetSection("Default", nullptr, 100), 0u);
}

TEST(IniString, SizeZeroWritesNothing) {
    IniDocument doc(kSettings, kRules);
    char buffer[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(doc.GetString("Default", "Name", "d", buffer, 0), 0u);
    EXPECT_EQ(doc.GetSection("Default", buffer, 0), 0u);
    EXPECT_EQ(doc.GetString(nullptr, nullptr, "d", buffer, 0), 0u);
    EXPECT_EQ(std::string(buffer, 4), "xxxx");
}

// ---------------------------------------------------------------- lists

struct ListCase {
    const char* name;
    const char* section;  // null: the section names
    std::uint32_t size;
    std::uint32_t ret;
    std::string list;  // with its NULs
};
void PrintTo(const ListCase& c, std::ostream* os) { *os << c.name; }

class IniNameListTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(IniNameListTest, ListsNamesWithNullSectionOrKey) {
    const ListCase& c = GetParam();
    IniDocument doc("[One]\r\na=1\r\nnoequals\r\n;c=1\r\nbb=2\r\n[Two]\r\n[]\r\n[one]\r\nx=1\r\n",
                    kRules);
    Answer a = String(doc, c.section, nullptr, "dflt", c.size);
    EXPECT_EQ(a.ret, c.ret);
    EXPECT_EQ(a.text, c.list);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, IniNameListTest,
    ::testing::Values(
        ListCase{"SectionNames", nullptr, 100, 12, Nul("One\0Two\0one\0\0", 13)},
        ListCase{"SectionNamesExactFit", nullptr, 13, 12, Nul("One\0Two\0one\0\0", 13)},
        ListCase{"SectionNamesCut", nullptr, 12, 10, Nul("One\0Two\0on\0\0", 12)},
        ListCase{"SectionNamesCutToNothing", nullptr, 2, 0, Nul("\0\0", 2)},
        ListCase{"SectionNamesSizeOne", nullptr, 1, 0, Nul("\0", 1)},
        ListCase{"KeyNamesSkipCommentsAndBareLines", "ONE", 100, 5, Nul("a\0bb\0\0", 6)},
        ListCase{"KeyNamesCut", "One", 5, 3, Nul("a\0b\0\0", 5)},
        ListCase{"SectionWithoutKeysGivesDefault", "Two", 100, 4, Nul("dflt\0", 5)},
        ListCase{"MissingSectionGivesDefault", "Nowhere", 100, 4, Nul("dflt\0", 5)}));

struct SectionCase {
    const char* name;
    const char* section;
    std::uint32_t size;
    std::uint32_t ret;
    std::string lines;  // with their NULs
};
void PrintTo(const SectionCase& c, std::ostream* os) { *os << c.name; }

class IniSectionTest : public ::testing::TestWithParam<SectionCase> {};

TEST_P(IniSectionTest, ReadsLikeGetPrivateProfileSection) {
    const SectionCase& c = GetParam();
    IniDocument doc(
        "[S]\r\n  Name = \"Quoted\"  \r\nbare\r\n;comment=1\r\n[Sec\r\n\tk\t=\t\r\n"
        "[Comments]\r\n; one\r\n  ;two\r\n[Empty]\r\n[ Sp ]\r\nk=v\r\n[s]\r\nlater=1\r\n",
        kRules);
    Answer a = Section(doc, c.section, c.size);
    EXPECT_EQ(a.ret, c.ret);
    EXPECT_EQ(a.text, c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Sections, IniSectionTest,
    ::testing::Values(
        SectionCase{"LinesAsKeyEqualsValue", "s", 100, 27,
                    Nul("Name=\"Quoted\"\0bare\0[Sec\0k=\0\0", 28)},
        SectionCase{"ExactFit", "S", 28, 27, Nul("Name=\"Quoted\"\0bare\0[Sec\0k=\0\0", 28)},
        SectionCase{"OneShortIsCut", "S", 27, 25, Nul("Name=\"Quoted\"\0bare\0[Sec\0k\0\0", 27)},
        SectionCase{"CutInsideALine", "S", 10, 8, Nul("Name=\"Qu\0\0", 10)},
        SectionCase{"ExistenceTestWithFourBytes", "S", 4, 2, Nul("Na\0\0", 4)},
        SectionCase{"SizeThree", "S", 3, 1, Nul("N\0\0", 3)},
        SectionCase{"SizeTwo", "S", 2, 0, Nul("\0\0", 2)},
        SectionCase{"SizeOne", "S", 1, 0, Nul("\0", 1)},
        SectionCase{"OnlyCommentsReadsEmpty", "Comments", 4, 0, Nul("\0\0", 2)},
        SectionCase{"EmptySection", "Empty", 100, 0, Nul("\0\0", 2)},
        SectionCase{"MissingSection", "None", 100, 0, Nul("\0\0", 2)},
        SectionCase{"HeaderNameTrimmed", "sp", 100, 4, Nul("k=v\0\0", 5)},
        SectionCase{"QueryNameNotTrimmed", " Sp ", 100, 0, Nul("\0\0", 2)}));

TEST(IniSection, NullSectionReturnsZeroAndWritesNothing) {
    IniDocument doc("[S]\r\nk=v\r\n", kRules);
    char buffer[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(doc.GetSection(nullptr, buffer, 4), 0u);
    EXPECT_EQ(std::string(buffer, 4), "xxxx");
}

// ---------------------------------------------------------------- integers

struct IntCase {
    const char* name;
    const char* value;  // null: no such key
    std::int32_t def;
    std::uint32_t expected;
};
void PrintTo(const IntCase& c, std::ostream* os) { *os << c.name; }

class IniIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(IniIntTest, ConvertsLikeGetPrivateProfileInt) {
    const IntCase& c = GetParam();
    std::string file = "[Installer]\r\n";
    if (c.value != nullptr) file += std::string("PlayTone=") + c.value + "\r\n";
    IniDocument doc(file, kRules);
    EXPECT_EQ(doc.GetInt("installer", "playtone", c.def), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ints, IniIntTest,
    ::testing::Values(
        IntCase{"Decimal", "30", -3, 30},
        IntCase{"StopsAtOtherCharacter", "12abc", -3, 12},
        IntCase{"Minus", "-5", -3, 4294967291u},
        IntCase{"Plus", "+7", -3, 7},
        IntCase{"SignThenBlank", "- 5", -3, 0},
        IntCase{"Hex", "0x1F", -3, 31},
        IntCase{"HexUpperCaseX", "0X1F", -3, 0},
        IntCase{"NegativeHex", "-0x10", -3, 4294967280u},
        IntCase{"Octal", "0o17", -3, 15},
        IntCase{"Binary", "0b101", -3, 5},
        IntCase{"PrefixWithoutDigits", "0x", -3, 0},
        IntCase{"NoDigits", "abc", -3, 0},
        IntCase{"QuotedWithBlank", "\" 42\"", -3, 42},
        IntCase{"SingleQuoted", "'5'", -3, 5},
        IntCase{"WrapsModulo2To32", "99999999999", -3, 1215752191u},
        IntCase{"HexWraps", "0xfffffffff", -3, 4294967295u},
        IntCase{"Largest", "4294967295", -3, 4294967295u},
        IntCase{"Smallest", "-2147483648", -3, 2147483648u},
        IntCase{"ReadWith29Characters", "000000000000000000000000000001234", -3, 0},
        IntCase{"TwentyNineCharactersFit", "00000000000000000000000001234", -3, 1234},
        IntCase{"EmptyGivesDefault", "", -3, 4294967293u},
        IntCase{"EmptyQuotesGiveDefault", "\"\"", 9, 9},
        IntCase{"MissingGivesDefault", nullptr, -3, 4294967293u}));

TEST(IniInt, NullArguments) {
    IniDocument doc("[S]\r\n5k=1\r\n", kRules);
    EXPECT_EQ(doc.GetInt(nullptr, "5k", 9), 9u);
    // A null key reads the key names, and the first one is converted.
    EXPECT_EQ(doc.GetInt("S", nullptr, 9), 5u);
    EXPECT_EQ(doc.GetInt("None", nullptr, 9), 9u);
}

// ---------------------------------------------------------------- file forms

struct FileCase {
    const char* name;
    std::string bytes;
    const char* section;
    const char* key;
    const char* expected;
};
void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }

std::string Utf16Le(const std::u16string& s, bool bom = true) {
    std::string out = bom ? "\xFF\xFE" : "";
    for (char16_t c : s) {
        out += static_cast<char>(c & 0xFF);
        out += static_cast<char>(c >> 8);
    }
    return out;
}
std::string Utf16Be(const std::u16string& s) {
    std::string out = "\xFE\xFF";
    for (char16_t c : s) {
        out += static_cast<char>(c >> 8);
        out += static_cast<char>(c & 0xFF);
    }
    return out;
}

class IniFileFormTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(IniFileFormTest, ReadsTheValue) {
    const FileCase& c = GetParam();
    IniDocument doc(c.bytes, kRules);
    Answer a = String(doc, c.section, c.key, "<default>", 200);
    EXPECT_EQ(a.text, c.expected);
    EXPECT_EQ(a.ret, std::strlen(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, IniFileFormTest,
    ::testing::Values(
        FileCase{"LfOnly", "[S]\nk=v\nx=2", "S", "x", "2"},
        FileCase{"CrOnly", "[S]\rk=v\r\rx=2\r", "S", "x", "2"},
        FileCase{"MixedRuns", "[S]\n\rk=v\r\n\n\r\r[T]\r\n y=3", "T", "y", "3"},
        FileCase{"NoFinalNewline", "[S]\r\nk=last", "S", "k", "last"},
        FileCase{"HighBytesAsIs", "[S]\r\nk=\x80\xFF\xE9\r\n", "S", "k", "\x80\xFF\xE9"},
        FileCase{"Utf8WithoutMarkIsBytes", "[S]\r\nk=v\xC3\xA9\r\n", "S", "k", "v\xC3\xA9"},
        FileCase{"Utf8MarkConverts", "\xEF\xBB\xBF[S]\r\nk=v\xC3\xA9\xE2\x82\xAC\r\n", "S", "k",
                 "v\xE9\x80"},
        FileCase{"Utf8MarkBestFit", "\xEF\xBB\xBF[S]\r\nk=\xC4\x80\xE4\xB8\xAD\r\n", "S", "k", "A?"},
        FileCase{"Utf8MarkInvalidSequence", "\xEF\xBB\xBF[S]\r\nk=a\xC3(\r\n", "S", "k", "a?("},
        FileCase{"Utf16LeMark", Utf16Le(u"[S]\r\nk=v\u00e9\u20ac\u0100\u4e2d\r\n[\u00c9]\r\nk=e"),
                 "S", "k", "v\xE9\x80" "A?"},
        FileCase{"Utf16LeMarkSectionName", Utf16Le(u"[S]\r\n[\u00c9]\r\nk=e"), "\xC9", "k", "e"},
        FileCase{"Utf16BeMark", Utf16Be(u"[S]\r\nk=v\u00e9\r\n"), "S", "k", "v\xE9"},
        FileCase{"Utf16WithoutMarkIsBytes", Utf16Le(u"[S]\r\nk=v\r\n", false), "S", "k",
                 "<default>"},
        FileCase{"Utf16OddLastByte", Utf16Le(u"[S]\r\nk=v") + "x", "S", "k", "v"},
        FileCase{"NulEndsValue", std::string("[S]\r\nk=a\0b\r\n", 11), "S", "k", "a"},
        FileCase{"NulStartsValue", std::string("[S]\r\nk=\0v\r\n", 10), "S", "k", ""},
        FileCase{"NulLineDoesNotEndFile", std::string("[S]\r\n\0\r\nk=v\r\n", 12), "S", "k", "v"},
        FileCase{"NulInHeaderEndsName", std::string("[T\0U]\r\nk=v\r\n", 12), "T", "k", "v"},
        FileCase{"NulBeforeHeaderSpoilsIt", std::string("\0[S]\r\nk=v\r\n", 11), "S", "k",
                 "<default>"},
        FileCase{"EmptyFile", "", "S", "k", "<default>"},
        FileCase{"MarkOnly", "\xFF\xFE", "S", "k", "<default>"}));

TEST(IniFileForm, VeryLongLines) {
    std::string longValue(70000, 'a');
    std::string longKey(5000, 'K');
    IniDocument doc("[S]\r\nk=" + longValue + "\r\n" + longKey + "=long key\r\nx=2\r\n", kRules);
    Answer a = String(doc, "S", "k", "", 70010);
    EXPECT_EQ(a.ret, 70000u);
    EXPECT_EQ(a.text, longValue);
    EXPECT_EQ(String(doc, "S", longKey.c_str(), "", 100).text, "long key");
    EXPECT_EQ(String(doc, "S", "k", "", 100).text, std::string(99, 'a'));
    EXPECT_EQ(String(doc, "S", "x", "", 100).text, "2");
}

// ---------------------------------------------------------------- robustness

// Random and mutated files through every call with small and odd sizes: no
// call may write past its buffer, and every answer keeps its own rules.
TEST(IniFuzz, RandomFilesStayInBounds) {
    std::mt19937 random(20260101);
    const std::vector<std::string> seeds = {
        kSettings, "\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0v\0", "\xEF\xBB\xBF[S]\nk=\xC3\xA9",
        "[S]\r\n'k'='\"v\"'\r\n[T\r\n=\r\n;\r\n[\r\n]\r\n"};
    const char alphabet[] = "[]=;\"' \t\r\n\x1A\0aAkK\xC9\xE9\xFF\xFE\xEF\xBB\xBF";
    const char* names[] = {nullptr, "", "S", "k", "Default", "a]b", " T ", "\xE9"};
    const std::uint32_t sizes[] = {0, 1, 2, 3, 4, 5, 7, 16, 33};
    for (int round = 0; round < 3000; ++round) {
        std::string file = seeds[random() % seeds.size()];
        int edits = 1 + random() % 12;
        for (int e = 0; e < edits; ++e) {
            std::size_t at = file.empty() ? 0 : random() % (file.size() + 1);
            char c = alphabet[random() % (sizeof(alphabet) - 1)];
            switch (random() % 3) {
                case 0: file.insert(at, 1, c); break;
                case 1: if (at < file.size()) file[at] = c; break;
                default: if (at < file.size()) file.erase(at, 1 + random() % 4); break;
            }
        }
        if (round % 5 == 0) {  // a wholly random file
            file.resize(random() % 64);
            for (char& c : file) c = alphabet[random() % (sizeof(alphabet) - 1)];
        }
        IniDocument doc(file, kRules);
        for (int q = 0; q < 6; ++q) {
            const char* section = names[random() % 8];
            const char* key = names[random() % 8];
            const std::uint32_t size = sizes[random() % 9];
            SCOPED_TRACE("round " + std::to_string(round) + " size " + std::to_string(size));
            Answer s = String(doc, section, key, "d  ", size);
            if (size == 0) {
                EXPECT_EQ(s.ret, 0u);
            } else {
                EXPECT_LT(s.ret, size);
            }
            Answer sec = Section(doc, section, size);
            if (size <= 1 || section == nullptr) {
                EXPECT_EQ(sec.ret, 0u);
            } else {
                // Either everything fitted (the count, then the final NUL) or
                // the cut left size-2 and two NULs; both end in two NULs.
                ASSERT_LT(sec.ret, size);
                EXPECT_EQ(sec.text[sec.ret], '\0');
                const bool fitted = sec.ret > 0 && sec.text[sec.ret - 1] == '\0';
                const bool cut = sec.ret == size - 2 && sec.text[sec.ret + 1] == '\0';
                EXPECT_TRUE(fitted || cut || (sec.ret == 0 && sec.text[1] == '\0'));
            }
            (void)doc.GetInt(section, key, -1);
        }
    }
}

// ---------------------------------------------------------------- loader

TEST(IniLoad, ReadsTheWholeFileAndClosesIt) {
    fake::FileSystem files;
    std::string bytes(200000, 'x');
    bytes[0] = '[';
    files.AddFile("C:\\pkg\\Settings.ini", bytes);
    std::string read = "old";
    ASSERT_TRUE(LoadIniFile(files, "C:\\pkg\\Settings.ini", read));
    EXPECT_EQ(read, bytes);
    EXPECT_EQ(files.OpenHandleCount(), 0u);
    EXPECT_EQ(files.calls, std::vector<std::string>{"CreateFile C:\\pkg\\Settings.ini"});
}

TEST(IniLoad, SharesReadAndWriteWithOthers) {
    fake::FileSystem files;
    files.AddFile("C:\\pkg\\Settings.ini", "[S]");
    // Another opener that allows reading and writing does not stop the load.
    auto other = files.CreateFile("C:\\pkg\\Settings.ini", platform::file::kGenericRead |
                                  platform::file::kGenericWrite,
                                  platform::file::kShareRead | platform::file::kShareWrite,
                                  platform::file::kOpenExisting, 0);
    ASSERT_TRUE(other.ok);
    std::string read;
    EXPECT_TRUE(LoadIniFile(files, "C:\\pkg\\Settings.ini", read));
    EXPECT_EQ(read, "[S]");
    (void)files.CloseFile(other.value);
}

TEST(IniLoad, MissingFileFails) {
    fake::FileSystem files;
    std::string read = "old";
    EXPECT_FALSE(LoadIniFile(files, "C:\\pkg\\None.ini", read));
    EXPECT_TRUE(read.empty());
}

TEST(IniLoad, EmptyFileLoads) {
    fake::FileSystem files;
    files.AddFile("C:\\pkg\\Empty.ini", "");
    std::string read = "old";
    EXPECT_TRUE(LoadIniFile(files, "C:\\pkg\\Empty.ini", read));
    EXPECT_TRUE(read.empty());
}

TEST(IniLoad, HugeFileIsReadUpToTheLimit) {
    fake::FileSystem files;
    files.AddFile("C:\\pkg\\Huge.ini", std::string(kMaxIniFileBytes + 12345, 'z'));
    std::string read;
    ASSERT_TRUE(LoadIniFile(files, "C:\\pkg\\Huge.ini", read));
    EXPECT_EQ(read.size(), kMaxIniFileBytes);
    EXPECT_EQ(files.OpenHandleCount(), 0u);
}

}  // namespace
}  // namespace vl

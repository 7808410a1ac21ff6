// The settings reader against the real profile functions: every file of
// ini-corpus/ is asked its .queries by ini_dump.exe under Wine, and each
// answer must equal the portable reader's answer to the same query.
//
// A query preceded by a line "# known: <why>" is a case where the reader
// keeps the documented behaviour and Wine answers otherwise; its answers are
// printed, not compared. The prefix runs with the ANSI code page 1252 (the
// default of a prefix made with LANG=C or en_US), which is the code page the
// reader's conversions and case rules assume.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "../tools/IniQueryFormat.h"
#include "Wine.h"
#include "settings/IniReader.h"
#include "utility/TextRules.h"

namespace vl::e2e {
namespace {

const std::filesystem::path kCorpus = std::filesystem::path(__FILE__).parent_path() / "ini-corpus";
constexpr unsigned char kFill = 0xAA;

using ini_query::Field;
using ini_query::MakeField;
using ini_query::Split;

struct Query {
    std::string line;
    std::string known;  // why Wine differs, or empty
};

// The queries of a file, as ini_dump reads them.
std::vector<Query> ReadQueries(const std::string& path) {
    std::vector<Query> queries;
    std::string known;
    for (std::string line : Split(ReadFile(path), '\n')) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (line.rfind("# known: ", 0) == 0) {
            known = line.substr(9);
            continue;
        }
        if (line[0] == '#') continue;
        queries.push_back({line, known});
        known.clear();
    }
    return queries;
}

std::string Hex(const std::vector<unsigned char>& buffer, std::size_t shown) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < shown; ++i) {
        out += digits[buffer[i] >> 4];
        out += digits[buffer[i] & 0xF];
    }
    return out;
}

// The line ini_dump prints for the query, computed with the portable reader.
std::string ReaderAnswer(const IniDocument& doc, const std::string& line) {
    std::vector<std::string> f = Split(line, '\t');
    constexpr std::size_t kGuard = 64;
    if (f[0] == "string" && f.size() == 5) {
        Field section = MakeField(f[1]), key = MakeField(f[2]), def = MakeField(f[3]);
        std::uint32_t size = static_cast<std::uint32_t>(std::stoul(f[4]));
        std::vector<unsigned char> buffer(size + kGuard, kFill);
        std::uint32_t ret = doc.GetString(section.Get(), key.Get(), def.Get(),
                                          reinterpret_cast<char*>(buffer.data()), size);
        bool list = section.null || key.null;
        std::size_t shown = std::min<std::size_t>(size, ret + (list ? 2 : 1));
        return std::to_string(ret) + " " + Hex(buffer, shown);
    }
    if (f[0] == "int" && f.size() == 4) {
        Field section = MakeField(f[1]), key = MakeField(f[2]);
        return std::to_string(doc.GetInt(section.Get(), key.Get(), std::stoi(f[3])));
    }
    if (f[0] == "section" && f.size() == 3) {
        Field section = MakeField(f[1]);
        std::uint32_t size = static_cast<std::uint32_t>(std::stoul(f[2]));
        std::vector<unsigned char> buffer(size + kGuard, kFill);
        std::uint32_t ret = doc.GetSection(section.Get(), reinterpret_cast<char*>(buffer.data()), size);
        return std::to_string(ret) + " " + Hex(buffer, std::min<std::size_t>(size, ret + 2));
    }
    return "BADQUERY";
}

std::vector<std::string> CorpusFiles() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(kCorpus))
        if (entry.path().extension() == ".ini") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

class IniDifferentialTest : public ::testing::TestWithParam<std::string> {};

TEST_P(IniDifferentialTest, ReaderAnswersAsTheProfileFunctions) {
    const std::string ini = (kCorpus / (GetParam() + ".ini")).string();
    const std::string queriesPath = (kCorpus / (GetParam() + ".queries")).string();
    const std::vector<Query> queries = ReadQueries(queriesPath);
    ASSERT_FALSE(queries.empty()) << queriesPath;

    CommandResult wine = RunWine(Win32File("tests/tools/ini_dump.exe"),
                                 ShellQuote(WindowsPath(ini)) + " " + ShellQuote(WindowsPath(queriesPath)));
    std::vector<std::string> answers = Split(wine.output, '\n');
    for (std::string& a : answers)
        if (!a.empty() && a.back() == '\r') a.pop_back();
    while (!answers.empty() && answers.back().empty()) answers.pop_back();
    ASSERT_EQ(answers.size(), queries.size()) << "ini_dump printed:\n" << wine.output;

    const SingleByteTextRules rules;
    const IniDocument doc(ReadFile(ini), rules);
    for (std::size_t i = 0; i < queries.size(); ++i) {
        const std::string ours = ReaderAnswer(doc, queries[i].line);
        if (!queries[i].known.empty()) {
            std::printf("known difference (%s)\n  query  %s\n  reader %s\n  wine   %s\n",
                        queries[i].known.c_str(), queries[i].line.c_str(), ours.c_str(),
                        answers[i].c_str());
            continue;
        }
        EXPECT_EQ(ours, answers[i]) << "query: " << queries[i].line;
    }
}

INSTANTIATE_TEST_SUITE_P(Corpus, IniDifferentialTest, ::testing::ValuesIn(CorpusFiles()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

// The prefix must use the code page the reader assumes.
TEST(IniDifferentialSetup, AnsiCodePageIs1252) {
    const std::string folder = MakeTestFolder("IniCodePage");
    // A UTF-16 file converted to the ANSI code page shows which one it is:
    // U+20AC (the euro sign) is 0x80 in code page 1252 only.
    WriteFile(folder + "/u16.ini", std::string("\xFF\xFE[\0S\0]\0\n\0k\0=\0\xAC\x20", 16));
    WriteFile(folder + "/u16.queries", "string\tS\tk\tD\t10\n");
    CommandResult r = RunWine(Win32File("tests/tools/ini_dump.exe"),
                              ShellQuote(WindowsPath(folder + "/u16.ini")) + " " +
                                  ShellQuote(WindowsPath(folder + "/u16.queries")));
    EXPECT_EQ(r.output.substr(0, r.output.find_first_of("\r\n")), "1 8000");
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace vl::e2e

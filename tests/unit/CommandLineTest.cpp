#include <gtest/gtest.h>

#include <ostream>

#include <string>

#include "core/BootstrapperOptions.h"
#include "utility/TextRules.h"

namespace vl {
namespace {

struct CommandLineCase {
    const char* name;
    const char* commandLine;
    std::uint32_t flags;
    const char* type = "";
    const char* log = "";
    const char* replaceSettings = "";
    const char* extractSettings = "";
    const char* replaceLanguage = "";
    PassthruTable passthru = {};
};
inline void PrintTo(const CommandLineCase& c, std::ostream* os) { *os << c.name; }


class CommandLineTable : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTable, Parses) {
    const CommandLineCase& c = GetParam();
    SingleByteTextRules rules;
    BootstrapperOptions options(c.commandLine, rules);
    options.ParseCommandLine();
    SCOPED_TRACE(std::string("command line: ") + (c.commandLine ? c.commandLine : "(null)"));
    EXPECT_EQ(options.flags, c.flags);
    EXPECT_STREQ(options.typeValue.c_str(), c.type);
    EXPECT_STREQ(options.logPath.c_str(), c.log);
    EXPECT_STREQ(options.replaceSettingsPath.c_str(), c.replaceSettings);
    EXPECT_STREQ(options.extractSettingsPath.c_str(), c.extractSettings);
    EXPECT_STREQ(options.replaceLanguagePath.c_str(), c.replaceLanguage);
    EXPECT_EQ(options.passthruTable, c.passthru);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineTable,
    ::testing::Values(
        CommandLineCase{"Null", nullptr, 0},
        CommandLineCase{"Empty", "", 0},
        CommandLineCase{"TypeUpper", "/TYPE x", OptionType, "x"},
        CommandLineCase{"TypeLower", "/type x", OptionType, "x"},
        CommandLineCase{"TypeDash", "-Type x", OptionType, "x"},
        CommandLineCase{"Typo", "/Typo x", 0},
        CommandLineCase{"QuestionMark", "/?", OptionHelp},
        CommandLineCase{"QuestionMarkAnything", "/?anything", OptionHelp},
        CommandLineCase{"HelpAndMoreHelp", "/help /MoreHelp", OptionHelp | OptionMoreHelp},
        CommandLineCase{"TypeWithBlanksThenLog", "/Type Server With Speech/Log",
                        OptionType | OptionLog, "Server With Speech"},
        CommandLineCase{"TypeTrimmedQuotesKept", "/Type  \"a b\"  ", OptionType, "\"a b\""},
        CommandLineCase{"QuotedLogPath", "/Log \"C:\\my logs\\setup.log\"", OptionLog, "",
                        "C:\\my logs\\setup.log"},
        CommandLineCase{"DashCutsPath", "/Log C:\\my-logs\\setup.log", OptionLog, "", "C:\\my"},
        CommandLineCase{"ReplaceSettingsAlone", "/ReplaceSettings", OptionReplaceSettings},
        CommandLineCase{"TypeThenLog", "/Type /Log", OptionType | OptionLog},
        CommandLineCase{"RepeatedPathReplaces", "/Log a.log /Log b.log", OptionLog, "", "b.log"},
        CommandLineCase{"RepeatedWithoutValueKeeps", "/Log a.log /Log", OptionLog, "", "a.log"},
        CommandLineCase{"AllFlags",
                        "/NoWelcomeDlg/NoWelcomeWave/allowxddm/q/morehelp/ExtractSettings "
                        "e.ini/ReplaceLanguage l.dll",
                        OptionNoWelcomeDlg | OptionNoWelcomeWave | OptionAllowXddm |
                            OptionIgnoreError | OptionMoreHelp | OptionExtractSettings |
                            OptionReplaceLanguage,
                        "", "", "", "e.ini", "l.dll"},
        CommandLineCase{"LoneQuote", "/Log \"", OptionLog, "", "\""},
        CommandLineCase{"PassthruLast", "/passthru AnInstaller,AnotherInstaller@#2l",
                        OptionPassthru, "", "", "", "", "",
                        PassthruTable{{"AnInstaller", {"#2l"}}, {"AnotherInstaller", {"#2l"}}}},
        CommandLineCase{"PassthruKeepsSpaceBeforeNextOption", "/passthru A@#2l /Log",
                        OptionPassthru | OptionLog, "", "", "", "", "",
                        PassthruTable{{"A", {"#2l "}}}},
        CommandLineCase{"PassthruCollects", "/passthru A,B@x/passthru A@y", OptionPassthru, "",
                        "", "", "", "", PassthruTable{{"A", {"x", "y"}}, {"B", {"x"}}}},
        CommandLineCase{"PassthruThreeParts", "/passthru A@B@C", 0},
        CommandLineCase{"PassthruOnePart", "/passthru A", 0},
        CommandLineCase{"PassthruNoValue", "/passthru", 0},
        CommandLineCase{"PassthruNameSpaces", "/passthru A, B@c", OptionPassthru, "", "", "", "",
                        "", PassthruTable{{"A", {"c"}}, {" B", {"c"}}}},
        CommandLineCase{"PassthruOnlyCommas", "/passthru ,,@c", OptionPassthru, "", "", "", "",
                        "", PassthruTable{{",,", {"c"}}}},
        CommandLineCase{"PassthruEscapesKept", "/passthru A@#0#1#2", OptionPassthru, "", "", "",
                        "", "", PassthruTable{{"A", {"#0#1#2"}}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLine, OverlongValuesAreCut) {
    SingleByteTextRules rules;
    std::string line = "/Type " + std::string(300, 't') + "/Log " + std::string(400, 'l');
    BootstrapperOptions options(line.c_str(), rules);
    options.ParseCommandLine();
    EXPECT_EQ(options.typeValue.length(), 99u);
    EXPECT_EQ(options.logPath.length(), 259u);
}

TEST(CommandLine, HostileTextParsesSafely) {
    SingleByteTextRules rules;
    std::string binary;
    for (int i = 1; i < 256; ++i) binary.push_back(static_cast<char>(i));
    std::string huge(200000, '/');
    huge += " x \"\"\" - - @@@ ,,, ";
    for (const std::string& line : {binary, huge, std::string("\"\"\"\"/Log \"\"\"")}) {
        BootstrapperOptions options(line.c_str(), rules);
        options.ParseCommandLine();
        EXPECT_LE(options.logPath.length(), 259u);
    }
}

TEST(CommandLine, KeepsItsOwnCopy) {
    SingleByteTextRules rules;
    char line[] = "/Log";
    BootstrapperOptions options(line, rules);
    line[1] = 'X';
    EXPECT_STREQ(options.CommandLine(), "/Log");
    BootstrapperOptions none("", rules);
    EXPECT_EQ(none.CommandLine(), nullptr);
}

}  // namespace
}  // namespace vl

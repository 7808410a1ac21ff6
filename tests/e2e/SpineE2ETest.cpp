// The real executable under Wine: the start and finish banners, the log's
// place and format, and the exit code of a run.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "PackageTest.h"

namespace vl::e2e {
namespace {

using SpineE2E = PackageTest;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start) + "<no CR LF>");
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

TEST_F(SpineE2E, DefaultLogBesideTheExecutable) {
    WindowsRun run = RunWindows(exe, "/Log");
    EXPECT_EQ(run.exitCode, 13u) << "the run stops before installing";
    const std::string log = folder + "/VL_Setup_Package.log";
    ASSERT_TRUE(FileExists(log));
    std::vector<std::string> lines = Lines(ReadFile(log));
    ASSERT_GE(lines.size(), 4u);
    const std::regex format(R"(^\d{4}/\d{1,2}/\d{1,2} - \d{1,2}:\d{1,2}:\d{1,2}:\d{1,3} - (.*) $)");
    std::smatch m;
    for (const std::string& line : lines) EXPECT_TRUE(std::regex_match(line, format)) << line;
    ASSERT_TRUE(std::regex_match(lines.front(), m, format));
    EXPECT_EQ(m[1], "*** InstallationBootstrapper - Start. ***");
    ASSERT_TRUE(std::regex_match(lines[1], m, format));
    EXPECT_EQ(m[1], "RunBootstrapper - Source directory: " + WindowsPath(folder) + ".");
    ASSERT_TRUE(std::regex_match(lines[2], m, format));
    EXPECT_EQ(m[1], "RunBootstrapper - Bootstrapper command-line: /Log.");
    ASSERT_TRUE(std::regex_match(lines.back(), m, format));
    EXPECT_EQ(m[1], "*** InstallationBootstrapper - Finish. ***");

    // A second run appends to the same file.
    EXPECT_EQ(RunWindows(exe, "/Log").exitCode, 13u);
    EXPECT_EQ(Lines(ReadFile(log)).size(), 2 * lines.size());
}

TEST_F(SpineE2E, LogPathFromTheCommandLine) {
    std::filesystem::create_directory(folder + "/my logs");
    const std::string log = folder + "/my logs/run.log";
    WindowsRun run = RunWindows(exe, "/Type default /Log \"" + WindowsPath(log) + "\"");
    EXPECT_EQ(run.exitCode, 13u);
    ASSERT_TRUE(FileExists(log));
    EXPECT_FALSE(FileExists(folder + "/VL_Setup_Package.log"));
    std::vector<std::string> lines = Lines(ReadFile(log));
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(lines.front().find("*** InstallationBootstrapper - Start. ***"), std::string::npos);
    EXPECT_NE(lines.back().find("*** InstallationBootstrapper - Finish. ***"), std::string::npos);
}

TEST_F(SpineE2E, WithoutLogNoFileIsCreated) {
    EXPECT_EQ(RunWindows(exe, "").exitCode, 13u);
    EXPECT_EQ(RunWindows(exe, "/Type default").exitCode, 13u);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"setup.exe"});
}

TEST_F(SpineE2E, LogInAMissingFolderCreatesNothing) {
    WindowsRun run = RunWindows(exe, "/Log " + WindowsPath(folder + "/missing/run.log"));
    EXPECT_EQ(run.exitCode, 13u);
    EXPECT_FALSE(FileExists(folder + "/missing"));
    EXPECT_FALSE(FileExists(folder + "/VL_Setup_Package.log"));
}

TEST_F(SpineE2E, HostileCommandLinesEndCleanly) {
    const std::string log = folder + "/VL_Setup_Package.log";
    for (const std::string& args :
         {std::string("\"\"\" /Log \"\"\""), std::string(4000, 'x') + " /Log",
          std::string("/Type silent") + std::string(600, 'T') + " /Log", std::string("/passthru A@B@C/Log")}) {
        WindowsRun run = RunWindows(exe, args);
        EXPECT_EQ(run.exitCode, 13u) << args.substr(0, 40);
    }
}

}  // namespace
}  // namespace vl::e2e

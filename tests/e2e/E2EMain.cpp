// The end-to-end tests' main: takes the environment the CTest fixture made
// (prefix, display) before running the tests.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    const std::string state = E2E_STATE_DIR;
    std::string display;
    std::ifstream(state + "/display") >> display;
    setenv("WINEPREFIX", (state + "/prefix").c_str(), 1);
    if (!display.empty()) setenv("DISPLAY", display.c_str(), 1);
    setenv("WINEDEBUG", "-all", 1);
    setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1);
    std::string arch, wine;
    std::ifstream(state + "/arch") >> arch;
    std::ifstream(state + "/wine") >> wine;
    setenv("BOOTSTRAPPER_WIN32_DIR", arch == "win64" ? E2E_WIN64_DIR : E2E_WIN32_DIR, 0);
    if (!wine.empty()) setenv("E2E_WINE", wine.c_str(), 1);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

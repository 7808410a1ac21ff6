#pragma once
// What the end-to-end tests need to run Windows programs under Wine.
//
// The CTest fixture (tests/e2e/wine-env) makes one prefix per run and starts
// Xvfb; every test gets WINEPREFIX, DISPLAY, WINEDEBUG and
// BOOTSTRAPPER_WIN32_DIR (the win32 preset's build folder) in its environment.

#include <string>

namespace vl::e2e {

struct CommandResult {
    int status = -1;     // the exit status as Linux sees it (low 8 bits of a Windows code)
    std::string output;  // standard output
};

// Runs a shell command and collects its standard output.
CommandResult RunCommand(const std::string& shellCommand);

// Quotes text for the shell.
std::string ShellQuote(const std::string& text);

// The win32 build folder, and a file in it ("package/InstallationBootstrapper.exe").
std::string Win32Dir();
std::string Win32File(const std::string& relative);

// The Windows name of a Unix path: "Z:\\tmp\\x".
std::string WindowsPath(const std::string& unixPath);

// Runs a Windows program under Wine: `wine <exe> <arguments>`, arguments
// passed as written (already quoted for Windows). Waits until it ends.
CommandResult RunWine(const std::string& exe, const std::string& arguments);

// A fresh folder for one test, under the build tree; removed by the caller.
std::string MakeTestFolder(const std::string& name);

// File helpers.
bool FileExists(const std::string& path);
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

}  // namespace vl::e2e

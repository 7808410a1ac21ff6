#pragma once
// What the end-to-end tests need to run Windows programs under Wine.
//
// The CTest fixture (tests/e2e/wine-env) makes one prefix per run and starts
// Xvfb; every test gets WINEPREFIX, DISPLAY, WINEDEBUG, E2E_WINE and
// BOOTSTRAPPER_WIN32_DIR (the build folder of the Windows build under test:
// the win32 preset's, or the win64 preset's where 32-bit code cannot run).

#include <cstdint>
#include <string>

namespace vl::e2e {

struct CommandResult {
    int status = -1;     // the exit status as Linux sees it (low 8 bits of a Windows code)
    std::string output;  // standard output
};

struct WindowsRun {
    std::uint32_t exitCode = 0xFFFFFFFFu;  // the full 32-bit exit code
    bool started = false;
    std::string output;                    // what the launcher printed
};

// Runs a shell command and collects its standard output.
CommandResult RunCommand(const std::string& shellCommand);

// Quotes text for the shell.
std::string ShellQuote(const std::string& text);

// The command that runs Windows programs ("wine", or wine64 where the
// machine cannot run 32-bit code and the 64-bit build is tested).
std::string WineCommand();

// The Windows build folder under test, and a file in it ("package/InstallationBootstrapper.exe").
std::string Win32Dir();
std::string Win32File(const std::string& relative);

// The Windows name of a Unix path: "Z:\\tmp\\x".
std::string WindowsPath(const std::string& unixPath);

// Runs a Windows program under Wine as a shell command line
// ("wine <exe> <arguments>", the arguments read by the shell as written);
// for tools whose output is read.
CommandResult RunWine(const std::string& exe, const std::string& arguments);

// Runs exe (a Unix path) with exactly this Windows argument text, through
// the launcher, and returns its full exit code.
WindowsRun RunWindows(const std::string& exe, const std::string& arguments);

// Runs exe under the robot (tests/tools/robot.exe), which reports every
// window and answers it ("enter" unless told otherwise); returns what the
// robot printed. Options and arguments are single words without blanks or
// quotes (backslashes are kept).
CommandResult RunRobot(const std::string& exe, const std::string& robotOptions,
                       const std::string& arguments);

// A file for one test process's scratch output, "/tmp/vl_e2e/<stem><pid>_<n>.txt",
// removed if it was there.
std::string ScratchFile(const std::string& stem);

// Starts a shell command in the background, its standard output going to
// outputFile; returns the process number of the command, or 0 when it could
// not be started.
long StartInBackground(const std::string& shellCommand, const std::string& outputFile);

// A program run under the robot in the background, for tests in which two
// Windows programs run at once. The robot's report goes to a file; Finish
// waits for it to end (the robot's own --timeout, 60 s unless the options
// say otherwise, ends the program) and returns the report.
class BackgroundRobot {
public:
    BackgroundRobot(const std::string& exe, const std::string& robotOptions,
                    const std::string& arguments);
    BackgroundRobot(const BackgroundRobot&) = delete;
    BackgroundRobot& operator=(const BackgroundRobot&) = delete;
    ~BackgroundRobot();

    // What the robot has printed so far.
    std::string Report() const;
    // Waits until the robot has printed the exit code (at most the given
    // time) and returns the report.
    std::string Finish(int timeoutSeconds = 90);

private:
    std::string reportFile_;
    long pid_ = 0;
};

// Waits until the file holds the text (at most the given time); returns
// whether it does.
bool WaitForText(const std::string& path, const std::string& text, int timeoutSeconds = 60);

// The Unix path of the prefix's %TEMP% folder (the user's temporary folder).
std::string TempFolder();

// A fresh, empty folder for one test (under /tmp/vl_e2e, a name without "-").
std::string MakeTestFolder(const std::string& name);

// File helpers.
bool FileExists(const std::string& path);
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

}  // namespace vl::e2e

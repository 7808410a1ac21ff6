#include "Wine.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace vl::e2e {

CommandResult RunCommand(const std::string& shellCommand) {
    CommandResult result;
    FILE* pipe = popen(shellCommand.c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0) result.output.append(buffer, n);
    int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string ShellQuote(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'') out += "'\\''";
        else out += c;
    }
    return out + "'";
}

std::string Win32Dir() {
    const char* dir = std::getenv("BOOTSTRAPPER_WIN32_DIR");
    return dir != nullptr ? dir : "";
}

std::string Win32File(const std::string& relative) { return Win32Dir() + "/" + relative; }

std::string WindowsPath(const std::string& unixPath) {
    std::string out = "Z:";
    for (char c : std::filesystem::absolute(unixPath).string()) out += c == '/' ? '\\' : c;
    return out;
}

std::string WineCommand() {
    const char* wine = std::getenv("E2E_WINE");
    return wine != nullptr && *wine != '\0' ? wine : "wine";
}

CommandResult RunWine(const std::string& exe, const std::string& arguments) {
    return RunCommand(WineCommand() + " " + ShellQuote(exe) + " " + arguments + " 2>/dev/null");
}

WindowsRun RunWindows(const std::string& exe, const std::string& arguments) {
    // One file per test process, so that runs from two checkouts at once
    // do not take each other's command.
    const std::string commandFile = "/tmp/vl_e2e/command" + std::to_string(getpid()) + ".txt";
    std::filesystem::create_directories("/tmp/vl_e2e");
    WriteFile(commandFile, WindowsPath(exe) + "\n" + arguments + "\n");
    WindowsRun run;
    CommandResult r =
        RunCommand(WineCommand() + " " + ShellQuote(Win32File("tests/tools/launch.exe")) + " " +
                   ShellQuote(WindowsPath(commandFile)) + " 2>/dev/null");
    std::filesystem::remove(commandFile);
    run.output = r.output;
    std::size_t at = r.output.rfind("exit code=");
    if (at != std::string::npos) {
        run.started = true;
        run.exitCode = static_cast<std::uint32_t>(std::stoul(r.output.substr(at + 10)));
    }
    return run;
}

// Each blank-separated word as one shell argument, backslashes kept.
std::string QuoteWords(const std::string& words) {
    std::string out;
    std::size_t start = 0;
    while (start < words.size()) {
        std::size_t end = words.find(' ', start);
        if (end == std::string::npos) end = words.size();
        if (end > start) out += " " + ShellQuote(words.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

CommandResult RunRobot(const std::string& exe, const std::string& robotOptions,
                       const std::string& arguments) {
    return RunCommand(WineCommand() + " " + ShellQuote(Win32File("tests/tools/robot.exe")) +
                      " --ignore-class IME" + QuoteWords(robotOptions) + " -- " + ShellQuote(WindowsPath(exe)) +
                      " " + QuoteWords(arguments) + " 2>/dev/null");
}

std::string ScratchFile(const std::string& stem) {
    static int count = 0;
    std::filesystem::create_directories("/tmp/vl_e2e");
    const std::string path =
        "/tmp/vl_e2e/" + stem + std::to_string(getpid()) + "_" + std::to_string(++count) + ".txt";
    std::filesystem::remove(path);
    return path;
}

long StartInBackground(const std::string& shellCommand, const std::string& outputFile) {
    // The shell returns at once with the background command's number.
    CommandResult started =
        RunCommand(shellCommand + " >" + ShellQuote(outputFile) + " 2>/dev/null </dev/null & echo $!");
    return std::strtol(started.output.c_str(), nullptr, 10);
}

BackgroundRobot::BackgroundRobot(const std::string& exe, const std::string& robotOptions,
                                 const std::string& arguments)
    : reportFile_(ScratchFile("robot")) {
    pid_ = StartInBackground(WineCommand() + " " + ShellQuote(Win32File("tests/tools/robot.exe")) +
                                 " --ignore-class IME" + QuoteWords(robotOptions) + " -- " +
                                 ShellQuote(WindowsPath(exe)) + " " + QuoteWords(arguments),
                             reportFile_);
}

BackgroundRobot::~BackgroundRobot() {
    // A robot still running ends its program when its time-out comes; the
    // test waits no longer for it, but its Wine client is stopped here.
    if (pid_ > 0 && Report().find("exit code=") == std::string::npos) kill(static_cast<pid_t>(pid_), SIGKILL);
    std::filesystem::remove(reportFile_);
}

std::string BackgroundRobot::Report() const { return ReadFile(reportFile_); }

std::string BackgroundRobot::Finish(int timeoutSeconds) {
    (void)WaitForText(reportFile_, "exit code=", timeoutSeconds);
    return Report();
}

bool WaitForText(const std::string& path, const std::string& text, int timeoutSeconds) {
    for (int i = 0; i < timeoutSeconds * 10; ++i) {
        if (ReadFile(path).find(text) != std::string::npos) return true;
        usleep(100 * 1000);
    }
    return ReadFile(path).find(text) != std::string::npos;
}

std::string TempFolder() {
    return std::string(std::getenv("WINEPREFIX")) + "/drive_c/users/" +
           (std::getenv("USER") ? std::getenv("USER") : "root") + "/Temp";
}

std::string MakeTestFolder(const std::string& name) {
    // Kept out of the build tree: Windows paths on the bootstrapper's command
    // line may hold neither "-" nor "/", and the checkout's folder may.
    // The process number keeps two checkouts' runs of one test apart.
    std::filesystem::path dir =
        std::filesystem::path("/tmp/vl_e2e") / (name + "_" + std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir.string();
}

bool FileExists(const std::string& path) { return std::filesystem::exists(path); }

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

}  // namespace vl::e2e

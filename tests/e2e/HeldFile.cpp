#include "HeldFile.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <thread>

#include "Wine.h"

namespace vl::e2e {
namespace {

// A process that has ended, or a zombie nobody has reaped yet: either way
// Windows has let go of its handles.
bool Gone(long pid) {
    if (kill(static_cast<pid_t>(pid), 0) != 0) return true;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    std::size_t close = line.rfind(')');
    return close == std::string::npos || close + 2 >= line.size() || line[close + 2] == 'Z';
}

bool WaitUntilGone(long pid, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!Gone(pid)) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

}  // namespace

HeldFile::HeldFile(const std::string& unixPath, unsigned milliseconds) : outputFile_(ScratchFile("hold")) {
    pid_ = StartInBackground(WineCommand() + " " + ShellQuote(Win32File("tests/tools/hold_file.exe")) + " " +
                                 ShellQuote(WindowsPath(unixPath)) + " " + std::to_string(milliseconds),
                             outputFile_);
    if (pid_ <= 0) return;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < end) {
        output_ = ReadFile(outputFile_);
        if (output_.rfind("holding ", 0) == 0 && output_.find('\n') != std::string::npos) {
            holding_ = true;
            return;
        }
        if (output_.find("cannot open") != std::string::npos || Gone(pid_)) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

HeldFile::~HeldFile() {
    if (pid_ > 0 && !Gone(pid_)) {
        kill(static_cast<pid_t>(pid_), SIGTERM);
        if (!WaitUntilGone(pid_, std::chrono::seconds(5))) {
            kill(static_cast<pid_t>(pid_), SIGKILL);
            (void)WaitUntilGone(pid_, std::chrono::seconds(5));
        }
    }
    std::filesystem::remove(outputFile_);
}

}  // namespace vl::e2e

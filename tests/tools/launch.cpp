// Starts a program with a command line taken verbatim from a file, waits for
// it (at most a minute) and prints its full 32-bit exit code as
// "exit code=<n>".
//
//   launch.exe <command file>
//
// The command file holds the program's path on its first line and the
// argument text (everything after the first line break, used as it stands,
// without its final line break) after it. The program sees the command line
// "\"<path>\" <argument text>", or just the quoted path when the argument
// text is empty.
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: launch <command file>\n");
        return 2;
    }
    FILE* f = std::fopen(argv[1], "rb");
    if (f == nullptr) {
        std::fprintf(stderr, "launch: cannot read %s\n", argv[1]);
        return 2;
    }
    std::string text;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof(buffer), f)) > 0) text.append(buffer, n);
    std::fclose(f);

    std::size_t eol = text.find('\n');
    std::string program = text.substr(0, eol);
    std::string arguments = eol == std::string::npos ? "" : text.substr(eol + 1);
    if (!program.empty() && program.back() == '\r') program.pop_back();
    if (!arguments.empty() && arguments.back() == '\n') arguments.pop_back();
    if (!arguments.empty() && arguments.back() == '\r') arguments.pop_back();

    std::string commandLine = "\"" + program + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;

    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &si, &pi)) {
        std::printf("launch failed error=%lu\n", GetLastError());
        return 2;
    }
    // A program that waits for a user (an unexpected box) is ended rather
    // than left to hang the test run.
    if (WaitForSingleObject(pi.hProcess, 60000) == WAIT_TIMEOUT) {
        TerminateProcess(pi.hProcess, 1460);
        WaitForSingleObject(pi.hProcess, 5000);
        std::printf("launch: timeout\n");
    }
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    std::printf("exit code=%lu\n", code);
    std::fflush(stdout);
    return 0;
}

// fake_installer: stands in for an installer. It appends a record of how it
// was started to a file and exits with the code it is told.
//
// Its instructions are tokens on its own command line, so that they pass
// through ShellExecuteEx and any argument composition unchanged; every other
// token is ignored. A token is a blank-separated piece of the command line,
// quotes removed ("FAKE_RECORD=Z:\a b\r.log" and FAKE_RECORD="Z:\a b\r.log"
// both work); names are matched without regard to case.
//
//   FAKE_EXIT=<n>[,<n>...]  exit code, unsigned decimal or 0x hex; default 0.
//                           With a list, the k-th run recorded in the record
//                           file (counting from 0) exits with the k-th code,
//                           and runs past the end of the list with the last
//                           one: FAKE_EXIT=1603,0 fails once, then succeeds.
//   FAKE_SLEEP=<ms>         sleep this long (after writing the record) before
//                           exiting.
//   FAKE_HANG=1             after writing the record, sleep forever.
//   FAKE_RECORD=<path>      the record file; default fake_installer.log in
//                           the folder of this executable.
//
// Each run appends two lines, each ended by "\n" alone:
//   cmdline=<GetCommandLineA, exactly>
//   cwd=<GetCurrentDirectoryA>
// The record is written in one piece before any sleep, so a test can see
// that the installer started even when it hangs.

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Blank-separated tokens with quotes removed; backslashes are kept as they
// are, since Windows paths are the usual values.
std::vector<std::string> Tokens(const char* line) {
    std::vector<std::string> tokens;
    std::string current;
    bool quoted = false, inToken = false;
    for (const char* p = line; *p; ++p) {
        if (*p == '"') {
            quoted = !quoted;
            inToken = true;
        } else if ((*p == ' ' || *p == '\t') && !quoted) {
            if (inToken) tokens.push_back(current);
            current.clear();
            inToken = false;
        } else {
            current += *p;
            inToken = true;
        }
    }
    if (inToken) tokens.push_back(current);
    return tokens;
}

bool StartsWith(const std::string& text, const char* prefix, std::string& rest) {
    size_t n = std::strlen(prefix);
    if (text.size() < n || CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, text.c_str(), static_cast<int>(n), prefix,
                                          static_cast<int>(n)) != CSTR_EQUAL) {
        return false;
    }
    rest = text.substr(n);
    return true;
}

unsigned long ToNumber(const std::string& text) {
    return std::strtoul(text.c_str(), nullptr, 0);
}

std::string DefaultRecordPath() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return "fake_installer.log";
    std::string folder(path, length);
    size_t slash = folder.find_last_of("\\/");
    folder = slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
    return folder + "fake_installer.log";
}

// Number of runs already recorded in the file (0 when it does not exist).
unsigned CountRuns(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) content.append(buffer, read);
    CloseHandle(file);
    unsigned runs = 0;
    for (size_t at = 0; at < content.size();) {
        if (content.compare(at, 8, "cmdline=") == 0) ++runs;
        size_t end = content.find('\n', at);
        if (end == std::string::npos) break;
        at = end + 1;
    }
    return runs;
}

void AppendRecord(const std::string& path, const std::string& text) {
    // Another run may hold the file for a moment; retry for about a second.
    for (int attempt = 0; attempt < 50; ++attempt) {
        HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            SetFilePointer(file, 0, nullptr, FILE_END);
            DWORD written = 0;
            WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
            CloseHandle(file);
            return;
        }
        Sleep(20);
    }
}

}  // namespace

int main() {
    const char* commandLine = GetCommandLineA();
    std::vector<unsigned long> exitCodes{0};
    DWORD sleepMs = 0;
    bool hang = false;
    std::string recordPath = DefaultRecordPath();

    std::string value;
    for (const std::string& token : Tokens(commandLine)) {
        if (StartsWith(token, "FAKE_EXIT=", value)) {
            exitCodes.clear();
            size_t start = 0;
            while (true) {
                size_t comma = value.find(',', start);
                exitCodes.push_back(ToNumber(value.substr(start, comma - start)));
                if (comma == std::string::npos) break;
                start = comma + 1;
            }
        } else if (StartsWith(token, "FAKE_SLEEP=", value)) {
            sleepMs = static_cast<DWORD>(ToNumber(value));
        } else if (StartsWith(token, "FAKE_HANG=", value)) {
            hang = ToNumber(value) != 0;
        } else if (StartsWith(token, "FAKE_RECORD=", value)) {
            recordPath = value;
        }
    }

    char cwd[MAX_PATH * 2] = {};
    GetCurrentDirectoryA(sizeof cwd, cwd);
    unsigned run = CountRuns(recordPath);
    AppendRecord(recordPath, std::string("cmdline=") + commandLine + "\ncwd=" + cwd + "\n");

    if (hang) {
        for (;;) Sleep(INFINITE);
    }
    if (sleepMs) Sleep(sleepMs);
    unsigned long code = exitCodes[run < exitCodes.size() ? run : exitCodes.size() - 1];
    ExitProcess(static_cast<UINT>(code));
}

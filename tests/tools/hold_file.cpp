// hold_file: opens a file without sharing and keeps it open for a while, so
// that a test can show what another program does with a file it cannot open.
//
// Usage:
//   hold_file.exe <path> <milliseconds>
//
// Opens <path>, an existing file, for reading with share mode 0: while it
// holds the file, no other process can open it at all. Once it holds it,
// it prints "holding <path>" (one line, "\n" line end, flushed) and sleeps
// for the given time, then closes the file and exits with 0. When the file
// cannot be opened it prints "hold_file: cannot open <path> error=<code>"
// and exits with 2; with a wrong command line it exits with 2 as well.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: hold_file <path> <milliseconds>\n");
        return 2;
    }
    const char* path = argv[1];
    const DWORD milliseconds = static_cast<DWORD>(std::strtoul(argv[2], nullptr, 0));
    HANDLE file = CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::printf("hold_file: cannot open %s error=%lu\n", path, GetLastError());
        std::fflush(stdout);
        return 2;
    }
    std::printf("holding %s\n", path);
    std::fflush(stdout);
    Sleep(milliseconds);
    CloseHandle(file);
    return 0;
}

// Prints the string table of a language module, one line per string id that
// exists in 1..80:
//
//   id=<n> len=<len> text=<text>
//
// <len> is the LoadStringA count (bytes, without the terminator); in <text> a
// carriage return is written \r, a line feed \n, a backslash \\ and any other
// control character \xNN, so every string fits on one line and compares
// exactly.
//
// Usage: lang_strings <module.dll> [library]
//   The module is loaded as a data file (LOAD_LIBRARY_AS_DATAFILE); with the
//   word "library" it is loaded with LoadLibraryA, as the bootstrapper does.
// Lines end with a bare line feed (stdout is switched to binary mode), so the
// output reads the same on Windows and on Linux.
// Exit code: 0 when the module loaded, 1 on a usage error, 2 when it did not
// load (the Windows error is printed).
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr int kFirstId = 1;
constexpr int kLastId = 80;
// Larger than any text the program reads (4,095 per Help section), so a cut
// text shows up as a wrong length rather than going unnoticed.
constexpr int kBufferSize = 16384;

void PrintEscaped(const char* text, int length) {
  for (int i = 0; i < length; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '\r') {
      std::fputs("\\r", stdout);
    } else if (c == '\n') {
      std::fputs("\\n", stdout);
    } else if (c == '\\') {
      std::fputs("\\\\", stdout);
    } else if (c < 0x20 || c == 0x7f) {
      std::printf("\\x%02X", c);
    } else {
      std::fputc(c, stdout);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3 || (argc == 3 && std::strcmp(argv[2], "library") != 0)) {
    std::fprintf(stderr, "usage: lang_strings <module.dll> [library]\n");
    return 1;
  }
  _setmode(_fileno(stdout), _O_BINARY);
  const bool asLibrary = argc == 3;
  HMODULE module = asLibrary ? LoadLibraryA(argv[1])
                             : LoadLibraryExA(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) {
    std::fprintf(stderr, "lang_strings: cannot load %s. Error: %lu\n", argv[1], GetLastError());
    return 2;
  }
  static char buffer[kBufferSize];
  for (int id = kFirstId; id <= kLastId; ++id) {
    const int length = LoadStringA(module, static_cast<UINT>(id), buffer, kBufferSize);
    if (length <= 0) continue;
    std::printf("id=%d len=%d text=", id, length);
    PrintEscaped(buffer, length);
    std::fputc('\n', stdout);
  }
  std::fflush(stdout);
  FreeLibrary(module);
  return 0;
}

// ini_dump: asks the Windows profile functions about one INI file and prints
// their answers, so a native test can compare them with the portable reader.
//
//   ini_dump <ini file> <query file>
//
// Each query line has TAB-separated fields (empty fields allowed):
//   string  <section> <key> <default> <size>   GetPrivateProfileStringA
//   int     <section> <key> <default>          GetPrivateProfileIntA
//   section <section> <size>                   GetPrivateProfileSectionA
// A field that reads "(null)" passes a null pointer; "\xHH" in a field stands
// for the byte HH. Empty lines and lines starting with '#' are skipped.
//
// One output line per query: the return value (unsigned decimal), a blank,
// and the buffer hex-encoded. The buffer is filled with 0xAA before the call;
// what is printed is the part a caller may rely on: for a single value the
// returned characters and the terminator, for a list (a section, or a null
// section or key) the returned characters and two terminators, in both cases
// never more than `size` bytes. " OVERRUN" follows when the call wrote past
// `size` bytes.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "IniQueryFormat.h"

namespace {

using ini_query::Field;
using ini_query::MakeField;

constexpr unsigned char kFill = 0xAA;
constexpr std::size_t kGuard = 64;

std::string ReadWhole(const char* path) {
    std::string bytes;
    FILE* f = std::fopen(path, "rb");
    if (f == nullptr) return bytes;
    char chunk[4096];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof(chunk), f)) > 0) bytes.append(chunk, n);
    std::fclose(f);
    return bytes;
}

void PrintBuffer(unsigned long ret, const std::vector<unsigned char>& buffer, std::size_t size,
                 std::size_t shown) {
    if (shown > size) shown = size;
    std::printf("%lu ", ret);
    for (std::size_t i = 0; i < shown; ++i) std::printf("%02x", buffer[i]);
    for (std::size_t i = size; i < buffer.size(); ++i) {
        if (buffer[i] != kFill) {
            std::printf(" OVERRUN");
            break;
        }
    }
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: ini_dump <ini file> <query file>\n");
        return 2;
    }
    const char* iniPath = argv[1];
    std::string queries = ReadWhole(argv[2]);
    std::size_t pos = 0;
    while (pos < queries.size()) {
        std::size_t end = queries.find('\n', pos);
        if (end == std::string::npos) end = queries.size();
        std::string line = queries.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> f = ini_query::Split(line, '\t');
        if (f[0] == "string" && f.size() == 5) {
            Field section = MakeField(f[1]), key = MakeField(f[2]), def = MakeField(f[3]);
            std::size_t size = std::strtoul(f[4].c_str(), nullptr, 10);
            std::vector<unsigned char> buffer(size + kGuard, kFill);
            DWORD ret = GetPrivateProfileStringA(section.Get(), key.Get(), def.Get(),
                                                 reinterpret_cast<char*>(buffer.data()),
                                                 static_cast<DWORD>(size), iniPath);
            bool list = section.null || key.null;
            PrintBuffer(ret, buffer, size, ret + (list ? 2 : 1));
        } else if (f[0] == "int" && f.size() == 4) {
            Field section = MakeField(f[1]), key = MakeField(f[2]);
            INT def = static_cast<INT>(std::strtol(f[3].c_str(), nullptr, 10));
            UINT ret = GetPrivateProfileIntA(section.Get(), key.Get(), def, iniPath);
            std::printf("%lu\n", static_cast<unsigned long>(ret));
        } else if (f[0] == "section" && f.size() == 3) {
            Field section = MakeField(f[1]);
            std::size_t size = std::strtoul(f[2].c_str(), nullptr, 10);
            std::vector<unsigned char> buffer(size + kGuard, kFill);
            DWORD ret = GetPrivateProfileSectionA(section.Get(), reinterpret_cast<char*>(buffer.data()),
                                                  static_cast<DWORD>(size), iniPath);
            PrintBuffer(ret, buffer, size, ret + 2);
        } else {
            std::printf("BADQUERY\n");
        }
    }
    std::fflush(stdout);
    return 0;
}

#pragma once
// The query lines that ini_dump reads and the settings reader's differential
// test writes: TAB-separated fields, in which "(null)" stands for a null
// pointer and "\xHH" for the byte HH. Standard C++ only, so the Windows tool
// and the native test read a line alike.

#include <string>
#include <vector>

namespace ini_query {

inline int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

inline std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) return parts;
        start = at + 1;
    }
}

struct Field {
    bool null = false;
    std::string text;
    const char* Get() const { return null ? nullptr : text.c_str(); }
};

inline Field MakeField(const std::string& raw) {
    Field f;
    f.null = raw == "(null)";
    if (f.null) return f;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 3 < raw.size() && raw[i + 1] == 'x' && HexDigit(raw[i + 2]) >= 0 &&
            HexDigit(raw[i + 3]) >= 0) {
            f.text += static_cast<char>(HexDigit(raw[i + 2]) * 16 + HexDigit(raw[i + 3]));
            i += 3;
        } else {
            f.text += raw[i];
        }
    }
    return f;
}

}  // namespace ini_query
